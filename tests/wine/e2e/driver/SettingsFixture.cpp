#include "driver/SettingsFixture.h"

#include "driver/ContextMenuScript.h"
#include "driver/Controls.h"
#include "driver/E2eFixture.h"
#include "driver/Files.h"

namespace e2e {

namespace {

constexpr int kMessageTextId = 0xFFFF;  // the static control that holds a message box's text
// A slot's controls lie in the 80 pixels of its band, which begins a little above the
// control that names the slot.
constexpr int kBandAbove = 10;
constexpr int kBandBelow = 70;

const char* const kSwitchCaptions[kSwitchCount] = {
    "ソースの表示",      "拡張メニュー",   "選択範囲",       "WEB検索",
    "拡張メニュー",      "サブメニュー化", "上下に区切り線", "ビューアとの間に区切り線",
    "ビューア",          "ファイルリスト", "パスコピー",     "コマンドプロンプト起動",
    "エクスプローラ起動"};
const char* const kSlotDigits[] = {"１", "２", "３", "４", "５"};

std::unique_ptr<DriverWindow>& DriverWindowInstance() {
  static std::unique_ptr<DriverWindow> window;
  return window;
}

struct TopLevelSearch {
  DWORD processId;
  HWND exclude;
  bool messageBox;  // a message box, or else the window with the program's title
  HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<TopLevelSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || window == search->exclude || !IsWindowVisible(window))
    return TRUE;
  const bool isBox = ClassOf(window) == L"#32770" && GetDlgItem(window, kMessageTextId) != nullptr;
  if (search->messageBox ? !isBox : (isBox || TextOf(window) != "トブリン＋")) return TRUE;
  search->found = window;
  return FALSE;
}

HWND WaitForTopLevel(TopLevelSearch search, DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (;;) {
    search.found = nullptr;
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr || GetTickCount64() >= end) return search.found;
    PumpMessagesFor(25);
  }
}

// The controls of the class within the band of the slot whose naming control is `anchor`.
std::vector<HWND> InBandOf(HWND root, HWND anchor, const wchar_t* className) {
  const RECT rect = ScreenRectOf(anchor);
  return VisibleControlsInBand(root, className, rect.top - kBandAbove, rect.top + kBandBelow);
}

HWND Nth(const std::vector<HWND>& controls, std::size_t n) {
  return n < controls.size() ? controls[n] : nullptr;
}

}  // namespace

void SettingsE2e::SetUpTestSuite() {
#ifdef TOBRIN_E2E_TOBRINPLUS_HOST_PATH
  MakeFolders(ProgramFolder());
  CopyFileOrFail(WindowsPathOfHostPath(TOBRIN_E2E_TOBRINPLUS_HOST_PATH), ProgramPath());
  CopyFileOrFail(WindowsPathOfHostPath(TOBRIN_E2E_TOBRIN_HOST_PATH),
                 ProgramFolder() + L"Tobrin.exe");
  if (!DriverWindowInstance()) DriverWindowInstance() = std::make_unique<DriverWindow>();
#endif
}

void SettingsE2e::SetUp() {
#ifndef TOBRIN_E2E_TOBRINPLUS_HOST_PATH
  GTEST_SKIP() << "TobrinPlus.exe is not part of this build";
#endif
  RemoveFile(SettingsPath());
  RemoveFile(ScriptPath());
  RemoveDirectoryW(ScriptPath().c_str());  // left by a case that blocks the script's place
  RemoveRegistrations();
  DriverWindowInstance()->Activate();
}

void SettingsE2e::TearDown() {
  if (program_) program_->Kill();
  RemoveRegistrations();
}

DriverWindow& SettingsE2e::Driver() { return *DriverWindowInstance(); }

std::wstring SettingsE2e::ProgramFolder() { return L"C:\\Program Files\\TobrinPlus 表 Test\\"; }
std::wstring SettingsE2e::ProgramPath() { return ProgramFolder() + L"TobrinPlus.exe"; }
// The launcher's name of the file, which the settings program uses too.
std::wstring SettingsE2e::SettingsPath() { return ProgramFolder() + L"TobrinPlus.ini"; }
std::wstring SettingsE2e::ScriptPath() { return ProgramFolder() + L"Tobrin_Menu.html"; }
std::optional<std::string> SettingsE2e::SettingsBytes() { return ReadBytes(SettingsPath()); }
std::optional<std::string> SettingsE2e::ScriptBytes() { return ReadBytes(ScriptPath()); }

std::string SettingsE2e::ExpectedScript() {
  return ExpectedContextMenuScript(Narrow(TemporaryFolder()), Narrow(ProgramFolder()));
}

