// The installer under Wine: a silent install puts the programs, the site list, the Start-menu
// entry and the uninstall entry in place and registers nothing with the browser or the shell.
// After the installed settings program's "設定" has made its registrations, a silent
// uninstall takes away every file and registry entry of ours, and leaves the entries that name
// another program and the files that the user put into the folder.
#include <windows.h>

#include <gtest/gtest.h>
#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

#include "driver/ChildProcess.h"
#include "driver/Desktop.h"
#include "driver/Files.h"

namespace {

using e2e::Narrow;
using e2e::Widen;

constexpr const wchar_t* kClsid = L"{3C9B1E70-5A2D-4E86-9F41-B7D2C6A8E015}";
constexpr const wchar_t* kOtherClsid = L"{00000000-1111-2222-3333-444444444444}";
constexpr const wchar_t* kUninstallKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TobrinPlus";
constexpr const wchar_t* kViewSourceKey =
    L"SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor";
constexpr const wchar_t* kEditorNameKey =
    L"SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor\\Editor Name";
const wchar_t* const kHandlerKeys[] = {L"*\\shellex\\ContextMenuHandlers\\TobrinPlus",
                                       L"Directory\\shellex\\ContextMenuHandlers\\TobrinPlus",
                                       L"Folder\\shellex\\ContextMenuHandlers\\TobrinPlus"};

std::wstring MenuExtKey() {
  return L"Software\\Microsoft\\Internet Explorer\\MenuExt\\" + Widen("トブリン＋(&S)");
}
std::wstring ClassKey() { return std::wstring(L"CLSID\\") + kClsid; }
std::wstring ServerKey() { return ClassKey() + L"\\InProcServer32"; }

// A folder with a blank and Japanese characters in its name, apart from the folder that
// "make run" installs into.
std::wstring InstallFolder() { return Widen("C:\\Program Files\\トブリン＋ 試験"); }
std::wstring InFolder(const wchar_t* name) { return InstallFolder() + L"\\" + name; }

std::optional<std::wstring> ReadText(HKEY root, const std::wstring& key, const wchar_t* name) {
  wchar_t buffer[4096];
  DWORD size = sizeof buffer;
  if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ | RRF_SUBKEY_WOW6464KEY, nullptr, buffer,
                   &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(buffer);
}

std::optional<DWORD> ReadNumber(HKEY root, const std::wstring& key, const wchar_t* name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_DWORD | RRF_SUBKEY_WOW6464KEY, nullptr,
                   &value, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return value;
}

bool KeyExists(HKEY root, const std::wstring& key) {
  HKEY opened = nullptr;
  if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &opened) != ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(opened);
  return true;
}

void WriteText(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  HKEY opened = nullptr;
  ASSERT_EQ(RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE | KEY_WOW64_64KEY, nullptr,
                            &opened, nullptr),
            ERROR_SUCCESS)
      << Narrow(key);
  const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  EXPECT_EQ(
      RegSetValueExW(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes),
      ERROR_SUCCESS);
  RegCloseKey(opened);
}

