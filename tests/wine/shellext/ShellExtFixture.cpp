#include "ShellExtFixture.h"

#include <atomic>
#include <cstring>
#include <memory>
#include <thread>

#include "ComponentInstall.h"
#include "FileDropData.h"
#include "ImportHook.h"
#include "driver/Files.h"

namespace shellext_test {

namespace {

constexpr wchar_t kViewerRecordVariable[] = L"TOBRIN_E2E_VIEWER_RECORD";
constexpr DWORD kRecordWait = 20000;
const std::string kItemContent = "item \x95\x5c\r\n";

struct SuiteState {
  std::unique_ptr<e2e::DriverWindow> owner;
  std::unique_ptr<ComponentInstall> install;
  bool apartment = false;
};

SuiteState& Suite() {
  static SuiteState state;
  return state;
}

std::vector<ShellStart>& StartLog() {
  static std::vector<ShellStart> log;
  return log;
}

using ShellExecuteExFunction = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
ShellExecuteExFunction realShellExecuteEx = nullptr;

std::wstring TextOrEmpty(const wchar_t* text) { return text != nullptr ? text : L""; }

// Records the request; lets it through to the shell unless it starts the system's command
// prompt or Explorer, whose windows would outlive the test.
BOOL WINAPI RecordingShellExecuteEx(SHELLEXECUTEINFOW* info) {
  const ShellStart start{TextOrEmpty(info->lpVerb),
                         TextOrEmpty(info->lpFile),
                         TextOrEmpty(info->lpParameters),
                         TextOrEmpty(info->lpDirectory),
                         info->nShow,
                         info->fMask,
                         info->hwnd};
  StartLog().push_back(start);
  if (lstrcmpiW(start.file.c_str(), ShellExtTest::SystemCommandPrompt().c_str()) == 0 ||
      lstrcmpiW(start.file.c_str(), ShellExtTest::SystemExplorer().c_str()) == 0) {
    info->hInstApp = reinterpret_cast<HINSTANCE>(42);
    return TRUE;
  }
  return realShellExecuteEx(info);
}

std::wstring RecordPath() { return e2e::DriverFolder() + L"records\\shellext-viewer.bin"; }

std::wstring SystemFolderFile(UINT(WINAPI* folder)(LPWSTR, UINT), const wchar_t* name) {
  wchar_t buffer[MAX_PATH + 1] = {};
  const UINT length = folder(buffer, MAX_PATH + 1);
  return std::wstring(buffer, length) + L"\\" + name;
}

// Creates the file (any length of path) holding the item bytes.
void MakeItemFile(const std::wstring& path) {
  HANDLE file = CreateFileW((L"\\\\?\\" + path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << Printable(path);
  DWORD written = 0;
  WriteFile(file, kItemContent.data(), static_cast<DWORD>(kItemContent.size()), &written, nullptr);
  CloseHandle(file);
}

std::wstring MenuText(HMENU menu, UINT position) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  GetMenuItemInfoW(menu, position, TRUE, &info);
  std::wstring text(info.cch + 1, L'\0');
  info.dwTypeData = text.data();
  info.cch = static_cast<UINT>(text.size());
  GetMenuItemInfoW(menu, position, TRUE, &info);
  text.resize(info.cch);
  return text;
}

std::wstring RenderMenu(HMENU menu, std::vector<UINT>& ids) {
  std::wstring lines;
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
    GetMenuItemInfoW(menu, position, TRUE, &info);
    if (!lines.empty()) lines += L'|';
    if ((info.fType & MFT_SEPARATOR) != 0) {
      lines += L'-';
    } else if (info.hSubMenu != nullptr) {
      lines += MenuText(menu, position) + L'[' + RenderMenu(info.hSubMenu, ids) + L']';
    } else {
      lines += MenuText(menu, position);
      if (info.wID >= kFirstId) ids.push_back(info.wID);
    }
  }
  return lines;
}

}  // namespace

std::string Printable(const std::wstring& text) { return e2e::Narrow(text); }

void ShellExtTest::SetUpTestSuite() {
  SuiteState& suite = Suite();
  suite.apartment = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
  suite.owner = std::make_unique<e2e::DriverWindow>();
  suite.install =
      std::make_unique<ComponentInstall>(TOBRIN_SHELLEXT_DLL_HOST_PATH, InstallFolder());
  ASSERT_TRUE(suite.install->Ready()) << suite.install->Error();

  e2e::MakeFolders(e2e::DriverFolder() + L"records");
  SetEnvironmentVariableW(kViewerRecordVariable, RecordPath().c_str());
  e2e::MakeFolders(e2e::Widen(ViewerPath()).substr(0, e2e::Widen(ViewerPath()).rfind(L'\\')));
  e2e::CopyFileOrFail(e2e::WindowsPathOfHostPath(TOBRIN_VIEWER_HOST_PATH),
                      e2e::Widen(ViewerPath()));

  e2e::MakeFolders(Folder());
  CreateDirectoryW((L"\\\\?\\" + LongFile().substr(0, LongFile().rfind(L'\\'))).c_str(), nullptr);
  for (const std::wstring& file : {MemoFile(), PageFile(), ForeignFile(), LongFile()}) {
    MakeItemFile(file);
  }

  // Loads the DLL, then puts the recorder in place of its shell starts.
  ComPtr<IUnknown> first;
  ASSERT_HRESULT_SUCCEEDED(CoCreateInstance(*RegisteredHandler(L"*"), nullptr, CLSCTX_INPROC_SERVER,
                                            IID_PPV_ARGS(&first)));
  HMODULE dll = GetModuleHandleW(L"TobrinShellEX.dll");
  ASSERT_NE(dll, nullptr);
  realShellExecuteEx = reinterpret_cast<ShellExecuteExFunction>(ReplaceImport(
      dll, "shell32.dll", "ShellExecuteExW", reinterpret_cast<void*>(&RecordingShellExecuteEx)));
  ASSERT_NE(realShellExecuteEx, nullptr) << "TobrinShellEX.dll imports no ShellExecuteExW";
}

void ShellExtTest::TearDownTestSuite() {
  SuiteState& suite = Suite();
  suite.install.reset();
  suite.owner.reset();
  if (suite.apartment) CoUninitialize();
}

void ShellExtTest::SetUp() {
  StartLog().clear();
  e2e::RemoveFile(RecordPath());
  RemoveSettings();
}

std::wstring ShellExtTest::InstallFolder() {
  // "ü" has no code page 932 form: the settings beside the DLL must still be found.
  return e2e::DriverFolder() + L"install-\x00FC\\";
}

std::wstring ShellExtTest::ItemsFolder() { return e2e::DriverFolder() + L"items\\"; }

std::string ShellExtTest::ViewerPath() {
  return e2e::Narrow(e2e::DriverFolder()) + "viewers\\表示ビューア.exe";
}

std::wstring ShellExtTest::Folder() { return ItemsFolder() + L"データ"; }
std::wstring ShellExtTest::MemoFile() { return Folder() + L"\\メモ.txt"; }
std::wstring ShellExtTest::PageFile() { return Folder() + L"\\ソース表.htm"; }
std::wstring ShellExtTest::ForeignFile() { return Folder() + L"\\caf\x00E9-\xD83D\xDE00.txt"; }
std::wstring ShellExtTest::LongFile() {
  return ItemsFolder() + std::wstring(200, L'a') + L"\\" + std::wstring(120, L'b') + L".txt";
}
const std::string& ShellExtTest::ItemContent() { return kItemContent; }

void ShellExtTest::WriteSettings(const std::string& bytes) {
  e2e::WriteBytes(Suite().install->SettingsPath(), bytes);
}

void ShellExtTest::RemoveSettings() { e2e::RemoveFile(Suite().install->SettingsPath()); }

ComPtr<IContextMenu> ShellExtTest::CreateHandler(const std::vector<std::wstring>& items) {
  ComPtr<IShellExtInit> init;
  EXPECT_HRESULT_SUCCEEDED(CoCreateInstance(*RegisteredHandler(L"*"), nullptr, CLSCTX_INPROC_SERVER,
                                            IID_PPV_ARGS(&init)));
  if (!init) return nullptr;
  ComPtr<IDataObject> data;
  data.Attach(new FileDropData(items));
  EXPECT_HRESULT_SUCCEEDED(init->Initialize(nullptr, data.Get(), nullptr));
  ComPtr<IContextMenu> menu;
  EXPECT_HRESULT_SUCCEEDED(init.As(&menu));
  return menu;
}

BuiltMenu ShellExtTest::BuildMenu(const ComPtr<IContextMenu>& handler, UINT flags, UINT lastId) {
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"開く");
  AppendMenuW(menu, MF_STRING, 2, L"プロパティ");
  BuiltMenu built;
  built.result = handler->QueryContextMenu(menu, 1, kFirstId, lastId, flags);
  built.lines = RenderMenu(menu, built.ids);
  DestroyMenu(menu);
  return built;
}

