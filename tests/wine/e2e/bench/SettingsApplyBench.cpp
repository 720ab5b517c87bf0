// Time of a whole apply of the settings program ("設定") under Wine: every page, the context-menu
// script and the three registrations, run by the program's own code on the Win32 platform in
// this process, against WritePrivateProfileStringA writing the same keys one by one into a
// fresh file in the same run.
//
// The apply is timed in process, around TfmMAIN::BTN_OKClick, because from outside the figure
// would mostly be the message box: Wine takes longer to create and draw the closing
// "設定しました" box than the apply takes. Message boxes are answered at once by a stand-in
// for the desktop, which checks that the apply ended in "設定しました". Everything else is the
// Win32 platform the program runs on; the program folder is a folder of the benchmark's own.
//
// Figures, each the median over the runs with the middle half of the runs beside it:
//
//   WritePrivateProfileStringA   the yardstick: the apply's keys, one call each, into a file
//                                that does not exist before the first call.
//   whole apply                  BTN_OKClick with every switch on, three viewers, five sites
//                                and five Explorer viewers.
//   apply steps                  the same apply's steps timed one by one, to show where the
//                                time goes.
//
//   e2e_settings_apply_bench.exe [runs]     (default 51 runs)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/Timing.h"
#include "driver/E2eFixture.h"
#include "driver/Files.h"
#include "platform/win32/Win32Platform.h"
#include "settings/ProgramForms.h"

namespace {

// The desktop as the program sees it, except that a message box is answered at once; its text
// is kept.
class AnsweringUi : public platform::Ui {
 public:
  explicit AnsweringUi(platform::Ui& real) : real_(real) {}
  platform::WindowHandle ForegroundWindow() const override { return real_.ForegroundWindow(); }
  platform::WindowHandle DesktopWindow() const override { return real_.DesktopWindow(); }
  platform::Point CursorPos() const override { return real_.CursorPos(); }
  void ShowMessage(platform::WindowHandle, const std::string& text, const std::string&,
                   platform::MessageIcon) override {
    lastMessage = text;
  }
  void ProcessMessages() override { real_.ProcessMessages(); }

  std::string lastMessage;

 private:
  platform::Ui& real_;
};

// The running program as installed in the benchmark's folder.
class InstalledProcess : public platform::Process {
 public:
  explicit InstalledProcess(std::string programPath) : programPath_(std::move(programPath)) {}
  std::string ProgramPath() const override { return programPath_; }
  std::vector<std::string> Arguments() const override { return {}; }

 private:
  std::string programPath_;
};

// Fills every page as a user setting up everything would.
void FillPages(TProgramForms& forms, const std::string& viewer) {
  forms.fmSetUp.BTN_CHKClick();
  for (auto& band : forms.fmIE_View.viewers) {
    band.TB_Edit_E.SetText(viewer);
    band.TB_Edit_O.SetText("-r");
    band.SB_Edit_T.SetText("txt");
  }
  forms.fmIE_View.viewers[1].RB_Edit_E.SetChecked(true);
  int slot = 0;
  for (auto& band : forms.fmIE_Set.sites) {
    band.CB_Ie_S.SetChecked(true);
    band.TB_Ie_U.SetText("https://www.example.co.jp/search?site=" + std::to_string(slot) + "&q=");
    band.SB_Ie_T.SetItemIndex(slot % 2);
    band.SB_Ie_E.SetItemIndex(slot % 3);
    ++slot;
  }
  for (auto& band : forms.fmEXP_View.viewers) {
    band.CB_Edit_F.SetChecked(true);
    band.TB_Edit_E.SetText(viewer);
    band.TB_Edit_O.SetText("/a");
  }
}

// The entries of a settings file as (section, key, value), in file order.
struct Entry {
  std::string section, key, value;
};
std::vector<Entry> EntriesOf(const std::string& file) {
  std::vector<Entry> entries;
  std::string section;
  std::size_t at = 0;
  while (at < file.size()) {
    std::size_t end = file.find("\r\n", at);
    if (end == std::string::npos) end = file.size();
    const std::string line = file.substr(at, end - at);
    at = end + 2;
    if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
    } else if (const std::size_t equals = line.find('='); equals != std::string::npos) {
      entries.push_back({section, line.substr(0, equals), line.substr(equals + 1)});
    }
  }
  return entries;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 51;
  const std::wstring folder = e2e::DriverFolder() + L"bench-apply\\";
  e2e::MakeFolders(folder);
  const std::wstring viewer = folder + L"viewer.exe";
  if (!CopyFileW((e2e::DriverFolder() + L"e2e_empty.exe").c_str(), viewer.c_str(), FALSE)) {
    std::fprintf(stderr, "cannot copy the viewer\n");
    return 2;
  }
  const std::wstring settingsFile = folder + L"TobrinPlus.ini";
  const std::wstring profileFile = folder + L"profile.ini";

