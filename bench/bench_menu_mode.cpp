// The menu mode's work from reading the hand-off file to having every entry ready, and to
// having every site address too, beside reading the file alone (ReadWholeFile of the
// in-memory platform), for selections of 1 MiB and 16 MiB of Japanese Shift_JIS text. All
// five sites are enabled: three selection sites in encodings 0, 1 and 2, two page sites.
// The work must stay linear; the ratios of CPU time to the plain read are printed at the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench/RatioReporter.h"
#include "launcher/HandOffFile.h"
#include "launcher/MenuPlan.h"
#include "launcher/MenuSettings.h"
#include "launcher/Tobrin.h"
#include "platform/memory/MemoryPlatform.h"

namespace {

constexpr const char* kTemp = "C:\\Temp\\";
constexpr const char* kHandOffPath = "C:\\Temp\\Tobrin_Menu.tmp";
constexpr const char* kProgramFolder = "C:\\Tobrin\\";

const char kSettings[] =
    "[CHK]\r\nCHK_IE_Menu=1\r\nCHK_IE_Sel=1\r\nCHK_IE_Web=1\r\n"
    "CHK_IE_Set_S[0]=1\r\nCHK_IE_Set_S[1]=1\r\nCHK_IE_Set_S[2]=1\r\nCHK_IE_Set_S[3]=1\r\n"
    "CHK_IE_Set_S[4]=1\r\n[EDIT]\r\n"
    "IE_Set_U[0]=http://a/?q=\r\nIE_Set_T[0]=1\r\nIE_Set_E[0]=0\r\nIE_Set_N[0]=a\r\n"
    "IE_Set_U[1]=http://b/?q=\r\nIE_Set_T[1]=1\r\nIE_Set_E[1]=1\r\nIE_Set_N[1]=b\r\n"
    "IE_Set_U[2]=http://c/?q=\r\nIE_Set_T[2]=1\r\nIE_Set_E[2]=2\r\nIE_Set_N[2]=c\r\n"
    "IE_Set_U[3]=http://d/?u=\r\nIE_Set_T[3]=0\r\nIE_Set_N[3]=d\r\n"
    "IE_Set_U[4]=http://e/?u=\r\nIE_Set_T[4]=0\r\nIE_Set_N[4]=e\r\n";

// Japanese text with a line break every 40 characters.
std::string JapaneseText(std::size_t bytes) {
  static const char kLine[] = "日本語の文章です。カタカナとひらがな、漢字が混ざっています。表示ソフト";
  std::string text;
  text.reserve(bytes + sizeof kLine);
  while (text.size() < bytes) {
    text += kLine;
    text += "\r\n";
  }
  text.resize(bytes);
  return text;
}

struct Installed {
  platform::memory::MemoryPlatform m;
  explicit Installed(std::size_t selectionBytes) {
    const std::string text = JapaneseText(selectionBytes);
    m.files.AddFolder(kTemp);
    m.folders.SetKernelTempPath(kTemp);
    m.process.programPath = std::string(kProgramFolder) + "Tobrin.exe";
    m.files.AddFile(std::string(kProgramFolder) + "TobrinPlus.ini", kSettings);
    m.files.AddFile(kHandOffPath, "http%3A//www.example.jp/%u65E5<DELIMITER>www.example.jp"
                                  "<DELIMITER><p>" + text + "</p><DELIMITER>" + text);
  }
};

void BM_ReadFileAlone(benchmark::State& state) {
  Installed installed(state.range(0));
  for (auto _ : state) {
    benchmark::DoNotOptimize(installed.m.files.ReadWholeFile(kHandOffPath));
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// Up to the popup: the file read once, its fields, the settings and the entries.
void BM_MenuReady(benchmark::State& state) {
  Installed installed(state.range(0));
  const TIniGT settings(installed.m.files, kProgramFolder, "TobrinPlus.ini");
  for (auto _ : state) {
    const HandOffValues handOff =
        HandOffValuesOf(ReadHandOffFields(installed.m.files, kHandOffPath));
    const auto entries = PlanMenu(ReadMenuSettings(settings), !handOff.selectionHtml.empty());
    if (!entries[kFirstSiteEntry + 2].visible) state.SkipWithError("site 2 not shown");
    benchmark::DoNotOptimize(entries);
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// As BM_MenuReady, and then the address of every shown site as if each were chosen.
void BM_EveryAddress(benchmark::State& state) {
  Installed installed(state.range(0));
  const TIniGT settings(installed.m.files, kProgramFolder, "TobrinPlus.ini");
  for (auto _ : state) {
    const HandOffValues handOff =
        HandOffValuesOf(ReadHandOffFields(installed.m.files, kHandOffPath));
    const MenuSettings menu = ReadMenuSettings(settings);
    const auto entries = PlanMenu(menu, !handOff.selectionHtml.empty());
    SelectionTextForms forms(handOff.selectionText);
    for (int i = 0; i < kSiteCount; ++i) {
      if (entries[kFirstSiteEntry + i].visible) {
        benchmark::DoNotOptimize(SiteAddress(menu.sites[i], handOff, forms));
      }
    }
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

// The whole menu mode: the start check, the form, the popup with every entry.
void BM_WholeMenuMode(benchmark::State& state) {
  Installed installed(state.range(0));
  for (auto _ : state) {
    RunTobrin(installed.m.platform);
    installed.m.popupMenu.popups.clear();
    installed.m.application.runForms.clear();
    installed.m.application.createdForms.clear();
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
}

constexpr int kMiB = 1 << 20;
BENCHMARK(BM_ReadFileAlone)->Arg(kMiB)->Arg(4 * kMiB)->Arg(16 * kMiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MenuReady)->Arg(kMiB)->Arg(4 * kMiB)->Arg(16 * kMiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EveryAddress)->Arg(kMiB)->Arg(4 * kMiB)->Arg(16 * kMiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WholeMenuMode)->Arg(kMiB)->Arg(4 * kMiB)->Arg(16 * kMiB)->Unit(benchmark::kMillisecond);


}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  for (const char* work : {"BM_MenuReady", "BM_WholeMenuMode", "BM_EveryAddress"}) {
    for (int size : {kMiB, 4 * kMiB, 16 * kMiB}) {
      const std::string suffix = "/" + std::to_string(size);
      const auto read = reporter.seconds.find("BM_ReadFileAlone" + suffix);
      const auto done = reporter.seconds.find(work + suffix);
      if (read == reporter.seconds.end() || done == reporter.seconds.end()) continue;
      // The unit is the table's (milliseconds); per byte it shows whether the work is linear.
      std::printf("%-16s %2d MiB: %6.2f x the read alone, %5.2f ns per selection byte\n", work,
                  size / kMiB, done->second / read->second, done->second * 1e6 / size);
    }
  }
  benchmark::Shutdown();
  return 0;
}
