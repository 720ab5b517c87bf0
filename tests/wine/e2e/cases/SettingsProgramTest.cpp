// The settings program used as a person would: pages filled in, "設定" and "読込" pressed,
// message boxes read; then the settings file and the script are compared byte for byte and
// the registrations read back with the registry's own functions.
#include <windows.h>

#include <gtest/gtest.h>

#include "driver/Controls.h"
#include "driver/E2eFixture.h"
#include "driver/Files.h"
#include "driver/SettingsFixture.h"

namespace e2e {
namespace {

const std::string kMissingViewer = "C:\\no such folder\\viewer.exe";

class SettingsProgram : public SettingsE2e {
 protected:
  static std::string Folder() { return Narrow(ProgramFolder()); }
  // A program that exists: the launcher beside the settings program.
  static std::string ExistingProgram() { return Folder() + "Tobrin.exe"; }

  static std::string FormSection(int left, int top) {
    return "[FORM]\r\nForm.X=" + std::to_string(left) + "\r\nForm.Y=" + std::to_string(top) +
           "\r\n";
  }

  // The place a window of this size takes when it is centred on the screen.
  static POINT Centred(const RECT& window) {
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    return {std::max(0, (GetSystemMetrics(SM_CXSCREEN) - width) / 2),
            std::max(0, (GetSystemMetrics(SM_CYSCREEN) - height) / 2)};
  }

