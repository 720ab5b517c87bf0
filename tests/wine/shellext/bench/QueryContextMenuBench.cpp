// How long Explorer waits for the component's menu, under Wine: QueryContextMenu (reading the
// whole settings file and building the entries), against one GetPrivateProfileStringA of one
// key of the same file, in the same run and process.
//
// Figures, each the median over the samples, with the middle half of the samples beside it:
//
//   one profile key        GetPrivateProfileStringA of CHK_VIEW from the settings file: the
//                          yardstick, what reading a single setting costs the system's own way.
//   QueryContextMenu       the component's menu for one selected file, built into a menu
//                          that holds two entries of its own; creating and destroying that
//                          menu is not timed (it is Explorer's). The settings have every
//                          switch on, five viewers, the submenu and all separators: the
//                          longest menu.
//   Initialize + menu      the data object handed over and the menu built: everything
//                          Explorer waits for at a right-click.
//
// Samples alternate between the subjects, so that a busy machine slows all alike.
//
//   shellext_bench.exe [samples]     (default 2001)
#include <windows.h>
// shellapi.h and shlobj.h need the types of windows.h first.
#include <shellapi.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "ComponentInstall.h"
#include "FileDropData.h"
#include "driver/Files.h"

namespace {

using Microsoft::WRL::ComPtr;
using shellext_test::ComponentInstall;
using shellext_test::FileDropData;

double Microseconds(LONGLONG ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(ticks) * 1e6 / static_cast<double>(frequency.QuadPart);
}

double Quantile(const std::vector<double>& sorted, double share) {
  const double position = share * static_cast<double>(sorted.size() - 1);
  const std::size_t below = static_cast<std::size_t>(position);
  const std::size_t above = std::min(below + 1, sorted.size() - 1);
  return sorted[below] + (sorted[above] - sorted[below]) * (position - static_cast<double>(below));
}

struct Subject {
  const char* name;
  // Prepares one sample (untimed), then runs the timed part; false when it failed.
  std::function<void()> prepare;
  std::function<bool()> timed;
  std::function<void()> finish;
  std::vector<double> times;
};

bool TimeOnce(Subject& subject) {
  if (subject.prepare) subject.prepare();
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  const bool ok = subject.timed();
  QueryPerformanceCounter(&end);
  if (subject.finish) subject.finish();
  subject.times.push_back(Microseconds(end.QuadPart - start.QuadPart));
  return ok;
}

// "[<slot>]=", the index and equals sign of a slotted key.
std::string SlotIndex(int slot) {
  std::string index = "[";
  return index.append(std::to_string(slot)).append("]=");
}

// Every switch on, five viewers with names, options and extensions: the longest menu.
std::string FullSettings(const std::string& viewer) {
  std::string text =
      "[CHK]\r\nCHK_IE_View=1\r\nCHK_IE_Menu=1\r\nCHK_IE_Sel=1\r\nCHK_IE_Web=1\r\nCHK_SHELL=1\r\n"
      "CHK_SUB=1\r\nCHK_SEP_Menu=1\r\nCHK_SEP_View=1\r\nCHK_VIEW=1\r\nCHK_LIST=1\r\nCHK_PATH=1\r\n"
      "CHK_COMMAND=1\r\nCHK_EXPLORER=1\r\nCHK_IE=0\r\n";
  for (int slot = 0; slot < 5; ++slot) {
    const std::string index = SlotIndex(slot);
    text += "CHK_EXP_View_F" + index + "1\r\nCHK_EXP_View_D" + index + "1\r\n";
  }
  text +=
      "[EDIT]\r\nIE_View_E[0]=C:\\Windows\\notepad.exe\r\nIE_View_O[0]=\r\nIE_View_T[0]=txt\r\n";
  for (int slot = 0; slot < 5; ++slot) {
    const std::string index = SlotIndex(slot);
    text += "IE_Set_U" + index + "http://www.example.co.jp/search?q=\r\nIE_Set_T" + index +
            "1\r\nIE_Set_E" + index + "2\r\nIE_Set_N" + index + "サイト検索\r\n";
  }
  for (int slot = 0; slot < 5; ++slot) {
    const std::string index = SlotIndex(slot);
    text += "EXP_View_E" + index + viewer + "\r\nEXP_View_O" + index + "-r\r\nEXP_View_T" + index +
            "\r\nEXP_View_N" + index + "ビューア" + std::to_string(slot + 1) + "\r\n";
  }
  return text + "[FORM]\r\nForm.X=120\r\nForm.Y=80\r\n";
}

}  // namespace

