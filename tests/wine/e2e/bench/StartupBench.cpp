// Start-up time of Tobrin in view-source mode under Wine, against an empty Windows program
// started the same way in the same run.
//
// Figures, each the median over the runs, with the middle half of the runs beside it:
//
//   empty program           CreateProcess to the end of a program whose wWinMain only returns:
//                           the yardstick, Wine's own cost of a process.
//   Tobrin to hand-over     CreateProcess to the moment Tobrin calls ShellExecuteW for the
//                           viewer, the call itself not included. Timed with a copy of
//                           Tobrin built alike (same entry code, libraries, manifest and
//                           resources, same folder and settings) whose only difference is that
//                           at the hand-over it notes the performance counter, which all
//                           processes share, and returns success instead of calling the shell.
//                           This spans reading the settings, the registry and the temporary
//                           folder, and copying the page there.
//   Tobrin view-source      CreateProcess to the end of the real Tobrin.exe: the above plus the
//                           ShellExecuteW call (loading the shell's helpers and Wine creating
//                           the viewer's process) and Tobrin's exit. The viewer is the empty
//                           program; Tobrin does not wait for it, so its start-up is not in
//                           the figure.
//   shell start only        CreateProcess to the end of a program that only calls
//                           ShellExecuteW on the empty program: what any start through the
//                           shell costs under Wine.
//
// Between two runs the driver waits until every process a run started has ended, outside the
// timed span. Runs of the programs alternate, so that a busy machine slows all alike.
//
// Further arguments name measuring copies from other builds (host paths, as the build writes
// them); each is timed to its hand-over beside the others, so that a change can be compared
// with the build before it in one run, under the same load.
//
//   e2e_startup_bench.exe [runs] [other-build/e2e_tobrin_probe.exe ...]     (default 21 runs)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/Timing.h"
#include "driver/ChildProcess.h"
#include "driver/Files.h"
#include "driver/LauncherSettings.h"

namespace {

using bench::Milliseconds;
using bench::Quantile;
using e2e::ChildProcess;

constexpr wchar_t kProbeVariable[] = L"TOBRIN_STARTUP_PROBE_FILE";

struct Subject {
  std::string name;
  std::wstring program;
  std::vector<std::wstring> arguments;
  // Timed to the hand-over moment the program writes to the probe file, not to its end.
  bool untilHandOver;
  std::vector<double> times;
};

// Counter ticks the probe wrote, or a negative number when it wrote none.
LONGLONG ReadHandOverMoment(const std::wstring& probeFile) {
  const auto text = e2e::ReadBytes(probeFile);
  if (!text || text->empty()) return -1;
  return std::strtoll(text->c_str(), nullptr, 10);
}

// Milliseconds from CreateProcess to the program's end, or to its hand-over; negative when the
// run failed.
double TimeOneStart(const Subject& subject, const std::wstring& probeFile) {
  DeleteFileW(probeFile.c_str());
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  ChildProcess child(subject.program, subject.arguments);
  const bool ended = child.Started() && child.WaitForExit(30000);
  QueryPerformanceCounter(&end);
  if (!ended || child.ExitCode() != 0 || !child.WaitForJobToEmpty(30000)) return -1.0;
  if (!subject.untilHandOver) return Milliseconds(end.QuadPart - start.QuadPart);
  const LONGLONG handOver = ReadHandOverMoment(probeFile);
  return handOver < start.QuadPart ? -1.0 : Milliseconds(handOver - start.QuadPart);
}

bool CopyInto(const std::string& hostPath, const std::wstring& target) {
  return CopyFileW(e2e::WindowsPathOfHostPath(hostPath).c_str(), target.c_str(), FALSE) != 0;
}

}  // namespace

int main(int argc, char** argv) {
#if !defined(TOBRIN_E2E_TOBRIN_HOST_PATH) || !defined(TOBRIN_E2E_PROBE_HOST_PATH)
  std::fprintf(stderr, "Tobrin.exe is not part of this build\n");
  return 2;
#else
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
  const std::wstring folder = e2e::DriverFolder() + L"bench-install\\";
  const std::wstring tobrin = folder + L"Tobrin.exe";
  const std::wstring probe = folder + L"TobrinProbe.exe";
  const std::wstring empty = e2e::DriverFolder() + L"e2e_empty.exe";
  const std::wstring shellOnly = e2e::DriverFolder() + L"e2e_shell_only.exe";
  e2e::MakeFolders(folder);
  if (!CopyInto(TOBRIN_E2E_TOBRIN_HOST_PATH, tobrin) ||
      !CopyInto(TOBRIN_E2E_PROBE_HOST_PATH, probe)) {
    std::fprintf(stderr, "cannot copy Tobrin.exe or its measuring copy\n");
    return 2;
  }
  e2e::LauncherSettings settings;
  settings.viewers[0] = {e2e::Narrow(empty), "-r", "txt"};
  e2e::WriteBytes(folder + L"TobrinPlus.ini", settings.ToIniText());
  const std::wstring page = folder + L"page[1].htm";
  e2e::WriteBytes(page, std::string(20000, 'x'));
  const std::wstring probeFile = folder + L"hand-over.txt";
  SetEnvironmentVariableW(kProbeVariable, probeFile.c_str());

  std::vector<Subject> subjects = {{"empty program", empty, {}, false, {}},
                                   {"Tobrin to hand-over", probe, {page}, true, {}},
                                   {"Tobrin view-source", tobrin, {page}, false, {}},
                                   {"shell start only", shellOnly, {empty}, false, {}}};
  for (int i = 2; i < argc; ++i) {
    const std::wstring other = folder + L"TobrinProbe" + std::to_wstring(i) + L".exe";
    if (!CopyInto(argv[i], other)) {
      std::fprintf(stderr, "cannot copy %s\n", argv[i]);
      return 2;
    }
    subjects.push_back({"hand-over, " + std::string(argv[i]), other, {page}, true, {}});
  }
  // The first start of each warms Wine's caches; it is not counted.
  for (Subject& subject : subjects) TimeOneStart(subject, probeFile);
  for (int i = 0; i < runs; ++i) {
    for (Subject& subject : subjects) {
      const double time = TimeOneStart(subject, probeFile);
      if (time < 0) {
        std::fprintf(stderr, "run %d of %s failed\n", i, subject.name.c_str());
        return 1;
      }
      subject.times.push_back(time);
    }
  }
  for (Subject& subject : subjects) std::sort(subject.times.begin(), subject.times.end());
  const double emptyMedian = Quantile(subjects[0].times, 0.5);
  std::printf("median of %d runs each (Wine); middle half of the runs in brackets\n", runs);
  for (const Subject& subject : subjects) {
    const double median = Quantile(subject.times, 0.5);
    std::printf("  %-24s %7.1f ms  [%6.1f .. %6.1f]  %5.2f x empty program\n", subject.name.c_str(),
                median, Quantile(subject.times, 0.25), Quantile(subject.times, 0.75),
                median / emptyMedian);
  }
  std::printf("Tobrin to hand-over / empty program: %.2f (goal: below 1.50)\n",
              Quantile(subjects[1].times, 0.5) / emptyMedian);
  std::printf("Tobrin view-source, whole process / empty program: %.2f\n",
              Quantile(subjects[2].times, 0.5) / emptyMedian);
  return 0;
#endif
}
