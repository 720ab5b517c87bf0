// Start-up time of Tobrin in view-source mode under Wine, against an empty Windows program
// started the same way in the same run.
//
// What is timed, for both programs: from CreateProcess to the end of the process. For Tobrin
// this spans the whole view-source path a user waits for: reading the settings and the
// cache folder, copying the page to the temporary folder, and asking the shell to start the
// viewer. The viewer is the empty program, and Tobrin does not wait for it, so the viewer's
// own start-up is not in Tobrin's figure; between two runs the driver waits until the
// viewer has ended as well, outside the timed span. Runs of the programs alternate, so that
// a busy machine slows all alike. The figures are medians.
//
// A third program is timed beside them for orientation: one that does nothing but ask the
// shell to start the same empty viewer. It shows how much of Tobrin's time any start through
// the shell costs under Wine (loading the shell and window libraries), and so what is left
// to Tobrin's own work.
//
//   e2e_startup_bench.exe [runs]     (default 21)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "driver/ChildProcess.h"
#include "driver/Files.h"
#include "driver/LauncherSettings.h"

namespace {

using e2e::ChildProcess;

double Seconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds from CreateProcess to the program's end; negative when it failed.
double TimeOneStart(const std::wstring& program, const std::vector<std::wstring>& arguments) {
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  ChildProcess child(program, arguments);
  const bool ended = child.Started() && child.WaitForExit(30000);
  QueryPerformanceCounter(&end);
  const bool clean = ended && child.ExitCode() == 0 && child.WaitForJobToEmpty(30000);
  return clean ? Seconds(end.QuadPart - start.QuadPart) * 1000.0 : -1.0;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

}  // namespace

int main(int argc, char** argv) {
#ifndef TOBRIN_E2E_TOBRIN_HOST_PATH
  std::fprintf(stderr, "Tobrin.exe is not part of this build\n");
  return 2;
#else
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
  const std::wstring folder = e2e::DriverFolder() + L"bench-install\\";
  const std::wstring tobrin = folder + L"Tobrin.exe";
  const std::wstring empty = e2e::DriverFolder() + L"e2e_empty.exe";
  const std::wstring shellOnly = e2e::DriverFolder() + L"e2e_shell_only.exe";
  e2e::MakeFolders(folder);
  if (!CopyFileW(e2e::WindowsPathOfHostPath(TOBRIN_E2E_TOBRIN_HOST_PATH).c_str(), tobrin.c_str(), FALSE)) {
    std::fprintf(stderr, "cannot copy Tobrin.exe\n");
    return 2;
  }
  e2e::LauncherSettings settings;
  settings.viewers[0] = {e2e::Narrow(empty), "-r", "txt"};
  e2e::WriteBytes(folder + L"TobrinPlus.ini", settings.ToIniText());
  const std::wstring page = folder + L"page[1].htm";
  e2e::WriteBytes(page, std::string(20000, 'x'));

  // The first start of each warms Wine's caches; it is not counted.
  struct Subject {
    const char* name;
    std::wstring program;
    std::vector<std::wstring> arguments;
    std::vector<double> times;
  } subjects[] = {{"empty program", empty, {}, {}},
                  {"Tobrin view-source", tobrin, {page}, {}},
                  {"shell start only", shellOnly, {empty}, {}}};
  for (Subject& subject : subjects) TimeOneStart(subject.program, subject.arguments);
  for (int i = 0; i < runs; ++i) {
    for (Subject& subject : subjects) {
      const double time = TimeOneStart(subject.program, subject.arguments);
      if (time < 0) {
        std::fprintf(stderr, "run %d of %s failed\n", i, subject.name);
        return 1;
      }
      subject.times.push_back(time);
    }
  }
  const double emptyMedian = Median(subjects[0].times);
  const double tobrinMedian = Median(subjects[1].times);
  std::printf("start to end, median of %d runs each (Wine)\n", runs);
  for (const Subject& subject : subjects) {
    const double median = Median(subject.times);
    std::printf("  %-20s %8.1f ms  %5.2f x empty\n", subject.name, median, median / emptyMedian);
  }
  std::printf("ratio Tobrin / empty program: %.2f (goal: below 1.50)\n", tobrinMedian / emptyMedian);
  return 0;
#endif
}