int main(int argc, char** argv) {
  const int samples = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2001;
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
  const std::wstring folder = e2e::DriverFolder() + L"bench-install\\";
  const ComponentInstall install(TOBRIN_SHELLEXT_DLL_HOST_PATH, folder);
  if (!install.Ready()) {
    std::fprintf(stderr, "%s\n", install.Error().c_str());
    return 2;
  }
  const std::wstring item = folder + L"メモ.txt";
  e2e::WriteBytes(item, "memo");
  e2e::WriteBytes(install.SettingsPath(), FullSettings(e2e::Narrow(folder) + "viewer.exe"));
  const std::string settingsAnsi = e2e::Narrow(install.SettingsPath());

  CLSID classId{};
  CLSIDFromString(shellext_test::kClassIdText, &classId);
  ComPtr<IShellExtInit> init;
  if (FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&init)))) {
    std::fprintf(stderr, "the component cannot be created\n");
    return 2;
  }
  ComPtr<IContextMenu> menu;
  init.As(&menu);
  ComPtr<IDataObject> data;
  data.Attach(new FileDropData({item}));
  init->Initialize(nullptr, data.Get(), nullptr);

  HMENU target = nullptr;
  const auto newMenu = [&] {
    target = CreatePopupMenu();
    AppendMenuW(target, MF_STRING, 1, L"開く");
    AppendMenuW(target, MF_STRING, 2, L"プロパティ");
  };
  const auto dropMenu = [&] { DestroyMenu(target); };
  const auto buildMenu = [&] {
    const HRESULT result = menu->QueryContextMenu(target, 1, 100, 0x7FFF, CMF_NORMAL);
    return SUCCEEDED(result) && HRESULT_CODE(result) == 9;
  };
  std::vector<Subject> subjects = {
      {"one profile key",
       nullptr,
       [&] {
         char value[2048];
         return GetPrivateProfileStringA("CHK", "CHK_VIEW", "", value, sizeof value,
                                         settingsAnsi.c_str()) == 1;
       },
       nullptr,
       {}},
      {"QueryContextMenu", newMenu, buildMenu, dropMenu, {}},
      {"Initialize + menu",
       newMenu,
       [&] { return SUCCEEDED(init->Initialize(nullptr, data.Get(), nullptr)) && buildMenu(); },
       dropMenu,
       {}},
  };
  // The first rounds warm Wine's caches and the component's code; they are not counted.
  for (int i = 0; i < 20; ++i) {
    for (Subject& subject : subjects) {
      if (!TimeOnce(subject)) {
        std::fprintf(stderr, "%s failed\n", subject.name);
        return 1;
      }
      subject.times.clear();
    }
  }
  for (int i = 0; i < samples; ++i) {
    for (Subject& subject : subjects) TimeOnce(subject);
  }
  for (Subject& subject : subjects) std::sort(subject.times.begin(), subject.times.end());
  const double yardstick = Quantile(subjects[0].times, 0.5);
  std::printf("median of %d samples each (Wine, in-process); middle half in brackets\n", samples);
  for (const Subject& subject : subjects) {
    const double median = Quantile(subject.times, 0.5);
    std::printf("  %-20s %8.1f us  [%7.1f .. %7.1f]  %5.2f x one profile key\n", subject.name,
                median, Quantile(subject.times, 0.25), Quantile(subject.times, 0.75),
                median / yardstick);
  }
  std::printf("QueryContextMenu / one GetPrivateProfileStringA: %.2f (goal: at most 3)\n",
              Quantile(subjects[1].times, 0.5) / yardstick);
  return 0;
}