  void Check(HWND box, bool checked) {
    ASSERT_NE(box, nullptr);
    if (IsChecked(box) != checked) Click(box);
    EXPECT_EQ(IsChecked(box), checked);
  }
};

TEST_F(SettingsProgram, FirstStartShowsDefaultsCentredAndClosingSavesPlace) {
  ASSERT_TRUE(Start());
  const RECT window = ScreenRectOf(MainWindow());
  const POINT centred = Centred(window);
  EXPECT_EQ(window.left, centred.x);
  EXPECT_EQ(window.top, centred.y);
  RECT client{};
  GetClientRect(MainWindow(), &client);
  EXPECT_EQ(client.right, 594);
  EXPECT_EQ(client.bottom, 533);
  const LONG_PTR style = GetWindowLongPtrW(MainWindow(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  ASSERT_NE(Tabs(), nullptr);
  EXPECT_EQ(TabCount(Tabs()), 5);
  EXPECT_EQ(SelectedTab(Tabs()), kSetUpTab);

  PageValues defaults;  // every box off, every text empty, the first viewer and list items
  ExpectShown(defaults);
  EXPECT_EQ(ItemsOf(IeViewer(0).extension),
            (std::vector<std::string>{"", "txt", "htm", "html", "xml", "asp", "php", "jsp"}));
  EXPECT_EQ(ItemsOf(ExpViewer(4).extension), ItemsOf(IeViewer(2).extension));
  EXPECT_EQ(ItemsOf(Site(0).target), (std::vector<std::string>{"通常", "選択範囲"}));
  EXPECT_EQ(ItemsOf(Site(4).encoding), (std::vector<std::string>{"なし", "EUC-JP", "UTF-8"}));
  EXPECT_FALSE(SettingsBytes().has_value()) << "nothing is written before the window closes";

  CloseWindow();
  ExpectSettingsFile(FormSection(window.left, window.top));
  EXPECT_EQ(GetPrivateProfileIntW(L"FORM", L"Form.X", -1, SettingsPath().c_str()),
            static_cast<UINT>(window.left));
  EXPECT_EQ(GetPrivateProfileIntW(L"FORM", L"Form.Y", -1, SettingsPath().c_str()),
            static_cast<UINT>(window.top));
  EXPECT_FALSE(ScriptBytes().has_value());
  EXPECT_FALSE(Registrations::Read().AnyPresent());
}

// The window opens where it was closed ("終了" closes it as the close box does); a position
// of which only the left edge is stored keeps the centred top edge.
TEST_F(SettingsProgram, WindowPlaceKeptAcrossRestart) {
  ASSERT_TRUE(Start());
  SetWindowPos(MainWindow(), nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  PumpMessagesFor(200);
  CloseWindow(CloseBy::ExitButton);
  ExpectSettingsFile(FormSection(123, 77));

  ASSERT_TRUE(Start());
  RECT window = ScreenRectOf(MainWindow());
  EXPECT_EQ(window.left, 123);
  EXPECT_EQ(window.top, 77);
  CloseWindow();

  WriteBytes(SettingsPath(), "[FORM]\r\nForm.X=200\r\n");
  ASSERT_TRUE(Start());
  window = ScreenRectOf(MainWindow());
  EXPECT_EQ(window.left, 200);
  EXPECT_EQ(window.top, Centred(window).y);
  program_->Kill();
}

// "全チェック" and "設定" write every page, the script, and all three registrations; "読込"
// then discards unapplied edits and shows what was applied.
TEST_F(SettingsProgram, CheckAllApplyRegistersAllAndReloadShowsApplied) {
  ASSERT_TRUE(Start());
  Click(Control(kSetUpTab, L"Button", "全チェック"));
  PageValues values;
  values.switches.fill(true);
  for (std::size_t i = 0; i < kSwitchCount; ++i)
    EXPECT_TRUE(IsChecked(SetupSwitch(i))) << kSwitchKeys[i];

  const IeViewerControls viewer = IeViewer(1);
  TypeInto(viewer.path, ExistingProgram());
  TypeInto(viewer.options, "-a \"b\"");
  PickItem(viewer.extension, 3);
  Click(viewer.use);
  values.ieViewer = 1;
  values.ieViewers[1] = {ExistingProgram(), "-a \"b\"", "html"};

  const SiteControls page = Site(0);
  Click(page.enabled);
  TypeInto(page.url, "tobrine2e:page?u=");
  values.sites[0] = {true, "tobrine2e:page?u=", 0, 0, "サイト１へ送信"};  // the default name
  const SiteControls selection = Site(3);
  Click(selection.enabled);
  TypeInto(selection.url, "tobrine2e:find?q=");
  PickItem(selection.target, 1);
  PickItem(selection.encoding, 2);
  TypeInto(selection.name, "表で検索");
  values.sites[3] = {true, "tobrine2e:find?q=", 1, 2, "表で検索"};
  TypeInto(Site(4).name, "  ");  // a name of blanks on a site that is off stays as typed
  values.sites[4].name = "  ";

  const ExpViewerControls explorer = ExpViewer(2);
  Click(explorer.files);
  TypeInto(explorer.path, ExistingProgram());
  TypeInto(explorer.extension, "cgi");  // not an item of the list
  values.expViewers[2] = {true, false, ExistingProgram(),
                          "",   "cgi", "Tobrin"};  // name from the file

  ApplyExpectingSuccess();
  IniText file;
  WriteAllPages(file, values);
  ExpectSettingsFile(file.Bytes());
  EXPECT_EQ(Printable(ScriptBytes().value_or("<none>")), Printable(ExpectedScript()));
  const Registrations registered = Registrations::Read();
  const Registrations expected = Registrations::AllFrom(ProgramFolder(), 0x11);
  EXPECT_EQ(registered.viewSourceEditor, expected.viewSourceEditor);
  EXPECT_EQ(registered.menuScript, expected.menuScript);
  EXPECT_EQ(registered.menuContexts, expected.menuContexts);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(registered.handlers[i], expected.handlers[i]) << i;
  EXPECT_EQ(registered.className, expected.className);
  EXPECT_EQ(registered.server, expected.server);
  EXPECT_EQ(registered.threadingModel, expected.threadingModel);
  EXPECT_EQ(TextOf(Site(0).name), "サイト１へ送信");
  EXPECT_EQ(TextOf(ExpViewer(2).name), "Tobrin");

  Click(Control(kSetUpTab, L"Button", "クリア"));
  TypeInto(Site(1).url, "tobrine2e:unapplied");
  ExpectMessage(PressForMessage("読込"), "読込ました", IconKind::Information);
  EXPECT_EQ(SelectedTab(Tabs()), kIeSetTab) << "reload leaves the tab as it was";
  ExpectShown(values);
  program_->Kill();
}

// A damaged settings file loads without harm: values that are no switch or no list position
// show as off or as no choice, an unknown extension as typed; the next apply writes 0 and -1
// for them and keeps the rest. A viewer path longer than MAX_PATH is stored whole while
// "ソースの表示" is off (nothing is checked then).
TEST_F(SettingsProgram, DamagedFileLoadsAndApplyRepairsIt) {
  const std::string damaged =
      std::string("[CHK]\r\nCHK_IE=5\r\nCHK_IE_View=2\r\nCHK_IE_Set_S[0]=2\r\n") +
      "CHK_SHELL=yes\r\n\x81\xff\xfe\x80 garbage\r\n[EDIT]\r\nIE_Set_T[1]=3\r\nIE_Set_E[2]=-7\r\n" +
      "EXP_View_T[0]=cgi\r\nIE_View_E[0]=" + std::string(5000, 'x') + "\r\n";
  WriteBytes(SettingsPath(), damaged);
  ASSERT_TRUE(Start());
  for (std::size_t i = 0; i < kSwitchCount; ++i)
    EXPECT_FALSE(IsChecked(SetupSwitch(i))) << kSwitchKeys[i];
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(IsChecked(IeViewer(i).use)) << "no viewer in use";
  EXPECT_FALSE(IsChecked(Site(0).enabled));
  EXPECT_EQ(PickedItem(Site(1).target), -1);
  EXPECT_EQ(PickedItem(Site(2).encoding), -1);
  EXPECT_EQ(TextOf(ExpViewer(0).extension), "cgi");

  const std::string longPath = "C:\\" + std::string(300, 'v') + "\\viewer.exe";
  TypeInto(IeViewer(0).path, longPath);
  ApplyExpectingSuccess();
  auto profile = [](const wchar_t* section, const wchar_t* key) {
    wchar_t value[4096] = {};
    GetPrivateProfileStringW(section, key, L"<missing>", value, 4096, SettingsPath().c_str());
    return Narrow(value);
  };
  EXPECT_EQ(profile(L"CHK", L"CHK_IE"), "0");
  EXPECT_EQ(profile(L"CHK", L"CHK_IE_View"), "0");
  EXPECT_EQ(profile(L"CHK", L"CHK_IE_Set_S[0]"), "0");
  EXPECT_EQ(profile(L"CHK", L"CHK_SHELL"), "0");
  EXPECT_EQ(profile(L"EDIT", L"IE_Set_T[1]"), "-1");
  EXPECT_EQ(profile(L"EDIT", L"IE_Set_E[2]"), "-1");
  EXPECT_EQ(profile(L"EDIT", L"EXP_View_T[0]"), "cgi");
  EXPECT_EQ(profile(L"EDIT", L"IE_View_E[0]"), longPath);
  program_->Kill();
}

// "クリア" and "設定" take the registrations back; the Explorer component's entries only when
// its handler names the component's own class identifier, exactly.
TEST_F(SettingsProgram, ClearAndApplyRemovesRegistrations) {
  struct Case {
    const char* name;
    std::wstring handler;
    bool handlersRemoved;
  } cases[] = {
      {"own class", kShellExtensionClass, true},
      {"own class in lower case", L"{3c9b1e70-5a2d-4e86-9f41-b7d2c6a8e015}", false},
      {"another class", L"{00000000-0000-0000-0000-000000000001}", false},
  };
  ASSERT_TRUE(Start());
  Click(Control(kSetUpTab, L"Button", "クリア"));
  for (std::size_t i = 0; i < kSwitchCount; ++i)
    EXPECT_FALSE(IsChecked(SetupSwitch(i))) << kSwitchKeys[i];
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteTextValue(HKEY_LOCAL_MACHINE, kEditorNameKey, nullptr, L"\"C:\\old\\Tobrin.exe\"");
    WriteTextValue(HKEY_CURRENT_USER, kMenuExtKey, nullptr, L"C:\\old\\Tobrin_Menu.html");
    for (const wchar_t* key : kHandlerKeys)
      WriteTextValue(HKEY_CLASSES_ROOT, key, nullptr, c.handler);
    WriteTextValue(HKEY_CLASSES_ROOT, kServerKey, nullptr, L"C:\\old\\TobrinShellEX.dll");

    ApplyExpectingSuccess();
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kViewSourceKey));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kMenuExtKey));
    for (const wchar_t* key : kHandlerKeys)
      EXPECT_EQ(KeyExists(HKEY_CLASSES_ROOT, key), !c.handlersRemoved);
    EXPECT_EQ(KeyExists(HKEY_CLASSES_ROOT, kClassKey), !c.handlersRemoved);
  }
  IniText file;
  WriteAllPages(file, PageValues{});
  ExpectSettingsFile(file.Bytes());
  EXPECT_EQ(Printable(ScriptBytes().value_or("<none>")), Printable(ExpectedScript()));
  program_->Kill();
}

