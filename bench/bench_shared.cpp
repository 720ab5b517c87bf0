// Speed of the shared library's text conversions on 16 MiB corpora, each figure also given
// as a ratio to what the machine does in the same run: the C library's iconv(3) doing the
// nearest conversion, and memcpy of the same buffer.
//
// Columns: MB_per_s (our speed), x_iconv (times iconv's speed), pct_memcpy (per cent of
// memcpy's speed), all from processor time. The rows named Iconv... and Memcpy are the
// references themselves, timed by the benchmark library.
#include <benchmark/benchmark.h>
#include <iconv.h>
#include <time.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "shared/TbStrUtl.h"
#include "shared/jconvert.h"
#include "shared/jconvex.h"

namespace {

constexpr std::size_t kCorpusSize = 16u << 20;

// A small deterministic generator, so every run measures the same text.
class Random {
 public:
  std::uint32_t Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::uint32_t>(state_ >> 33);
  }
  std::uint32_t Below(std::uint32_t n) { return Next() % n; }

 private:
  std::uint64_t state_ = 0x5EED;
};

void AppendAsciiWord(std::string& text, Random& random) {
  const std::uint32_t length = 2 + random.Below(7);
  for (std::uint32_t k = 0; k < length; ++k)
    text.push_back(static_cast<char>('a' + random.Below(26)));
  text.push_back(' ');
}

// A double-byte character that every Shift_JIS converter knows: hiragana, katakana or a kanji
// of the first level (lead bytes 0x89-0x97 are full rows).
void AppendDoubleByte(std::string& text, Random& random) {
  const std::uint32_t kind = random.Below(10);
  unsigned lead, trail;
  if (kind < 4) {
    lead = 0x82;
    trail = 0x9F + random.Below(0xF1 - 0x9F + 1);
  } else if (kind < 5) {
    lead = 0x83;
    trail = 0x40 + random.Below(0x96 - 0x40 + 1);
    if (trail == 0x7F) trail = 0x80;
  } else {
    lead = 0x89 + random.Below(0x97 - 0x89 + 1);
    trail = 0x40 + random.Below(0xFC - 0x40);
    if (trail >= 0x7F) ++trail;  // 0x7F is no trail byte
  }
  text.push_back(static_cast<char>(lead));
  text.push_back(static_cast<char>(trail));
}

// Japanese prose: of the characters about 74 % double-byte, 6 % half-width katakana and 20 %
// ASCII (words of two to eight letters and a space, about six characters each, so a word
// starts at one pick in 25); lines of about 40 characters end in CR LF.
std::string MakeJapaneseCorpus() {
  Random random;
  std::string text;
  text.reserve(kCorpusSize + 64);
  std::size_t lineStart = 0;
  while (text.size() < kCorpusSize) {
    const std::uint32_t pick = random.Below(250);
    if (pick < 222) {
      AppendDoubleByte(text, random);
    } else if (pick < 240) {
      text.push_back(static_cast<char>(0xA6 + random.Below(0xDD - 0xA6 + 1)));
    } else {
      AppendAsciiWord(text, random);
    }
    if (text.size() - lineStart >= 70) {
      text += "\r\n";
      lineStart = text.size();
    }
  }
  return text;
}

std::string MakeAsciiCorpus() {
  Random random;
  std::string text;
  text.reserve(kCorpusSize + 64);
  int column = 0;
  while (text.size() < kCorpusSize) {
    AppendAsciiWord(text, random);
    if ((column += 6) >= 70) {
      text += "\r\n";
      column = 0;
    }
  }
  return text;
}