HRESULT ShellExtTest::InvokeOffset(const ComPtr<IContextMenu>& handler, UINT offset, DWORD mask) {
  CMINVOKECOMMANDINFO info{};
  info.cbSize = sizeof info;
  info.fMask = mask;
  info.hwnd = Owner();
  info.lpVerb = MAKEINTRESOURCEA(offset);
  info.nShow = SW_SHOWNORMAL;
  return handler->InvokeCommand(&info);
}

HRESULT ShellExtTest::InvokeAnsiVerb(const ComPtr<IContextMenu>& handler, const char* verb) {
  CMINVOKECOMMANDINFO info{};
  info.cbSize = sizeof info;
  info.hwnd = Owner();
  info.lpVerb = verb;
  info.nShow = SW_SHOWNORMAL;
  return handler->InvokeCommand(&info);
}

HRESULT ShellExtTest::InvokeWideVerb(const ComPtr<IContextMenu>& handler, const wchar_t* verb) {
  CMINVOKECOMMANDINFOEX info{};
  info.cbSize = sizeof info;
  info.fMask = CMIC_MASK_UNICODE;
  info.hwnd = Owner();
  info.lpVerb = "NoSuchVerb";  // the Unicode verb is the one that counts
  info.lpVerbW = verb;
  info.nShow = SW_SHOWNORMAL;
  return handler->InvokeCommand(reinterpret_cast<CMINVOKECOMMANDINFO*>(&info));
}

