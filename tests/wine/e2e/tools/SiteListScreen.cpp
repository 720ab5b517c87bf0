// Opens the site list editor of the running settings program for a screenshot taken from
// outside (scripts/site-list-screenshot.sh). Runs in the same Wine desktop as the program: it
// shows the tab "IE拡張メニュー", presses "参照", writes "editor.ready" into the folder given as
// its argument, holding the editor's screen rectangle as "width height left top", waits for
// "editor.done", and then closes the editor and the program.
//
//   e2e_site_list_screen.exe <handshake folder ending in a backslash>
#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <string>

namespace {

constexpr DWORD kPatience = 30000;

HWND WaitForTopWindow(const wchar_t* caption) {
  for (DWORD waited = 0; waited < kPatience; waited += 100) {
    HWND window = FindWindowW(nullptr, caption);
    if (window != nullptr && IsWindowVisible(window)) return window;
    Sleep(100);
  }
  return nullptr;
}

// The visible child window of the class (and text); pages of other tabs are hidden, and
// they have buttons of the same caption.
struct ChildSearch {
  const wchar_t* className;
  const wchar_t* text;  // null: any
  HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM parameter) {
  auto* search = reinterpret_cast<ChildSearch*>(parameter);
  wchar_t name[64] = {};
  GetClassNameW(child, name, 64);
  if (lstrcmpiW(name, search->className) != 0 || !IsWindowVisible(child)) return TRUE;
  if (search->text != nullptr) {
    wchar_t text[64] = {};
    GetWindowTextW(child, text, 64);
    if (lstrcmpW(text, search->text) != 0) return TRUE;
  }
  search->found = child;
  return FALSE;
}

HWND FindChild(HWND parent, const wchar_t* className, const wchar_t* text) {
  ChildSearch search{className, text, nullptr};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
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
  HWND main = WaitForTopWindow(L"\u30c8\u30d6\u30ea\u30f3\uff0b");  // トブリン＋
  if (main == nullptr) return 1;
  HWND tabs = FindChild(main, WC_TABCONTROLW, nullptr);
  if (tabs == nullptr) return 1;
  SendMessageW(tabs, TCM_SETCURFOCUS, 2, 0);  // "IE拡張メニュー"
  Sleep(500);
  HWND browse = FindChild(main, L"Button", L"\u53c2\u7167");  // 参照
  if (browse == nullptr) return 1;
  PostMessageW(browse, BM_CLICK, 0, 0);
  HWND editor = WaitForTopWindow(L"\u30e1\u30cb\u30e5\u30fc\u30ea\u30b9\u30c8");  // メニューリスト
  if (editor == nullptr) return 1;
  Sleep(1000);
  RECT rect{};
  GetWindowRect(editor, &rect);
  WriteText(folder + L"editor.ready",
            std::to_string(rect.right - rect.left) + " " + std::to_string(rect.bottom - rect.top) +
                " " + std::to_string(rect.left) + " " + std::to_string(rect.top) + "\n");
  const std::wstring done = folder + L"editor.done";
  for (DWORD waited = 0;
       GetFileAttributesW(done.c_str()) == INVALID_FILE_ATTRIBUTES && waited < kPatience;
       waited += 100) {
    Sleep(100);
  }
  PostMessageW(editor, WM_CLOSE, 0, 0);
  Sleep(500);
  PostMessageW(main, WM_CLOSE, 0, 0);
  LocalFree(arguments);
  return 0;
}
