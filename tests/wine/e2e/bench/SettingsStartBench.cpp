// Start-up time of the settings program under Wine, against a minimal Win32 program of its
// kind started the same way in the same run.
//
// Each figure is the median over the runs, with the middle half of the runs beside it, from
// CreateProcess until the program's main window is visible and the program waits for input
// with nothing left to handle (WaitForInputIdle):
//
//   tab window stand-in   a program that shows one window of the same client size with one
//                         tab control of five tabs: the yardstick.
//   TobrinPlus            the settings program, installed with the launcher in a folder of
//                         its own, every page loaded from a settings file written by an apply.
//   empty program         CreateProcess to the end of a program whose wWinMain only returns:
//                         Wine's own cost of a process, for scale.
//   stand-in making TobrinPlus's windows
//                         the stand-in, making as many windows of each standard class as
//                         TobrinPlus has (counted in the run): Wine's own cost of them.
//   TobrinPlus, copy noting moments
//                         TobrinPlus built alike, which notes when it enters wWinMain, has
//                         made the Win32 platform, the forms, their windows, has shown the main
//                         window and loaded the pages: where the time goes.
//
// The window is closed and the job waited for outside the timed span. Runs alternate, so that
// a busy machine slows all alike.
//
//   e2e_settings_start_bench.exe [runs]     (default 21 runs)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "bench/Timing.h"
#include "driver/ChildProcess.h"
#include "driver/Files.h"

#ifndef TOBRIN_E2E_TOBRINPLUS_HOST_PATH
int main() {
  std::fprintf(stderr, "TobrinPlus.exe is not part of this build\n");
  return 2;
}
#else
namespace {

using e2e::ChildProcess;

struct Subject {
  std::string name;
  std::wstring program;
  std::vector<std::wstring> arguments;
  bool hasWindow;
  bool notesMoments;  // the measuring copy
  std::vector<double> times;
  // The moments the measuring copy noted, each in milliseconds after CreateProcess.
  std::vector<std::pair<std::string, std::vector<double> > > moments;
};

constexpr wchar_t kProbeVariable[] = L"TOBRINPLUS_STARTUP_PROBE_FILE";

// Adds the moments the measuring copy noted ("<name> <ticks>" lines) to the subject's.
void TakeMoments(Subject& subject, const std::wstring& probeFile, LONGLONG start) {
  const std::string notes = e2e::ReadBytes(probeFile).value_or("");
  std::size_t at = 0;
  for (std::size_t i = 0; at < notes.size(); ++i) {
    const std::size_t end = notes.find('\n', at);
    const std::string line = notes.substr(at, end - at);
    at = end == std::string::npos ? notes.size() : end + 1;
    const std::size_t blank = line.rfind(' ');
    if (blank == std::string::npos) continue;
    if (subject.moments.size() <= i) subject.moments.push_back({line.substr(0, blank), {}});
    const LONGLONG ticks = std::strtoll(line.c_str() + blank + 1, nullptr, 10);
    subject.moments[i].second.push_back(bench::Milliseconds(ticks - start));
  }
}

double LowerQuartile(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return bench::Quantile(times, 0.25);
}

struct WindowSearch {
  DWORD processId;
  HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<WindowSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  search->found = window;
  return FALSE;
}

// The program's control windows by kind, as the tab window stand-in's arguments: push buttons
// and group boxes, check boxes and radio buttons, labels, edit fields, drop-down lists and
// editable combo boxes.
struct WindowCount {
  int counts[6] = {};
};

BOOL CALLBACK CountWindow(HWND window, LPARAM parameter) {
  auto* count = reinterpret_cast<WindowCount*>(parameter);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  wchar_t parent[64] = {};
  GetClassNameW(GetParent(window), parent, 64);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (lstrcmpiW(name, L"Button") == 0) {
    const LONG_PTR type = style & BS_TYPEMASK;
    const bool box = type == BS_AUTOCHECKBOX || type == BS_CHECKBOX || type == BS_AUTORADIOBUTTON ||
                     type == BS_RADIOBUTTON;
    ++count->counts[box ? 1 : 0];
  } else if (lstrcmpiW(name, L"Static") == 0) {
    ++count->counts[2];
  } else if (lstrcmpiW(name, L"Edit") == 0 && lstrcmpiW(parent, L"ComboBox") != 0) {
    ++count->counts[3];
  } else if (lstrcmpiW(name, L"ComboBox") == 0) {
    ++count->counts[(style & 3) == CBS_DROPDOWNLIST ? 4 : 5];
  }
  return TRUE;
}

std::vector<std::wstring> CountControls(HWND window) {
  WindowCount count;
  EnumChildWindows(window, CountWindow, reinterpret_cast<LPARAM>(&count));
  std::vector<std::wstring> arguments;
  for (int n : count.counts) arguments.push_back(std::to_wstring(n));
  return arguments;
}

// Milliseconds from CreateProcess to a visible, idle main window (or to the end of a program
// without one); negative when the run failed.
double TimeOneStart(Subject& subject, const std::wstring& probeFile,
                    std::vector<std::wstring>* controls = nullptr) {
  DeleteFileW(probeFile.c_str());
  const LONGLONG start = bench::Now();
  ChildProcess child(subject.program, subject.arguments);
  if (!child.Started()) return -1.0;
  if (!subject.hasWindow) {
    const bool ended = child.WaitForExit(30000);
    const LONGLONG end = bench::Now();
    return ended && child.ExitCode() == 0 ? bench::Milliseconds(end - start) : -1.0;
  }
  WindowSearch search{child.Id(), nullptr};
  const ULONGLONG deadline = GetTickCount64() + 30000;
  for (;;) {
    child.WaitUntilIdle(30000);
    search.found = nullptr;
    EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr || GetTickCount64() > deadline) break;
    Sleep(1);
  }
  const LONGLONG end = bench::Now();
  if (search.found == nullptr) return -1.0;
  if (controls != nullptr) *controls = CountControls(search.found);
  PostMessageW(search.found, WM_CLOSE, 0, 0);
  if (!child.WaitForExit(30000) || !child.WaitForJobToEmpty(30000)) return -1.0;
  if (subject.notesMoments) TakeMoments(subject, probeFile, start);
  return bench::Milliseconds(end - start);
}