bool SettingsE2e::Start() {
  program_ = std::make_unique<ChildProcess>(ProgramPath(), std::vector<std::wstring>{});
  if (!program_->Started()) {
    ADD_FAILURE() << "TobrinPlus.exe did not start";
    return false;
  }
  main_ = WaitForTopLevel({program_->Id(), nullptr, false, nullptr}, kWindowWait);
  if (main_ == nullptr) {
    ADD_FAILURE() << "no main window \"トブリン＋\" appeared";
    return false;
  }
  program_->WaitUntilIdle(kWindowWait);
  PumpMessagesFor(100);
  return true;
}

void SettingsE2e::CloseWindow(CloseBy how) {
  if (how == CloseBy::ExitButton) {
    PostClick(MainButton("終了"));
  } else {
    PostMessageW(main_, WM_CLOSE, 0, 0);
  }
  if (!program_->WaitForExit(kExitWait)) {
    ADD_FAILURE() << "TobrinPlus did not end after its window was closed";
    program_->Kill();
    return;
  }
  EXPECT_EQ(program_->ExitCode(), 0u);
}

HWND SettingsE2e::Tabs() const { return Nth(VisibleControls(main_, L"SysTabControl32"), 0); }

HWND SettingsE2e::Control(SettingsTab tab, const wchar_t* className, const std::string& caption,
                          std::size_t nth) {
  HWND tabs = Tabs();
  if (tabs != nullptr && SelectedTab(tabs) != tab) SelectTab(tabs, tab);
  HWND control = FindControl(main_, className, caption, nth);
  EXPECT_NE(control, nullptr) << "no control \"" << Printable(caption) << "\" (" << nth
                              << ") on tab " << tab;
  return control;
}

HWND SettingsE2e::MainButton(const std::string& caption) {
  HWND button = FindControl(main_, L"Button", caption);
  EXPECT_NE(button, nullptr) << "no button \"" << Printable(caption) << "\"";
  return button;
}

HWND SettingsE2e::SetupSwitch(std::size_t index) {
  // Two switches share the caption "拡張メニュー": the browser's above the Explorer's.
  const std::size_t nth = index == kShell ? 1 : 0;
  return Control(kSetUpTab, L"Button", kSwitchCaptions[index], nth);
}

IeViewerControls SettingsE2e::IeViewer(int slot) {
  HWND use = Control(kIeViewTab, L"Button", std::string("ビューア") + kSlotDigits[slot]);
  if (use == nullptr) return {};
  const auto edits = InBandOf(main_, use, L"Edit");
  return {use, Nth(edits, 0), FindControl(main_, L"Button", "参照", static_cast<std::size_t>(slot)),
          Nth(edits, 1), Nth(InBandOf(main_, use, L"ComboBox"), 0)};
}

SiteControls SettingsE2e::Site(int slot) {
  HWND enabled = Control(kIeSetTab, L"Button", std::string("サイト") + kSlotDigits[slot]);
  if (enabled == nullptr) return {};
  const auto edits = InBandOf(main_, enabled, L"Edit");
  const auto lists = InBandOf(main_, enabled, L"ComboBox");
  return {enabled, Nth(edits, 0), Nth(lists, 0), Nth(lists, 1), Nth(edits, 1)};
}

ExpViewerControls SettingsE2e::ExpViewer(int slot) {
  HWND title = Control(kExpViewTab, L"Static", std::string("ビューア") + kSlotDigits[slot]);
  if (title == nullptr) return {};
  const auto edits = InBandOf(main_, title, L"Edit");
  const auto n = static_cast<std::size_t>(slot);
  return {FindControl(main_, L"Button", "ファイル", n),
          FindControl(main_, L"Button", "フォルダ", n),
          Nth(edits, 0),
          FindControl(main_, L"Button", "参照", n),
          Nth(edits, 1),
          Nth(InBandOf(main_, title, L"ComboBox"), 0),
          Nth(edits, 2)};
}

PageValues SettingsE2e::ShownValues() {
  PageValues shown;
  for (std::size_t i = 0; i < kSwitchCount; ++i) shown.switches[i] = IsChecked(SetupSwitch(i));
  shown.ieViewer = -1;
  for (int i = 0; i < 3; ++i) {
    const IeViewerControls slot = IeViewer(i);
    if (IsChecked(slot.use)) shown.ieViewer = i;
    shown.ieViewers[i] = {TextOf(slot.path), TextOf(slot.options), TextOf(slot.extension)};
  }
  for (int i = 0; i < 5; ++i) {
    const SiteControls site = Site(i);
    shown.sites[i] = {IsChecked(site.enabled), TextOf(site.url), PickedItem(site.target),
                      PickedItem(site.encoding), TextOf(site.name)};
  }
  for (int i = 0; i < 5; ++i) {
    const ExpViewerControls slot = ExpViewer(i);
    shown.expViewers[i] = {IsChecked(slot.files), IsChecked(slot.folders), TextOf(slot.path),
                           TextOf(slot.options),  TextOf(slot.extension),  TextOf(slot.name)};
  }
  return shown;
}