  platform::win32::Win32Platform win32;
  platform::Platform& real = win32.Get();
  AnsweringUi ui(real.ui);
  InstalledProcess process(e2e::Narrow(folder + L"TobrinPlus.exe"));
  platform::Platform platform{
      real.files, real.folders, real.codePage,  real.registry,    real.shell,
      ui,         process,      real.popupMenu, real.application, real.fileDialogs};
  real.application.SetTitle("トブリン＋");
  TProgramForms forms(platform);
  forms.fmMAIN.FormShow();
  FillPages(forms, e2e::Narrow(viewer));

  // One apply first: it warms the caches and gives the keys for the yardstick.
  DeleteFileW(settingsFile.c_str());
  forms.fmMAIN.BTN_OKClick();
  if (ui.lastMessage != "設定しました") {
    std::fprintf(stderr, "the apply did not succeed: %s\n", e2e::Printable(ui.lastMessage).c_str());
    return 1;
  }
  const std::vector<Entry> entries = EntriesOf(e2e::ReadBytes(settingsFile).value_or(""));
  const std::string profilePath = e2e::Narrow(profileFile);

  TfmMAIN& main = forms.fmMAIN;
  const std::vector<std::pair<std::string, std::function<void()>>> steps = {
      {"IE viewer page", [&] { forms.fmIE_View.BTN_OKClick(); }},
      {"SetVSE (view-source editor)", [&] { main.SetVSE(); }},
      {"site page and script", [&] { forms.fmIE_Set.BTN_OKClick(); }},
      {"SetMENU (context-menu entry)", [&] { main.SetMENU(); }},
      {"Explorer viewer page", [&] { forms.fmEXP_View.BTN_OKClick(); }},
      {"setup page", [&] { forms.fmSetUp.BTN_OKClick(); }},
      {"SetDLL (shell extension)", [&] { main.SetDLL(); }},
  };
  std::vector<double> yardstick, apply;
  std::vector<std::vector<double>> stepTimes(steps.size());
  for (int run = 0; run < runs; ++run) {
    DeleteFileW(profileFile.c_str());
    LONGLONG start = bench::Now();
    for (const Entry& entry : entries) {
      WritePrivateProfileStringA(entry.section.c_str(), entry.key.c_str(), entry.value.c_str(),
                                 profilePath.c_str());
    }
    yardstick.push_back(bench::Milliseconds(bench::Now() - start));

    DeleteFileW(settingsFile.c_str());
    ui.lastMessage.clear();
    start = bench::Now();
    forms.fmMAIN.BTN_OKClick();
    apply.push_back(bench::Milliseconds(bench::Now() - start));
    if (ui.lastMessage != "設定しました") {
      std::fprintf(stderr, "run %d: the apply did not succeed\n", run);
      return 1;
    }

    DeleteFileW(settingsFile.c_str());
    main.SetOK = true;
    for (std::size_t i = 0; i < steps.size(); ++i) {
      start = bench::Now();
      steps[i].second();
      stepTimes[i].push_back(bench::Milliseconds(bench::Now() - start));
    }
  }
  const bool sameFile = e2e::ReadBytes(profileFile) == e2e::ReadBytes(settingsFile);
  main.SetOK = true;
  forms.fmSetUp.BTN_CLSClick();  // leave the test prefix without the registrations
  main.SetVSE();
  main.SetMENU();
  main.SetDLL();

  const double yardstickMedian = bench::Median(yardstick);
  std::printf(
      "whole apply against WritePrivateProfileStringA, %zu keys: median of %d runs each (Wine)\n",
      entries.size(), runs);
  bench::PrintFigure("WritePrivateProfileStringA", yardstick, yardstickMedian, "yardstick");
  bench::PrintFigure("whole apply (BTN_OKClick)", apply, yardstickMedian, "yardstick");
  for (std::size_t i = 0; i < steps.size(); ++i) {
    bench::PrintFigure("  " + steps[i].first, stepTimes[i], yardstickMedian, "yardstick");
  }
  std::printf("the two settings files are %s\n", sameFile ? "byte for byte the same" : "DIFFERENT");
  std::printf("whole apply / WritePrivateProfileStringA: %.2f (goal: at most 1)\n",
              bench::Median(apply) / yardstickMedian);
  return 0;
}
