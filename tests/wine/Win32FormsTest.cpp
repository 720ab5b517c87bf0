// The form layer on real windows: a form with one control of each kind, made by the Win32
// application and checked through the windows themselves (class, text as code page 932 bytes,
// style, place, tab order), object and window kept in step both ways, modal dialogs, the
// error report, the position a closed window leaves behind; and the save dialog.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "ScriptedUser.h"
#include "platform/forms/Controls.h"
#include "platform/win32/Win32Application.h"
#include "platform/win32/Win32ControlWindow.h"
#include "platform/win32/Win32FileDialogs.h"
#include "platform/win32/Win32Look.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"

namespace platform {
inline void PrintTo(const Point& point, std::ostream* out) {
  *out << "(" << point.x << ", " << point.y << ")";
}
}  // namespace platform

namespace platform::win32 {
namespace {

struct TabPage : Form {
  explicit TabPage(std::string name) : Form(std::move(name), "", {200, 80}, FormStyle::Page) {}
  CheckBox box{*this, "CB_Page", {8, 8, 120, 17}, "ページの項目"};
};

struct AllKinds : Form {
  AllKinds() : Form("fmAll", "部品の見本", {480, 360}, FormStyle::Main) {
    memoLabel.look = {false, TextColor::Olive, TextAlign::Right};
    group.look = {true, TextColor::Blue, TextAlign::Left};
    tabs.AddTab("tbOne", "一つ目", pageOne);
    tabs.AddTab("tbTwo", "二つ目", pageTwo);
  }
  Panel panel{*this, "pnlBack", {300, 200, 170, 150}, true};
  Button button{*this, "BTN_OK", {10, 10, 66, 33}, "設定"};
  CheckBox check{*this, "CB_IE", {10, 50, 120, 17}, "ソースの表示"};
  RadioButton radioOne{*this, "RB_1", {10, 70, 100, 17}, "表示ソフト１", 0};
  RadioButton radioTwo{*this, "RB_2", {10, 90, 100, 17}, "表示ソフト２", 0};
  GroupBox group{*this, "GB_IE", {130, 40, 160, 70}, "ＩＥ表示"};
  Label memoLabel{*this, "LBL_Memo", {10, 120, 40, 12}, "メモ"};
  LinkLabel link{*this, "LBL_URL", {310, 210, 150, 12}, "http://www.example.jp/"};
  Edit path{*this, "TB_Path", {60, 116, 200, 20}};
  Edit memo{*this, "mmMemo", {60, 140, 200, 33}, true};
  ComboBox target{*this, "SB_Target", {10, 180, 100, 20}, {"通常", "選択範囲"}, false};
  ComboBox extension{*this, "SB_Ext", {120, 180, 100, 20}, {"txt", "htm"}, true};
  IconImage icon{*this, "imgIcon", {310, 240, 32, 32}};
  TabControl tabs{*this, "pcTabs", {10, 210, 280, 140}};
  TabPage pageOne{"fmOne"};
  TabPage pageTwo{"fmTwo"};
};

// The standard error report, recorded in place of the message box.
class RecordingApplication : public Win32Application {
 public:
  std::vector<std::string> reported;
  void ShowException(const std::string& text) override { reported.push_back(text); }
};

HWND WindowOf(const Control& control) {
  return static_cast<const Win32ControlWindow*>(control.Peer())->Window();
}

std::string TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return ToAnsi(text);
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

LONG_PTR StyleOf(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

// The window's place in its parent's client area.
RECT PlaceOf(HWND window) {
  RECT place{};
  GetWindowRect(window, &place);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

class Win32Forms : public ::testing::Test {
 protected:
  RecordingApplication app;
  AllKinds form;

  Win32Forms() {
    app.SetTitle("トブリン＋");
    app.CreateForm(form.pageOne);  // a page made before its host, as a program may
    app.CreateForm(form);
    app.CreateForm(form.pageTwo);
  }

  bool At96Dpi() const { return GetDpiForWindow(ToHwnd(form.Handle())) == 96; }

  // Sends the window's notification to its parent, as the control does when the user acts.
  static void Notify(HWND window, WORD code) {
    SendMessageW(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), code),
                 reinterpret_cast<LPARAM>(window));
  }
};

TEST_F(Win32Forms, EveryControlIsAWindowOfItsStandardClassWithItsCaption) {
  struct Case {
    const Control* control;
    const wchar_t* className;
    LONG_PTR mask;
    LONG_PTR style;
  };
  const Case cases[] = {
      {&form.panel, L"Static", SS_TYPEMASK, SS_OWNERDRAW},
      {&form.button, L"Button", BS_TYPEMASK | WS_TABSTOP, BS_PUSHBUTTON | WS_TABSTOP},
      {&form.check, L"Button", BS_TYPEMASK | WS_TABSTOP, BS_AUTOCHECKBOX | WS_TABSTOP},
      {&form.radioOne, L"Button", BS_TYPEMASK | WS_GROUP, BS_AUTORADIOBUTTON | WS_GROUP},
      {&form.radioTwo, L"Button", BS_TYPEMASK | WS_GROUP, BS_AUTORADIOBUTTON},
      {&form.group, L"Button", BS_TYPEMASK | WS_TABSTOP, BS_GROUPBOX},
      {&form.memoLabel, L"Static", SS_TYPEMASK | WS_TABSTOP, SS_RIGHT},
      {&form.link, L"Static", SS_NOTIFY, SS_NOTIFY},
      {&form.path, L"Edit", ES_AUTOHSCROLL | ES_MULTILINE, ES_AUTOHSCROLL},
      {&form.memo, L"Edit", ES_MULTILINE, ES_MULTILINE},
      {&form.target, L"ComboBox", 3, CBS_DROPDOWNLIST},
      {&form.extension, L"ComboBox", 3, CBS_DROPDOWN},
      {&form.icon, L"Static", SS_TYPEMASK, SS_ICON},
      {&form.tabs, WC_TABCONTROLW, WS_TABSTOP, WS_TABSTOP},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control->Name());
    HWND window = WindowOf(*c.control);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(ClassOf(window), c.className);
    EXPECT_EQ(StyleOf(window) & c.mask, c.style);
    if (c.control->Kind() != ControlKind::Icon) {
      EXPECT_EQ(TextOf(window), c.control->Caption());
    }
  }
  EXPECT_EQ(TextOf(ToHwnd(form.Handle())), "部品の見本");
  EXPECT_EQ(StyleOf(ToHwnd(form.Handle())) &
                (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME),
            WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
}

TEST_F(Win32Forms, WindowsSitAtTheLayoutsPlacesAt96Dpi) {
  if (!At96Dpi()) GTEST_SKIP() << "the display is not at 96 DPI";
  RECT client{};
  GetClientRect(ToHwnd(form.Handle()), &client);
  EXPECT_EQ(client.right, 480);
  EXPECT_EQ(client.bottom, 360);
  RECT whole{};
  GetWindowRect(ToHwnd(form.Handle()), &whole);
  EXPECT_EQ(app.WindowSize(form), (Size{whole.right - whole.left, whole.bottom - whole.top}));

  for (const Control* control : form.Controls()) {
    SCOPED_TRACE(control->Name());
    const RECT place = PlaceOf(WindowOf(*control));
    const Bounds& bounds = control->GetBounds();
    EXPECT_EQ(place.left, bounds.left);
    EXPECT_EQ(place.top, bounds.top);
    EXPECT_EQ(place.right - place.left, bounds.width);
    // A combo box's window takes in its drop-down list.
    if (control->Kind() != ControlKind::ComboBox) {
      EXPECT_EQ(place.bottom - place.top, bounds.height);
    }
  }
  // The page fills the tab control's display area.
  HWND page = ToHwnd(form.pageOne.Handle());
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(GetParent(page), WindowOf(form.tabs));
  RECT area{};
  GetClientRect(WindowOf(form.tabs), &area);
  TabCtrl_AdjustRect(WindowOf(form.tabs), FALSE, &area);
  const RECT pagePlace = PlaceOf(page);
  EXPECT_EQ(pagePlace.left, area.left);
  EXPECT_EQ(pagePlace.top, area.top);
  EXPECT_EQ(pagePlace.right, area.right);
  EXPECT_EQ(pagePlace.bottom, area.bottom);
}

TEST_F(Win32Forms, ColouredTextsAreAskedOfTheFormInTheirColour) {
  HDC dc = CreateCompatibleDC(nullptr);
  const struct {
    const Control* control;
    UINT message;
    COLORREF colour;
  } cases[] = {
      {&form.memoLabel, WM_CTLCOLORSTATIC, RGB(128, 128, 0)},
      {&form.group, WM_CTLCOLORSTATIC, RGB(0, 0, 255)},
      {&form.link, WM_CTLCOLORSTATIC, RGB(0, 0, 255)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.control->Name());
    SetTextColor(dc, RGB(1, 2, 3));
    HWND window = WindowOf(*c.control);
    EXPECT_NE(SendMessageW(GetParent(window), c.message, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(window)),
              0);
    EXPECT_EQ(GetTextColor(dc), c.colour);
  }
  DeleteDC(dc);

  // The link changes colour while the mouse is over it and while it is pressed; a press opens it.
  int opened = 0;
  form.link.OnClick = [&] { ++opened; };
  auto* link = static_cast<Win32ControlWindow*>(form.link.Peer());
  SendMessageW(link->Window(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_EQ(link->TextColour(), RGB(255, 0, 0));
  SendMessageW(link->Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  EXPECT_EQ(link->TextColour(), RGB(128, 0, 128));
  EXPECT_EQ(opened, 1);
  SendMessageW(link->Window(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
  SendMessageW(link->Window(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(link->TextColour(), RGB(0, 0, 255));
}

TEST_F(Win32Forms, ObjectChangesShowInTheWindows) {
  form.check.SetChecked(true);
  form.radioTwo.SetChecked(true);
  form.path.SetText("C:\\表示\\viewer.exe");
  form.target.SetItemIndex(1);
  form.extension.SetText("cgi");
  form.button.SetEnabled(false);
  form.group.SetCaption("ＩＥ表示２");
  form.tabs.SetTabIndex(1);

  EXPECT_EQ(SendMessageW(WindowOf(form.check), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(SendMessageW(WindowOf(form.radioTwo), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(TextOf(WindowOf(form.path)), "C:\\表示\\viewer.exe");
  EXPECT_EQ(SendMessageW(WindowOf(form.target), CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(TextOf(WindowOf(form.target)), "選択範囲");
  EXPECT_EQ(TextOf(WindowOf(form.extension)), "cgi");
  EXPECT_FALSE(IsWindowEnabled(WindowOf(form.button)));
  EXPECT_EQ(TextOf(WindowOf(form.group)), "ＩＥ表示２");
  EXPECT_EQ(TabCtrl_GetCurSel(WindowOf(form.tabs)), 1);
  EXPECT_EQ(TabCtrl_GetItemCount(WindowOf(form.tabs)), 2);

  form.Show();
  EXPECT_FALSE(IsWindowVisible(ToHwnd(form.pageOne.Handle())));
  EXPECT_TRUE(IsWindowVisible(ToHwnd(form.pageTwo.Handle())));
  form.radioOne.SetChecked(true);
  EXPECT_EQ(SendMessageW(WindowOf(form.radioTwo), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  form.target.SetItemIndex(-1);
  EXPECT_EQ(TextOf(WindowOf(form.target)), "");
}

TEST_F(Win32Forms, UserActionsReachTheObjectsWithoutEcho) {
  int clicks = 0;
  int targetChanges = 0;
  int extensionChanges = 0;
  int tabChanges = 0;
  form.button.OnClick = [&] { ++clicks; };
  form.target.OnChange = [&] { ++targetChanges; };
  form.extension.OnChange = [&] { ++extensionChanges; };
  form.tabs.OnChange = [&] { ++tabChanges; };
  form.Show();

  SendMessageW(WindowOf(form.button), BM_CLICK, 0, 0);
  SendMessageW(WindowOf(form.check), BM_CLICK, 0, 0);
  SendMessageW(WindowOf(form.radioOne), BM_CLICK, 0, 0);
  SendMessageW(WindowOf(form.radioTwo), BM_CLICK, 0, 0);
  SetWindowTextW(WindowOf(form.path), L"C:\\\u8868\\a.exe");  // 表; the edit says EN_CHANGE
  SendMessageW(WindowOf(form.target), CB_SETCURSEL, 1, 0);
  Notify(WindowOf(form.target), CBN_SELCHANGE);
  SetWindowTextW(WindowOf(form.extension), L"cgi");
  Notify(WindowOf(form.extension), CBN_EDITCHANGE);
  TabCtrl_SetCurSel(WindowOf(form.tabs), 1);
  NMHDR change{WindowOf(form.tabs), static_cast<UINT_PTR>(GetDlgCtrlID(WindowOf(form.tabs))),
               static_cast<UINT>(TCN_SELCHANGE)};
  SendMessageW(GetParent(WindowOf(form.tabs)), WM_NOTIFY, change.idFrom,
               reinterpret_cast<LPARAM>(&change));

  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(form.check.Checked());
  EXPECT_FALSE(form.radioOne.Checked());
  EXPECT_TRUE(form.radioTwo.Checked());
  EXPECT_EQ(form.path.Text(), "C:\\表\\a.exe");
  EXPECT_EQ(form.target.ItemIndex(), 1);
  EXPECT_EQ(form.target.Text(), "選択範囲");
  EXPECT_EQ(form.extension.Text(), "cgi");
  EXPECT_EQ(form.extension.ItemIndex(), -1);
  EXPECT_EQ(form.tabs.TabIndex(), 1);
  EXPECT_TRUE(IsWindowVisible(ToHwnd(form.pageTwo.Handle())));
  EXPECT_FALSE(IsWindowVisible(ToHwnd(form.pageOne.Handle())));
  EXPECT_EQ((std::vector<int>{targetChanges, extensionChanges, tabChanges}),
            (std::vector<int>{1, 1, 1}));

  // The program's own changes run no event of the user's.
  form.target.SetItemIndex(0);
  form.extension.SetText("htm");
  form.tabs.SetTabIndex(0);
  form.path.SetText("x");
  EXPECT_EQ((std::vector<int>{targetChanges, extensionChanges, tabChanges}),
            (std::vector<int>{1, 1, 1}));
  EXPECT_EQ(form.path.Text(), "x");
}

TEST_F(Win32Forms, TabVisitsTheStopsInCreationOrderWithTheSelectedPageAfterItsTabs) {
  form.radioTwo.SetChecked(true);
  form.button.SetFocus();
  std::vector<std::string> visited;
  ScriptedUser user([&] { form.Close(); });
  for (int press = 0; press < 9; ++press) {
    user.Then([&] {
      Control* focused = form.FocusedControl();
      if (form.pageOne.FocusedControl() != nullptr && GetFocus() == WindowOf(form.pageOne.box)) {
        focused = &form.pageOne.box;
      }
      visited.push_back(focused != nullptr ? focused->Name() : "");
      PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 0);
      return true;
    });
  }
  user.Then([&] {
    form.Close();
    return true;
  });
  app.Run(form);
  EXPECT_FALSE(user.TimedOut());
  EXPECT_EQ(visited, (std::vector<std::string>{"BTN_OK", "CB_IE", "RB_2", "TB_Path", "mmMemo",
                                               "SB_Target", "SB_Ext", "pcTabs", "CB_Page"}));
}

TEST_F(Win32Forms, ModalDialogDisablesTheMainWindowUntilItIsClosed) {
  Form dialog("fmIE_List", "サイトリスト", {300, 200}, FormStyle::Dialog);
  Button close(dialog, "BTN_Close", {10, 10, 66, 33}, "閉じる");
  close.OnClick = [&] { dialog.Close(); };
  app.CreateForm(dialog);
  std::vector<std::string> log;
  form.button.OnClick = [&] {
    log.push_back("open");
    app.ShowModal(dialog);
    log.push_back("returned");
    log.push_back(IsWindowEnabled(ToHwnd(form.Handle())) ? "main enabled" : "main disabled");
  };
  ScriptedUser user([&] { app.Terminate(); });
  user.Then([&] {
    PostMessageW(WindowOf(form.button), BM_CLICK, 0, 0);
    return true;
  });
  user.Then([&] {
    if (!IsWindowVisible(ToHwnd(dialog.Handle()))) return false;
    log.push_back(IsWindowEnabled(ToHwnd(form.Handle())) ? "main enabled" : "main disabled");
    EXPECT_EQ(GetWindow(ToHwnd(dialog.Handle()), GW_OWNER), ToHwnd(form.Handle()));
    // Not placed by the program, the dialog opens centred over the main window.
    RECT main{};
    RECT shown{};
    GetWindowRect(ToHwnd(form.Handle()), &main);
    GetWindowRect(ToHwnd(dialog.Handle()), &shown);
    EXPECT_LE(std::abs((main.left + main.right) - (shown.left + shown.right)), 1);
    EXPECT_LE(std::abs((main.top + main.bottom) - (shown.top + shown.bottom)), 1);
    PostMessageW(WindowOf(close), BM_CLICK, 0, 0);
    return true;
  });
  user.Then([&] {
    if (log.size() < 4) return false;
    PostMessageW(ToHwnd(form.Handle()), WM_CLOSE, 0, 0);
    return true;
  });
  app.Run(form);
  EXPECT_FALSE(user.TimedOut());
  EXPECT_EQ(log, (std::vector<std::string>{"open", "main disabled", "returned", "main enabled"}));
  EXPECT_FALSE(form.Shown());
  EXPECT_FALSE(dialog.Shown());
}

TEST_F(Win32Forms, AnEscapedErrorIsReportedAndTheLoopGoesOn) {
  form.button.OnClick = [] { throw std::runtime_error("C:\\表\\TobrinPlus.ini に書き込めません"); };
  int closes = 0;
  form.OnClose = [&] { ++closes; };
  ScriptedUser user([&] { app.Terminate(); });
  user.Then([&] {
    PostMessageW(WindowOf(form.button), BM_CLICK, 0, 0);
    return true;
  });
  user.Then([&] {
    if (app.reported.empty()) return false;
    PostMessageW(ToHwnd(form.Handle()), WM_CLOSE, 0, 0);  // the close box
    return true;
  });
  app.Run(form);
  EXPECT_FALSE(user.TimedOut());
  EXPECT_EQ(app.reported, std::vector<std::string>{"C:\\表\\TobrinPlus.ini に書き込めません"});
  EXPECT_EQ(closes, 1);
}

TEST_F(Win32Forms, AWindowClosedMinimisedKeepsItsRestoredPosition) {
  form.SetPosition({120, 80});
  HWND window = ToHwnd(form.Handle());
  std::vector<Point> seen;
  form.OnClose = [&] { seen.push_back(form.Position()); };
  ScriptedUser user([&] { app.Terminate(); });
  user.Then([&] {
    SetWindowPos(window, nullptr, 150, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // the user moves it
    seen.push_back(form.Position());
    ShowWindow(window, SW_MINIMIZE);
    return true;
  });
  user.Then([&] {
    if (!IsIconic(window)) return false;
    PostMessageW(window, WM_CLOSE, 0, 0);
    return true;
  });
  app.Run(form);
  EXPECT_FALSE(user.TimedOut());
  EXPECT_EQ(seen, (std::vector<Point>{{150, 90}, {150, 90}}));
}

// The system's save dialog, used as a person would: a Japanese name typed without extension
// comes back whole, with the default extension, as code page 932 text; Cancel gives nothing.
TEST(Win32FileDialogs, SaveReturnsTheTypedNameWithTheDefaultExtension) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::string folder = ToAnsi(temp);
  FileDialogOptions options;
  options.filter = "CSVファイル|*.csv|すべてのファイル|*.*";
  options.initialFolder = folder;
  options.defaultExtension = "csv";
  options.title = "名前を付けて保存";
  const struct {
    const wchar_t* typed;
    std::optional<std::string> result;
  } cases[] = {
      {L"表示リスト", folder + "表示リスト.csv"},  // 表示リスト
      {nullptr, std::nullopt},                     // Cancel
  };
  Win32FileDialogs dialogs;
  for (const auto& c : cases) {
    std::string title;
    ScriptedUser user;
    user.Then([&] {
      HWND box = FindOwnWindowOfClass(L"#32770");
      if (box == nullptr) return false;
      wchar_t caption[64] = {};
      GetWindowTextW(box, caption, 64);
      title = ToAnsi(caption);
      if (c.typed == nullptr) {
        PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
        return true;
      }
      // The file name box: a combo box (cmb13) in the Explorer style, an edit field before.
      HWND name = GetDlgItem(box, 0x47c);
      if (name == nullptr) name = GetDlgItem(box, 0x480);
      SetWindowTextW(name, c.typed);
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      return true;
    });
    EXPECT_EQ(dialogs.Save(0, options), c.result);
    EXPECT_FALSE(user.TimedOut());
    EXPECT_EQ(title, "名前を付けて保存");
  }
}

// The form font must exist with Japanese glyphs (under Wine through the prefix's font
// substitution), or every caption shows as boxes.
TEST(Win32FormFonts, TheFormFontHasJapaneseGlyphsInEveryCut) {
  Win32FormFonts fonts(96);
  HDC dc = CreateCompatibleDC(nullptr);
  for (HFONT font : {fonts.Plain(), fonts.Bold(), fonts.Underlined()}) {
    ASSERT_NE(font, nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    EXPECT_EQ(GetTextCharset(dc), SHIFTJIS_CHARSET);
    const std::wstring sample = L"\u30c8\u30d6\u30ea\u30f3\uff0b\u8868";  // トブリン＋表
    WORD glyphs[8] = {};
    GetGlyphIndicesW(dc, sample.c_str(), static_cast<int>(sample.size()), glyphs,
                     GGI_MARK_NONEXISTING_GLYPHS);
    for (std::size_t i = 0; i < sample.size(); ++i) EXPECT_NE(glyphs[i], 0xFFFF) << i;
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, 12);
    SelectObject(dc, old);
  }
  DeleteDC(dc);
}

TEST(Win32DialogFilter, PartsEndInZeroAndTheWholeInTwo) {
  using namespace std::string_literals;
  EXPECT_EQ(DialogFilter(L""), L"");
  EXPECT_EQ(DialogFilter(L"実行ファイル|*.exe|すべて|*.*"),
            L"実行ファイル\0*.exe\0すべて\0*.*\0\0"s);
}

}  // namespace
}  // namespace platform::win32
