#include "driver/E2eFixture.h"

#include <windows.h>

#include <cstdio>

namespace e2e {

namespace {

constexpr const wchar_t* kViewerRecordVariable = L"TOBRIN_E2E_VIEWER_RECORD";
constexpr const wchar_t* kAddressRecordVariable = L"TOBRIN_E2E_URL_RECORD";

std::wstring RecordFolder() { return DriverFolder() + L"records\\"; }
std::wstring ViewerRecordPath() { return RecordFolder() + L"viewer.bin"; }
std::wstring AddressRecordPath() { return RecordFolder() + L"addresses.bin"; }

std::unique_ptr<DriverWindow>& DriverWindowInstance() {
  static std::unique_ptr<DriverWindow> window;
  return window;
}

std::unique_ptr<ScopedUrlScheme>& SiteScheme() {
  static std::unique_ptr<ScopedUrlScheme> scheme;
  return scheme;
}

std::vector<Record> RecordsIn(const std::wstring& path) {
  const std::optional<std::string> bytes = ReadBytes(path);
  return bytes ? ParseRecords(*bytes) : std::vector<Record>{};
}

// A fault in the driver or in a program it started would otherwise start Wine's debugger,
// which waits for a person and keeps the test run from ending.
LONG WINAPI EndOnFault(EXCEPTION_POINTERS* fault) {
  std::fprintf(stderr, "fault 0x%08lx at %p\n", fault->ExceptionRecord->ExceptionCode,
               fault->ExceptionRecord->ExceptionAddress);
  std::fflush(stderr);
  TerminateProcess(GetCurrentProcess(), 3);
  return EXCEPTION_EXECUTE_HANDLER;
}

const bool kFaultHandlerInstalled = [] {
  SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
  SetUnhandledExceptionFilter(EndOnFault);
  return true;
}();

}  // namespace

std::string Printable(const std::string& bytes) {
  const std::wstring wide = Widen(bytes);
  std::string text;
  for (wchar_t c : wide) {
    if (c == L'\r') {
      text += "\\r";
    } else if (c == L'\n') {
      text += "\\n";
    } else {
      char utf8[8] = {};
      const int length = WideCharToMultiByte(CP_UTF8, 0, &c, 1, utf8, sizeof utf8, nullptr, nullptr);
      text.append(utf8, static_cast<std::size_t>(length));
    }
  }
  return text;
}

void TobrinE2e::SetUpTestSuite() {
#ifdef TOBRIN_E2E_TOBRIN_HOST_PATH
  MakeFolders(InstallFolder());
  MakeFolders(RecordFolder());
  CopyFileOrFail(WindowsPathOfHostPath(TOBRIN_E2E_TOBRIN_HOST_PATH), TobrinPath());
  SetEnvironmentVariableW(kViewerRecordVariable, ViewerRecordPath().c_str());
  SetEnvironmentVariableW(kAddressRecordVariable, AddressRecordPath().c_str());
  const std::wstring scheme = Widen(kSiteScheme);
  SiteScheme() = std::make_unique<ScopedUrlScheme>(scheme.substr(0, scheme.size() - 1),
                                                   DriverFolder() + L"e2e_url_recorder.exe");
  if (!DriverWindowInstance()) DriverWindowInstance() = std::make_unique<DriverWindow>();
#endif
}

void TobrinE2e::TearDownTestSuite() { SiteScheme().reset(); }

void TobrinE2e::SetUp() {
#ifndef TOBRIN_E2E_TOBRIN_HOST_PATH
  GTEST_SKIP() << "Tobrin.exe is not part of this build";
#endif
  ClearRecords();
  RemoveFile(HandOffPath());
  WriteSettings(DefaultSettings());
}

DriverWindow& TobrinE2e::Driver() { return *DriverWindowInstance(); }

std::wstring TobrinE2e::InstallFolder() { return DriverFolder() + L"install\\"; }
std::wstring TobrinE2e::TobrinPath() { return InstallFolder() + L"Tobrin.exe"; }
std::string TobrinE2e::ViewerPath() { return Narrow(DriverFolder() + L"e2e_viewer.exe"); }
std::wstring TobrinE2e::HandOffPath() { return TemporaryFolder() + L"Tobrin_Menu.tmp"; }

LauncherSettings TobrinE2e::DefaultSettings() {
  LauncherSettings settings;
  settings.viewers[0].executable = ViewerPath();
  return settings;
}

void TobrinE2e::WriteSettings(const LauncherSettings& settings) { WriteSettingsText(settings.ToIniText()); }
void TobrinE2e::WriteSettingsText(const std::string& bytes) { WriteBytes(InstallFolder() + L"TobrinPlus.ini", bytes); }
void TobrinE2e::RemoveSettings() { RemoveFile(InstallFolder() + L"TobrinPlus.ini"); }
void TobrinE2e::WriteHandOff(const std::string& bytes) { WriteBytes(HandOffPath(), bytes); }

std::unique_ptr<ChildProcess> TobrinE2e::StartTobrin(const std::vector<std::wstring>& arguments) {
  Driver().Activate();
  auto tobrin = std::make_unique<ChildProcess>(TobrinPath(), arguments);
  EXPECT_TRUE(tobrin->Started()) << "Tobrin.exe did not start";
  return tobrin;
}

MessageBoxSeen TobrinE2e::AnswerMessageBox(ChildProcess& tobrin) {
  HWND box = WaitForWindowOfProcess(tobrin.Id(), L"#32770", kWindowWait);
  if (box == nullptr) {
    ADD_FAILURE() << "Tobrin showed no message box";
    return {};
  }
  MessageBoxSeen seen = ReadMessageBox(box);
  PressOk(box);
  return seen;
}

HWND TobrinE2e::WaitForMenu(ChildProcess& tobrin) {
  HWND menu = WaitForWindowOfProcess(tobrin.Id(), L"#32768", kWindowWait);
  EXPECT_NE(menu, nullptr) << "Tobrin showed no popup menu";
  return menu;
}

void TobrinE2e::ExpectCleanExit(ChildProcess& tobrin) {
  if (!tobrin.WaitForExit(kExitWait)) {
    HWND box = WaitForWindowOfProcess(tobrin.Id(), L"#32770", 0);
    const std::string shown = box != nullptr ? Printable(ReadMessageBox(box).text) : "no message box";
    ADD_FAILURE() << "Tobrin did not end in time (" << shown << ")";
    tobrin.Kill();
    return;
  }
  EXPECT_EQ(tobrin.ExitCode(), 0u);
  EXPECT_TRUE(tobrin.WaitForJobToEmpty(kExitWait)) << "a program started by Tobrin did not end";
}

std::vector<std::string> TobrinE2e::FinishWhateverTheShellDoes(ChildProcess& tobrin) {
  std::vector<std::string> texts;
  const ULONGLONG end = GetTickCount64() + kExitWait;
  while (!tobrin.WaitForExit(100) && GetTickCount64() < end) {
    HWND box = WaitForWindowOfProcess(tobrin.Id(), L"#32770", 0);
    if (box == nullptr) continue;
    texts.push_back(ReadMessageBox(box).text);
    PressOk(box);
    PumpMessagesFor(200);
  }
  EXPECT_TRUE(tobrin.HasEnded()) << "Tobrin did not end in time";
  if (tobrin.HasEnded()) {
    EXPECT_EQ(tobrin.ExitCode(), 0u);
  }
  tobrin.Kill();
  return texts;
}

void TobrinE2e::ExpectMessage(const MessageBoxSeen& seen, const std::string& text, IconKind icon, Owner owner) {
  EXPECT_EQ(seen.caption, "トブリン＋") << Printable(seen.caption);
  EXPECT_EQ(seen.text, text) << Printable(seen.text) << " instead of " << Printable(text);
  EXPECT_EQ(seen.buttons, L"OK");
  EXPECT_STREQ(IconName(seen.icon), IconName(icon)) << Printable(text);
  if (owner == Owner::Foreground) {
    EXPECT_EQ(seen.owner, Driver().Handle()) << "not owned by the foreground window: " << Printable(text);
  } else {
    EXPECT_EQ(seen.owner, nullptr) << "not owned by the desktop: " << Printable(text);
  }
}

void TobrinE2e::ClearRecords() {
  RemoveFile(ViewerRecordPath());
  RemoveFile(AddressRecordPath());
}

std::vector<Record> TobrinE2e::ViewerRecords() const { return RecordsIn(ViewerRecordPath()); }
std::vector<Record> TobrinE2e::AddressRecords() const { return RecordsIn(AddressRecordPath()); }

}  // namespace e2e
