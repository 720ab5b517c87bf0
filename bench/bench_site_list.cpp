// The site list editor with a list of 100 000 rows, each figure beside what it cannot beat:
//   - shown: the dialog's showing (the default list file read into the grid, the column
//     widths, the site chosen) and the texts of the rows on screen, as the virtual list view
//     asks for them, against reading the same file and splitting it into lines and fields;
//   - sorted: a click on the caption of the display-name column against std::stable_sort of
//     the same strings.
// The ratios of CPU time are printed at the end; the goal is at most 2 for each.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/RatioReporter.h"
#include "platform/memory/MemoryPlatform.h"
#include "settings/UieSetList.h"
#include "shared/SiteListFile.h"

namespace {

constexpr int kRows = 100000;
constexpr const char* kFolder = "C:\\TobrinPlus\\";
constexpr const char* kListFile = "C:\\TobrinPlus\\MenuList.csv";

class Random {
 public:
  std::uint32_t Below(std::uint32_t n) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::uint32_t>(state_ >> 33) % n;
  }

 private:
  std::uint64_t state_ = 0x5EED;
};

// Display names of Japanese words and ASCII words in both cases, as a user's list has them.
std::string RandomName(Random& random) {
  static const char* const kWords[] = {"検索", "辞書", "翻訳",     "Google", "goo",  "Weblio",
                                       "地図", "wiki", "ニュース", "Yahoo!", "画像", "動画"};
  std::string name;
  const std::uint32_t words = 1 + random.Below(3);
  for (std::uint32_t k = 0; k < words; ++k) name += kWords[random.Below(std::size(kWords))];
  name += std::to_string(random.Below(1000));
  return name;
}

std::string MakeListFile() {
  Random random;
  std::vector<SiteListRow> rows;
  rows.reserve(kRows);
  for (int i = 0; i < kRows; ++i) {
    const bool selection = random.Below(3) != 0;
    rows.push_back({std::to_string(i + 1), RandomName(random),
                    "https://www.example" + std::to_string(random.Below(5000)) + ".co.jp/search?q=",
                    selection ? "選択範囲" : "通常", selection ? "UTF-8" : "なし"});
  }
  return ComposeSiteList(rows);
}

const std::string& ListFile() {
  static const std::string file = MakeListFile();
  return file;
}

struct Editor {
  platform::memory::MemoryPlatform m;
  TfmIE_List dialog{m.platform, [](int) -> SiteSlotFields { std::abort(); }};
  Editor() {
    m.files.AddFolder(kFolder);
    m.files.AddFile(kListFile, ListFile());
    m.process.programPath = std::string(kFolder) + "TobrinPlus.exe";
  }
};

void BM_ReadAndSplitAlone(benchmark::State& state) {
  Editor editor;
  for (auto _ : state) {
    const auto bytes = editor.m.files.ReadWholeFile(kListFile);
    benchmark::DoNotOptimize(ParseSiteList(*bytes));
  }
}

void BM_ShowInTheGrid(benchmark::State& state) {
  Editor editor;
  platform::ListGrid& grid = editor.dialog.ListGrid;
  for (auto _ : state) {
    editor.dialog.Show();
    std::size_t shown = 0;
    for (int row = grid.TopRow(); row < grid.TopRow() + grid.VisibleRowCount(); ++row) {
      for (int column = 0; column < grid.ColumnCount(); ++column) {
        shown += grid.Cell(row, column).size();
      }
    }
    benchmark::DoNotOptimize(shown);
    editor.dialog.Close();
  }
  if (grid.RowCount() != kRows) state.SkipWithError("rows missing");
}

// Each round sorts rows in the file's order; the copy that restores that order is not timed.
void BM_StableSortAlone(benchmark::State& state) {
  std::vector<std::string> names;
  for (const SiteListRow& row : ParseSiteList(ListFile())) names.push_back(row[1]);
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::string> round = names;
    state.ResumeTiming();
    std::stable_sort(round.begin(), round.end());
    benchmark::DoNotOptimize(round.data());
  }
}

void BM_SortTheGrid(benchmark::State& state) {
  Editor editor;
  editor.dialog.Show();
  const std::vector<SiteListRow> rows = editor.dialog.Rows();
  for (auto _ : state) {
    state.PauseTiming();
    editor.dialog.SetRows(rows);
    state.ResumeTiming();
    editor.dialog.ListGrid.HeaderClickByUser(TfmIE_List::colName);
  }
}

BENCHMARK(BM_ReadAndSplitAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShowInTheGrid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StableSortAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortTheGrid)->Unit(benchmark::kMillisecond);


}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const std::pair<const char*, const char*> ratios[] = {
      {"BM_ShowInTheGrid", "BM_ReadAndSplitAlone"}, {"BM_SortTheGrid", "BM_StableSortAlone"}};
  for (const auto& [ours, reference] : ratios) {
    const auto a = reporter.seconds.find(ours);
    const auto b = reporter.seconds.find(reference);
    if (a == reporter.seconds.end() || b == reporter.seconds.end()) continue;
    std::printf("%-18s %5.2f x %s (goal: at most 2), %d rows\n", ours, a->second / b->second,
                reference, kRows);
  }
  benchmark::Shutdown();
  return 0;
}