// A viewer of the browser that is not a file stops the apply before anything is written; the
// IE viewer tab comes to the front with the focus in the failing path.
TEST_F(SettingsProgram, FailingIeViewerCheckWritesNothing) {
  const std::string earlier = "[CHK]\r\nCHK_IE=2\r\n[EDIT]\r\nIE_View_E[1]=C:\\earlier.exe\r\n";
  WriteBytes(SettingsPath(), earlier);
  ASSERT_TRUE(Start());
  Check(SetupSwitch(kIeView), true);
  TypeInto(IeViewer(0).path, ExistingProgram());
  const std::string notAFile[] = {kMissingViewer, Folder().substr(0, Folder().size() - 1)};
  for (const std::string& path : notAFile) {
    SCOPED_TRACE(Printable(path));
    TypeInto(IeViewer(1).path, path);
    SelectTab(Tabs(), kSetUpTab);
    ExpectMessage(PressForMessage("設定"), "ファイルが存在しません", IconKind::Warning);
    EXPECT_EQ(SelectedTab(Tabs()), kIeViewTab);
    EXPECT_EQ(FocusedWindowOf(MainWindow()), IeViewer(1).path);
    ExpectSettingsFile(earlier);
    EXPECT_FALSE(ScriptBytes().has_value());
    EXPECT_FALSE(Registrations::Read().AnyPresent());
  }
  program_->Kill();
}