void SettingsE2e::ExpectShown(const PageValues& expected) {
  const PageValues shown = ShownValues();
  for (std::size_t i = 0; i < kSwitchCount; ++i)
    EXPECT_EQ(shown.switches[i], expected.switches[i]) << kSwitchKeys[i];
  EXPECT_EQ(shown.ieViewer, expected.ieViewer) << "IE viewer in use";
  for (std::size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE("IE viewer " + std::to_string(i));
    EXPECT_EQ(Printable(shown.ieViewers[i].path), Printable(expected.ieViewers[i].path));
    EXPECT_EQ(shown.ieViewers[i].options, expected.ieViewers[i].options);
    EXPECT_EQ(shown.ieViewers[i].extension, expected.ieViewers[i].extension);
  }
  for (std::size_t i = 0; i < 5; ++i) {
    SCOPED_TRACE("site " + std::to_string(i));
    EXPECT_EQ(shown.sites[i].enabled, expected.sites[i].enabled);
    EXPECT_EQ(shown.sites[i].url, expected.sites[i].url);
    EXPECT_EQ(shown.sites[i].target, expected.sites[i].target);
    EXPECT_EQ(shown.sites[i].encoding, expected.sites[i].encoding);
    EXPECT_EQ(Printable(shown.sites[i].name), Printable(expected.sites[i].name));
  }
  for (std::size_t i = 0; i < 5; ++i) {
    SCOPED_TRACE("Explorer viewer " + std::to_string(i));
    const ExpViewerValues& a = shown.expViewers[i];
    const ExpViewerValues& b = expected.expViewers[i];
    EXPECT_EQ(a.files, b.files);
    EXPECT_EQ(a.folders, b.folders);
    EXPECT_EQ(Printable(a.path), Printable(b.path));
    EXPECT_EQ(a.options, b.options);
    EXPECT_EQ(a.extension, b.extension);
    EXPECT_EQ(Printable(a.name), Printable(b.name));
  }
}

std::optional<MessageBoxSeen> SettingsE2e::AnswerMessageBox() {
  HWND box = WaitForTopLevel({program_->Id(), main_, true, nullptr}, kWindowWait);
  if (box == nullptr) return std::nullopt;
  MessageBoxSeen seen = ReadMessageBox(box);
  PressOk(box);
  // The handler goes on after the box: let it finish before the next look at the window.
  for (int i = 0; i < 200 && IsWindow(box); ++i) PumpMessagesFor(10);
  return seen;
}

std::optional<MessageBoxSeen> SettingsE2e::PressForMessage(const std::string& caption) {
  HWND button = MainButton(caption);
  if (button == nullptr) return std::nullopt;
  BringToFront(main_);
  PostClick(button);
  return AnswerMessageBox();
}

void SettingsE2e::ExpectMessage(const std::optional<MessageBoxSeen>& seen, const std::string& text,
                                IconKind icon) {
  ASSERT_TRUE(seen.has_value()) << "no message box; expected " << Printable(text);
  EXPECT_EQ(seen->caption, "トブリン＋") << Printable(seen->caption);
  EXPECT_EQ(seen->text, text) << Printable(seen->text) << " instead of " << Printable(text);
  EXPECT_EQ(seen->buttons, L"OK");
  EXPECT_STREQ(IconName(seen->icon), IconName(icon)) << Printable(text);
  EXPECT_EQ(seen->owner, main_) << "not owned by the main window: " << Printable(text);
}

void SettingsE2e::ApplyExpectingSuccess() {
  ExpectMessage(PressForMessage("設定"), "設定しました", IconKind::Information);
}

void SettingsE2e::TypeInto(HWND control, const std::string& text) {
  ASSERT_NE(control, nullptr);
  TypeText(control, text);
  EXPECT_EQ(TextOf(control), text);
}

void SettingsE2e::ExpectSettingsFile(const std::string& bytes) {
  const auto file = SettingsBytes();
  ASSERT_TRUE(file.has_value()) << "no settings file";
  EXPECT_EQ(Printable(*file), Printable(bytes));
}

}  // namespace e2e