std::vector<e2e::MessageBoxSeen> ShellExtTest::AnsweringMessageBoxes(
    const std::function<void()>& call) {
  std::vector<e2e::MessageBoxSeen> seen;
  std::atomic<bool> done{false};
  std::thread answerer([&] {
    while (!done) {
      HWND box = e2e::WaitForWindowOfProcess(GetCurrentProcessId(), L"#32770", 100);
      if (box == nullptr) continue;
      seen.push_back(e2e::ReadMessageBox(box));
      e2e::PressOk(box);
      while (IsWindow(box) && !done) Sleep(10);
    }
  });
  call();
  done = true;
  answerer.join();
  return seen;
}

std::vector<ShellStart> ShellExtTest::Starts() { return StartLog(); }

std::vector<e2e::Record> ShellExtTest::ViewerRecords(std::size_t count) {
  const ULONGLONG end = GetTickCount64() + kRecordWait;
  for (;;) {
    const auto bytes = e2e::ReadBytes(RecordPath());
    std::vector<e2e::Record> records =
        bytes ? e2e::ParseRecords(*bytes) : std::vector<e2e::Record>{};
    if (records.size() >= count || GetTickCount64() >= end) return records;
    Sleep(50);
  }
}

std::optional<std::wstring> ShellExtTest::ClipboardText() {
  if (!OpenClipboard(Owner())) return std::nullopt;
  std::optional<std::wstring> text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data)); chars != nullptr) {
      text = std::wstring(chars);
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void ShellExtTest::PutOnClipboard(const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(Owner()));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
}

HWND ShellExtTest::Owner() { return Suite().owner->Handle(); }

std::wstring ShellExtTest::SystemCommandPrompt() {
  return SystemFolderFile(&GetSystemDirectoryW, L"cmd.exe");
}

std::wstring ShellExtTest::SystemExplorer() {
  return SystemFolderFile(&GetWindowsDirectoryW, L"explorer.exe");
}

}  // namespace shellext_test