// An Explorer viewer that is not a file stops the apply after the browser's steps: their keys,
// the script and the browser's registrations are written; the setup switches, the Explorer
// viewers (display names filled in during this apply included) and the component are not.
TEST_F(SettingsProgram, FailingExpViewerCheckKeepsEarlierSteps) {
  ASSERT_TRUE(Start());
  PageValues values;
  for (std::size_t i : {kIeView, kIeMenu, kShell}) Check(SetupSwitch(i), true);
  TypeInto(IeViewer(0).path, ExistingProgram());
  values.ieViewers[0].path = ExistingProgram();
  const SiteControls site = Site(1);
  Click(site.enabled);
  TypeInto(site.url, "tobrine2e:sel?q=");
  PickItem(site.target, 1);
  values.sites[1] = {true, "tobrine2e:sel?q=", 1, 0, "サイト２へ送信"};
  Click(ExpViewer(0).files);
  TypeInto(ExpViewer(0).path, ExistingProgram());
  Click(ExpViewer(2).folders);  // offered for folders, with no program at all

  ExpectMessage(PressForMessage("設定"), "ファイルが存在しません", IconKind::Warning);
  EXPECT_EQ(SelectedTab(Tabs()), kExpViewTab);
  EXPECT_EQ(FocusedWindowOf(MainWindow()), ExpViewer(2).path);
  IniText file;
  WriteIeViewerPage(file, values);
  WriteSitePage(file, values);
  ExpectSettingsFile(file.Bytes());
  EXPECT_EQ(Printable(ScriptBytes().value_or("<none>")), Printable(ExpectedScript()));
  const Registrations registered = Registrations::Read();
  const Registrations all = Registrations::AllFrom(ProgramFolder(), 0x10);  // no enabled page site
  EXPECT_EQ(registered.viewSourceEditor, all.viewSourceEditor);
  EXPECT_EQ(registered.menuScript, all.menuScript);
  EXPECT_EQ(registered.menuContexts, all.menuContexts);
  EXPECT_FALSE(registered.handlers[0].has_value());
  EXPECT_FALSE(registered.server.has_value());
  program_->Kill();
}

// A script that cannot be written is reported by the standard error report and ends the
// apply: the IE viewer page and the view-source registration before it stay written, the site
// page and everything after it do not happen.
TEST_F(SettingsProgram, ScriptWriteFailureStopsApply) {
  MakeFolders(ScriptPath());  // a folder where the script belongs
  ASSERT_TRUE(Start());
  for (std::size_t i : {kIeView, kIeMenu}) Check(SetupSwitch(i), true);
  Click(Site(0).enabled);
  ExpectMessage(PressForMessage("設定"), Narrow(ScriptPath()) + " に書き込めません",
                IconKind::Error);
  IniText file;
  WriteIeViewerPage(file, PageValues{});
  ExpectSettingsFile(file.Bytes());
  const Registrations registered = Registrations::Read();
  EXPECT_EQ(registered.viewSourceEditor,
            Registrations::AllFrom(ProgramFolder(), 0).viewSourceEditor);
  EXPECT_FALSE(registered.menuScript.has_value());
  program_->Kill();
  RemoveDirectoryW(ScriptPath().c_str());
}

// A settings file that another program holds open cannot be replaced: the first write of the
// apply fails and is reported, and nothing after it is written or registered. (A read-only
// program folder cannot stand in for this under Wine: the tests run with every right.)
TEST_F(SettingsProgram, SettingsFileHeldOpenIsReported) {
  ASSERT_TRUE(Start());
  Check(SetupSwitch(kIeView), true);
  HANDLE held = CreateFileW(SettingsPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const std::optional<MessageBoxSeen> seen = PressForMessage("設定");
  CloseHandle(held);
  ExpectMessage(seen, Narrow(SettingsPath()) + " に書き込めません", IconKind::Error);
  EXPECT_EQ(SettingsBytes().value_or("<none>"), "");
  EXPECT_FALSE(ScriptBytes().has_value());
  EXPECT_FALSE(Registrations::Read().AnyPresent());
  program_->Kill();
}

}  // namespace
}  // namespace e2e