void WriteNumber(HKEY root, const std::wstring& key, const wchar_t* name, DWORD value) {
  HKEY opened = nullptr;
  ASSERT_EQ(RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE | KEY_WOW64_64KEY, nullptr,
                            &opened, nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(opened, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(opened);
}

void DeleteTree(HKEY root, const std::wstring& key) {
  RegDeleteTreeW(root, key.c_str());
  RegDeleteKeyExW(root, key.c_str(), KEY_WOW64_64KEY, 0);
}

// Every entry that the registrations or another program may have left from an earlier run.
void RemoveRegistrations() {
  DeleteTree(HKEY_LOCAL_MACHINE, kViewSourceKey);
  DeleteTree(HKEY_CURRENT_USER, MenuExtKey());
  for (const wchar_t* key : kHandlerKeys) DeleteTree(HKEY_CLASSES_ROOT, key);
  DeleteTree(HKEY_CLASSES_ROOT, ClassKey());
}

// The settings program's "設定" with every registration switched on, run for real: it writes
// the view-source editor, the browser's context-menu entry and the Explorer component into
// the registry, and the settings file and the context-menu script beside itself.
void ApplyWithTheSettingsProgram() {
  e2e::WriteBytes(InFolder(L"TobrinPlus.ini"),
                  "[CHK]\r\nCHK_IE=0\r\nCHK_IE_View=1\r\nCHK_IE_Menu=1\r\nCHK_SHELL=1\r\n"
                  "CHK_IE_Set_S[0]=1\r\n[EDIT]\r\nIE_View_E[0]=C:\\windows\\notepad.exe\r\n"
                  "IE_Set_U[0]=https://www.google.com/search?q=\r\nIE_Set_T[0]=0\r\n");
  e2e::ChildProcess program(InFolder(L"TobrinPlus.exe"), std::vector<std::wstring>{});
  ASSERT_TRUE(program.Started());
  HWND main = e2e::WaitForWindowOfProcess(program.Id(), L"TobrinForm", 30000);
  ASSERT_NE(main, nullptr);
  HWND apply = FindWindowExW(main, nullptr, L"Button", Widen("設定").c_str());
  ASSERT_NE(apply, nullptr);
  PostMessageW(apply, BM_CLICK, 0, 0);
  HWND box = e2e::WaitForWindowOfProcess(program.Id(), L"#32770", 30000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(e2e::ReadMessageBox(box).text, "設定しました");
  e2e::PressOk(box);
  for (int i = 0; i < 100 && IsWindowVisible(box); ++i) e2e::PumpMessagesFor(50);
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program.WaitForExit(30000));
}

// The same keys, each naming another program.
void RegisterAnotherProgram() {
  WriteText(HKEY_LOCAL_MACHINE, kEditorNameKey, L"", L"\"C:\\Other\\editor.exe\"");
  WriteText(HKEY_CURRENT_USER, MenuExtKey(), L"", L"C:\\Other\\menu.html");
  for (const wchar_t* key : kHandlerKeys) WriteText(HKEY_CLASSES_ROOT, key, L"", kOtherClsid);
  WriteText(HKEY_CLASSES_ROOT, ServerKey(), L"", L"C:\\Other\\other.dll");
}

std::wstring StartMenuEntry() {
  wchar_t folder[MAX_PATH];
  EXPECT_EQ(SHGetFolderPathW(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, 0, folder), S_OK);
  return std::wstring(folder) + L"\\" + Widen("トブリン＋") + L".lnk";
}

// The names of the files in the folder, for a failure's message.
std::string FilesIn(const std::wstring& folder) {
  std::string names;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    names += Narrow(found.cFileName) + " ";
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

bool FolderExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Runs the program with the arguments to its end. Only the program itself is waited for:
// Wine may start its desktop process on the way, which lives on.
void RunToTheEnd(const std::wstring& program, const std::wstring& arguments) {
  e2e::ChildProcess process(program, arguments);
  ASSERT_TRUE(process.Started()) << Narrow(program);
  ASSERT_TRUE(process.WaitForExit(180000)) << Narrow(program) << " did not end";
  EXPECT_EQ(process.ExitCode(), 0u);
}

void Install() {
  // /D names the folder; it must come last and stand without quotes.
  RunToTheEnd(e2e::WindowsPathOfHostPath(TOBRIN_INSTALLER_HOST_PATH), L"/S /D=" + InstallFolder());
}

// The uninstaller hands over to a copy of itself in the temporary folder, which removes the
// uninstaller and, last of all, the uninstall entry: that is waited for while the copy's job
// is still open (closing it would end the copy).
void Uninstall() {
  const std::optional<std::wstring> quiet =
      ReadText(HKEY_LOCAL_MACHINE, kUninstallKey, L"QuietUninstallString");
  ASSERT_TRUE(quiet);
  const std::wstring program = InFolder(L"Uninstall.exe");
  ASSERT_EQ(*quiet, L"\"" + program + L"\" /S");
  e2e::ChildProcess uninstaller(program, L"/S");
  ASSERT_TRUE(uninstaller.Started());
  ASSERT_TRUE(uninstaller.WaitForExit(180000)) << "the uninstaller did not end";
  for (int waited = 0; waited < 180000 && KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey);
       waited += 100) {
    e2e::PumpMessagesFor(100);
  }
  e2e::PumpMessagesFor(500);
  ASSERT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey)) << "the uninstaller did not finish";
}

class InstallerTest : public ::testing::Test {
 protected:
  void SetUp() override { RemoveRegistrations(); }
  void TearDown() override { RemoveRegistrations(); }
};