// The Japanese corpus as a hand-off file would hold it: "<DELIMITER>" after every 16 lines.
std::string MakeDelimitedCorpus(const std::string& japanese) {
  std::string text;
  text.reserve(japanese.size() + japanese.size() / 64);
  int lines = 0;
  std::size_t start = 0;
  for (std::size_t end; (end = japanese.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    text.append(japanese, start, end + 2 - start);
    if (++lines % 16 == 0) text += "<DELIMITER>";
  }
  text.append(japanese, start);
  return text;
}

struct Corpora {
  std::string japanese = MakeJapaneseCorpus();
  std::string ascii = MakeAsciiCorpus();
  std::string delimited = MakeDelimitedCorpus(japanese);
};

const Corpora& TheCorpora() {
  static const Corpora corpora;
  return corpora;
}

const std::string& CorpusNamed(const std::string& name) {
  const Corpora& corpora = TheCorpora();
  return name == "japanese" ? corpora.japanese
         : name == "ascii"  ? corpora.ascii
                            : corpora.delimited;
}

// iconv into a buffer made and touched once, so that only the conversion is timed.
class IconvRun {
 public:
  IconvRun(const char* to, const char* from, const std::string& input)
      : cd_(iconv_open(to, from)), input_(input), output_(input.size() * 3 + 16, '\0') {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      std::fprintf(stderr, "iconv cannot convert %s to %s\n", from, to);
      std::exit(1);
    }
  }
  ~IconvRun() { iconv_close(cd_); }

  void operator()() {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* in = input_.data();
    char* out = output_.data();
    std::size_t inLeft = input_.size();
    std::size_t outLeft = output_.size();
    if (iconv(cd_, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) {
      std::fprintf(stderr, "iconv stopped after %zu bytes\n", input_.size() - inLeft);
      std::exit(1);
    }
    benchmark::DoNotOptimize(out);
  }

 private:
  iconv_t cd_;
  std::string input_;
  std::string output_;
};

class MemcpyRun {
 public:
  explicit MemcpyRun(const std::string& input) : input_(input), output_(input.size(), '\0') {}
  void operator()() {
    std::memcpy(output_.data(), input_.data(), input_.size());
    benchmark::ClobberMemory();
  }

 private:
  const std::string& input_;
  std::string output_;
};

// Seconds of this thread's processor time, page faults included. Processor time rather than
// wall time, because the machine's cores are shared and a busy neighbour would otherwise
// make any figure look slow. (<chrono> cannot be compiled with a Shift_JIS execution
// character set.)
double Now() {
  timespec now;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Bytes of input per second, the mean over at least half a second of runs.
double MeasureRate(const std::function<void()>& run, std::size_t bytes) {
  run();  // warm up
  int runs = 0;
  const double start = Now();
  double seconds = 0;
  while (seconds < 0.5 || runs < 5) {
    run();
    ++runs;
    seconds = Now() - start;
  }
  return static_cast<double>(bytes) * runs / seconds;
}

struct References {
  double iconvSjisToEuc;    // SHIFT_JIS -> EUC-JP
  double iconvCp932ToUtf8;  // CP932 -> UTF-8
  double memcpy;
};

References MeasureReferences(const std::string& corpus) {
  IconvRun toEuc("EUC-JP", "SHIFT_JIS", corpus);
  IconvRun toUtf8("UTF-8", "CP932", corpus);
  MemcpyRun copy(corpus);
  return {MeasureRate(std::ref(toEuc), corpus.size()), MeasureRate(std::ref(toUtf8), corpus.size()),
          MeasureRate(std::ref(copy), corpus.size())};
}

// The references of each corpus, measured once before the benchmarks run.
struct AllReferences {
  References japanese = MeasureReferences(TheCorpora().japanese);
  References ascii = MeasureReferences(TheCorpora().ascii);
  double delimitedMemcpy = [] {
    MemcpyRun copy(TheCorpora().delimited);
    return MeasureRate(std::ref(copy), TheCorpora().delimited.size());
  }();
};

const AllReferences& TheReferences() {
  static const AllReferences references;
  return references;
}

enum class Against { kIconvSjisToEuc, kIconvCp932ToUtf8, kMemcpyOnly };

// Runs one of our operations under the benchmark's loop and adds its speed and its ratios.
void RunOurs(benchmark::State& state, const std::string& corpusName, Against against,
             const std::function<void(const std::string&)>& operation) {
  const std::string& corpus = CorpusNamed(corpusName);
  double seconds = 0;
  for (auto _ : state) {
    const double start = Now();
    operation(corpus);
    seconds += Now() - start;
  }
  const double rate = static_cast<double>(corpus.size()) * state.iterations() / seconds;
  state.SetBytesProcessed(static_cast<std::int64_t>(corpus.size()) * state.iterations());
  state.counters["MB_per_s"] = rate / 1e6;

  const AllReferences& all = TheReferences();
  const References& references = corpusName == "ascii" ? all.ascii : all.japanese;
  const double memcpyRate = corpusName == "delimited" ? all.delimitedMemcpy : references.memcpy;
  state.counters["pct_memcpy"] = 100.0 * rate / memcpyRate;
  if (against == Against::kIconvSjisToEuc)
    state.counters["x_iconv"] = rate / references.iconvSjisToEuc;
  if (against == Against::kIconvCp932ToUtf8)
    state.counters["x_iconv"] = rate / references.iconvCp932ToUtf8;
}

void BM_SjisToEuc(benchmark::State& state, const std::string& corpus) {
  RunOurs(state, corpus, Against::kIconvSjisToEuc,
          [](const std::string& text) { benchmark::DoNotOptimize(SjisToEuc(text)); });
}

void BM_ConvertKanjiCodeToEuc(benchmark::State& state, const std::string& corpus) {
  RunOurs(state, corpus, Against::kIconvSjisToEuc,
          [](const std::string& text) { benchmark::DoNotOptimize(ConvertKanjiCode(text, kcEuc)); });
}

void BM_SjisToUtf8(benchmark::State& state, const std::string& corpus) {
  RunOurs(state, corpus, Against::kIconvCp932ToUtf8,
          [](const std::string& text) { benchmark::DoNotOptimize(SjisToUtf8(text)); });
}

void BM_UrlEscape(benchmark::State& state, const std::string& corpus) {
  RunOurs(state, corpus, Against::kMemcpyOnly,
          [](const std::string& text) { benchmark::DoNotOptimize(UrlEscape(text)); });
}

void BM_DetectKanjiCode(benchmark::State& state, const std::string& corpus) {
  RunOurs(state, corpus, Against::kMemcpyOnly,
          [](const std::string& text) { benchmark::DoNotOptimize(DetectKanjiCode(text)); });
}

void BM_SplitDelimited(benchmark::State& state, const std::string& corpus) {
  std::vector<std::string> fields;
  RunOurs(state, corpus, Against::kMemcpyOnly, [&fields](const std::string& text) {
    benchmark::DoNotOptimize(SplitDelimited(text, fields, "<DELIMITER>"));
  });
}

// The references as rows of their own, so that their speeds show beside ours.
void BM_Reference(benchmark::State& state, const std::string& corpusName, const std::string& kind) {
  const std::string& corpus = CorpusNamed(corpusName);
  std::function<void()> run;
  IconvRun toEuc("EUC-JP", "SHIFT_JIS", corpus);
  IconvRun toUtf8("UTF-8", "CP932", corpus);
  MemcpyRun copy(corpus);
  if (kind == "IconvSjisToEucJp")
    run = std::ref(toEuc);
  else if (kind == "IconvCp932ToUtf8")
    run = std::ref(toUtf8);
  else
    run = std::ref(copy);
  for (auto _ : state) run();
  state.SetBytesProcessed(static_cast<std::int64_t>(corpus.size()) * state.iterations());
}

void RegisterAll() {
  for (const char* corpus : {"japanese", "ascii"}) {
    const std::string name = corpus;
    benchmark::RegisterBenchmark(("SjisToEuc/" + name).c_str(), BM_SjisToEuc, name);
    benchmark::RegisterBenchmark(("ConvertKanjiCode_kcEuc/" + name).c_str(),
                                 BM_ConvertKanjiCodeToEuc, name);
    benchmark::RegisterBenchmark(("SjisToUtf8/" + name).c_str(), BM_SjisToUtf8, name);
    benchmark::RegisterBenchmark(("UrlEscape/" + name).c_str(), BM_UrlEscape, name);
    benchmark::RegisterBenchmark(("DetectKanjiCode/" + name).c_str(), BM_DetectKanjiCode, name);
  }
  benchmark::RegisterBenchmark("SplitDelimited/japanese_every_16_lines", BM_SplitDelimited,
                               std::string("delimited"));
  for (const char* corpus : {"japanese", "ascii"}) {
    for (const char* kind : {"IconvSjisToEucJp", "IconvCp932ToUtf8", "Memcpy"}) {
      benchmark::RegisterBenchmark((std::string(kind) + "/" + corpus).c_str(), BM_Reference,
                                   std::string(corpus), std::string(kind));
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const AllReferences& references = TheReferences();
  std::printf(
      "References on this machine, MB/s (Japanese corpus / ASCII corpus):\n"
      "  iconv SHIFT_JIS->EUC-JP %8.1f / %8.1f\n"
      "  iconv CP932->UTF-8      %8.1f / %8.1f\n"
      "  memcpy                  %8.1f / %8.1f\n",
      references.japanese.iconvSjisToEuc / 1e6, references.ascii.iconvSjisToEuc / 1e6,
      references.japanese.iconvCp932ToUtf8 / 1e6, references.ascii.iconvCp932ToUtf8 / 1e6,
      references.japanese.memcpy / 1e6, references.ascii.memcpy / 1e6);
  RegisterAll();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
