// Shows each tab of the running settings program in turn for a screenshot taken from outside
// (scripts/settings-screenshots.sh). Runs in the same Wine desktop as the program. For tab i
// it selects the tab, writes "tab-<i>.ready" into the folder given as its argument, holding the
// main window's screen rectangle as "width height left top", and waits for "tab-<i>.done"
// before the next tab. At the end it closes the program's window.
//
//   e2e_settings_screens.exe <handshake folder ending in a backslash>
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <string>

namespace {

constexpr DWORD kPatience = 30000;

HWND WaitForMainWindow() {
  for (DWORD waited = 0; waited < kPatience; waited += 100) {
    HWND window = FindWindowW(nullptr, L"トブリン＋");
    if (window != nullptr && IsWindowVisible(window)) return window;
    Sleep(100);
  }
  return nullptr;
}

HWND tabsFound = nullptr;
BOOL CALLBACK FindTabs(HWND child, LPARAM) {
  wchar_t name[64] = {};
  GetClassNameW(child, name, 64);
  if (lstrcmpiW(name, WC_TABCONTROLW) != 0) return TRUE;
  tabsFound = child;
  return FALSE;
}

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteText(const std::wstring& path, const std::string& text) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr || count < 2) return 2;
  const std::wstring folder = arguments[1];
  HWND window = WaitForMainWindow();
  if (window == nullptr) return 1;
  EnumChildWindows(window, FindTabs, 0);
  HWND tabs = tabsFound;
  if (tabs == nullptr) return 1;
  for (int tab = 0; tab < 5; ++tab) {
    // Moving the focus selects the tab with the notifications a click sends.
    SendMessageW(tabs, TCM_SETCURFOCUS, static_cast<WPARAM>(tab), 0);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(700);
    RECT rect{};
    GetWindowRect(window, &rect);
    WriteText(folder + L"tab-" + std::to_wstring(tab) + L".ready",
              std::to_string(rect.right - rect.left) + " " +
                  std::to_string(rect.bottom - rect.top) + " " + std::to_string(rect.left) + " " +
                  std::to_string(rect.top) + "\n");
    const std::wstring done = folder + L"tab-" + std::to_wstring(tab) + L".done";
    for (DWORD waited = 0; !Exists(done) && waited < kPatience; waited += 100) Sleep(100);
  }
  PostMessageW(window, WM_CLOSE, 0, 0);
  LocalFree(arguments);
  return 0;
}