// The settings file an apply of a few sites and viewers leaves, so that every page has
// something to load.
std::string SettingsFile(const std::string& viewer) {
  std::string text = "[CHK]\r\nCHK_IE=0\r\n";
  for (int i = 0; i < 5; ++i) text += "CHK_IE_Set_S[" + std::to_string(i) + "]=1\r\n";
  text += "CHK_IE_View=1\r\nCHK_IE_Menu=1\r\nCHK_IE_Sel=1\r\nCHK_IE_Web=1\r\n[EDIT]\r\n";
  for (int i = 0; i < 3; ++i) {
    const std::string n = "[" + std::to_string(i) + "]";
    text +=
        "IE_View_E" + n + "=" + viewer + "\r\nIE_View_O" + n + "=-r\r\nIE_View_T" + n + "=txt\r\n";
  }
  for (int i = 0; i < 5; ++i) {
    const std::string n = "[" + std::to_string(i) + "]";
    text += "IE_Set_U" + n + "=https://www.example.co.jp/search?q=\r\nIE_Set_T" + n +
            "=1\r\nIE_Set_E" + n + "=2\r\nIE_Set_N" + n + "=\x8c\x9f\x8d\xf5\r\n";  // 検索
  }
  return text;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
  const std::wstring folder = e2e::DriverFolder() + L"bench-settings\\";
  e2e::MakeFolders(folder);
  const std::wstring program = folder + L"TobrinPlus.exe";
  if (!CopyFileW(e2e::WindowsPathOfHostPath(TOBRIN_E2E_TOBRINPLUS_HOST_PATH).c_str(),
                 program.c_str(), FALSE) ||
      !CopyFileW(e2e::WindowsPathOfHostPath(TOBRIN_E2E_TOBRIN_HOST_PATH).c_str(),
                 (folder + L"Tobrin.exe").c_str(), FALSE)) {
    std::fprintf(stderr, "cannot copy TobrinPlus.exe or Tobrin.exe\n");
    return 2;
  }
  e2e::WriteBytes(folder + L"TobrinPlus.ini", SettingsFile(e2e::Narrow(folder + L"Tobrin.exe")));

  const std::wstring probe = folder + L"TobrinPlusProbe.exe";
  if (!CopyFileW(e2e::WindowsPathOfHostPath(TOBRIN_E2E_TOBRINPLUS_PROBE_HOST_PATH).c_str(),
                 probe.c_str(), FALSE)) {
    std::fprintf(stderr, "cannot copy the measuring copy of TobrinPlus\n");
    return 2;
  }
  const std::wstring probeFile = folder + L"moments.txt";
  SetEnvironmentVariableW(kProbeVariable, probeFile.c_str());

  const std::wstring standIn = e2e::DriverFolder() + L"e2e_tab_window.exe";
  std::vector<Subject> subjects = {
      {"tab window stand-in", standIn, {}, true, false, {}, {}},
      {"TobrinPlus", program, {}, true, false, {}, {}},
      {"empty program (process only)",
       e2e::DriverFolder() + L"e2e_empty.exe",
       {},
       false,
       false,
       {},
       {}},
      {"TobrinPlus, copy noting moments", probe, {}, true, true, {}, {}},
      {"stand-in making TobrinPlus's windows", standIn, {}, true, false, {}, {}}};
  // The first start of each warms Wine's caches; it is not counted. TobrinPlus's first start
  // also counts its control windows by kind, for the stand-in that makes as many.
  for (Subject& subject : subjects) {
    if (&subject == &subjects[1]) {
      TimeOneStart(subject, probeFile, &subjects[4].arguments);
    } else {
      TimeOneStart(subject, probeFile);
    }
    subject.moments.clear();
  }
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
  const double yardstick = bench::Median(subjects[0].times);
  std::printf(
      "start to a visible, idle main window: median of %d runs each (Wine); middle half in "
      "brackets\n",
      runs);
  for (const Subject& subject : subjects) {
    bench::PrintFigure(subject.name, subject.times, yardstick, "stand-in");
    for (const auto& [moment, times] : subject.moments) {
      bench::PrintFigure("    " + moment, times, yardstick, "stand-in");
    }
  }
  std::printf(
      "TobrinPlus's windows (push buttons and groups, check and radio boxes, labels, edit "
      "fields, lists, editable combo boxes):");
  for (const std::wstring& count : subjects[4].arguments) std::printf(" %ls", count.c_str());
  std::printf("\nTobrinPlus / tab window stand-in: %.2f (goal: at most 2)\n",
              bench::Median(subjects[1].times) / yardstick);
  std::printf("TobrinPlus / stand-in making TobrinPlus's windows: %.2f\n",
              bench::Median(subjects[1].times) / bench::Median(subjects[4].times));
  // On a shared machine the runs fall into a fast and a slow group as other work comes and
  // goes; the fastest quarter shows the programs with the least of it.
  std::printf(
      "at the lower quartile: TobrinPlus / stand-in %.2f, / stand-in making its windows %.2f\n",
      LowerQuartile(subjects[1].times) / LowerQuartile(subjects[0].times),
      LowerQuartile(subjects[1].times) / LowerQuartile(subjects[4].times));
  return 0;
}
#endif