TEST_F(InstallerTest, InstallsWithoutRegisteringAndUninstallsEverythingOfOurs) {
  ASSERT_NO_FATAL_FAILURE(Install());

  for (const wchar_t* name : {L"Tobrin.exe", L"TobrinPlus.exe", L"Uninstall.exe"}) {
    EXPECT_TRUE(e2e::FileExists(InFolder(name))) << Narrow(name);
  }
  EXPECT_EQ(e2e::ReadBytes(InFolder(L"MenuList.csv")),
            e2e::ReadBytes(e2e::WindowsPathOfHostPath(TOBRIN_MENU_LIST_HOST_PATH)));
#ifdef TOBRIN_INSTALLER_HAS_SHELLEX
  EXPECT_TRUE(e2e::FileExists(InFolder(L"TobrinShellEX.dll")));
#else
  EXPECT_FALSE(e2e::FileExists(InFolder(L"TobrinShellEX.dll")));
#endif
  EXPECT_TRUE(e2e::FileExists(StartMenuEntry()));

  EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kUninstallKey, L"DisplayName"), Widen("トブリン＋"));
  EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kUninstallKey, L"DisplayVersion"), L"1.0.0");
  EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kUninstallKey, L"Publisher"), L"Tobrin+ project");
  EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kUninstallKey, L"DisplayIcon"),
            InFolder(L"TobrinPlus.exe") + L",0");
  EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kUninstallKey, L"UninstallString"),
            L"\"" + InFolder(L"Uninstall.exe") + L"\"");
  const std::optional<DWORD> size = ReadNumber(HKEY_LOCAL_MACHINE, kUninstallKey, L"EstimatedSize");
  ASSERT_TRUE(size);
  EXPECT_GT(*size, 0u);

  // Registering is the settings program's business.
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kViewSourceKey));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, MenuExtKey()));
  for (const wchar_t* key : kHandlerKeys) EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, key));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ClassKey()));

  ASSERT_NO_FATAL_FAILURE(ApplyWithTheSettingsProgram());
  EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kEditorNameKey, L""),
            L"\"" + InFolder(L"Tobrin.exe") + L"\"");
  EXPECT_EQ(ReadText(HKEY_CURRENT_USER, MenuExtKey(), L""), InFolder(L"Tobrin_Menu.html"));
  for (const wchar_t* key : kHandlerKeys) EXPECT_EQ(ReadText(HKEY_CLASSES_ROOT, key, L""), kClsid);
  EXPECT_EQ(ReadText(HKEY_CLASSES_ROOT, ServerKey(), L""), InFolder(L"TobrinShellEX.dll"));
  EXPECT_TRUE(e2e::FileExists(InFolder(L"Tobrin_Menu.html")));
  ASSERT_NO_FATAL_FAILURE(Uninstall());

  EXPECT_FALSE(FolderExists(InstallFolder()))
      << "every file of ours is gone, and the folder; left: " << FilesIn(InstallFolder());
  EXPECT_FALSE(e2e::FileExists(StartMenuEntry()));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kViewSourceKey));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, MenuExtKey()));
  for (const wchar_t* key : kHandlerKeys) EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, key));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, ClassKey()));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
}

TEST_F(InstallerTest, UninstallLeavesWhatNamesAnotherProgramAndTheUsersFiles) {
  ASSERT_NO_FATAL_FAILURE(Install());
  ASSERT_NO_FATAL_FAILURE(RegisterAnotherProgram());
  ASSERT_NO_FATAL_FAILURE(e2e::WriteBytes(InFolder(L"mine.csv"), "1,a,b,通常,なし\r\n"));
  ASSERT_NO_FATAL_FAILURE(Uninstall());

  EXPECT_EQ(ReadText(HKEY_LOCAL_MACHINE, kEditorNameKey, L""), L"\"C:\\Other\\editor.exe\"");
  EXPECT_EQ(ReadText(HKEY_CURRENT_USER, MenuExtKey(), L""), L"C:\\Other\\menu.html");
  for (const wchar_t* key : kHandlerKeys) {
    EXPECT_EQ(ReadText(HKEY_CLASSES_ROOT, key, L""), kOtherClsid) << Narrow(key);
  }
  EXPECT_EQ(ReadText(HKEY_CLASSES_ROOT, ServerKey(), L""), L"C:\\Other\\other.dll");

  EXPECT_TRUE(e2e::FileExists(InFolder(L"mine.csv")));
  for (const wchar_t* name :
       {L"Tobrin.exe", L"TobrinPlus.exe", L"MenuList.csv", L"Uninstall.exe"}) {
    EXPECT_FALSE(e2e::FileExists(InFolder(name))) << Narrow(name);
  }
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
  e2e::RemoveFile(InFolder(L"mine.csv"));
  RemoveDirectoryW(InstallFolder().c_str());
}

}  // namespace
