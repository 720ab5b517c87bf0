// The Win32 user-interface parts driven for real: message boxes, the launcher's popup form with
// its menu and the application's message loop, and the shell. A scripted user, run from a
// thread timer, acts inside whatever modal loop is running (a menu's or a message box's), as a
// person at the screen would.
#include "platform/win32/Win32Ui.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ScriptedUser.h"
#include "platform/win32/Win32Application.h"
#include "platform/win32/Win32PopupMenu.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"

namespace platform::win32 {
namespace {

const std::string kTitle = "トブリン＋";

// What a message box showed, read off its window.
struct SeenMessage {
  std::string caption;
  std::string text;
  HICON icon = nullptr;
};

std::string WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return ToAnsi(text);
}

// The icon a message box shows; its control has the id 0x14 on Windows and 0x440 on Wine.
HICON MessageIconOf(HWND box) {
  for (const int control : {0x14, 0x440}) {
    if (GetDlgItem(box, control) == nullptr) continue;
    if (auto icon = reinterpret_cast<HICON>(SendDlgItemMessageW(box, control, STM_GETICON, 0, 0)))
      return icon;
  }
  return nullptr;
}

// A step that reads the message box on the screen and presses its OK button.
ScriptedUser::Step ReadAndCloseMessage(std::optional<SeenMessage>& seen) {
  return [&seen] {
    HWND box = FindOwnWindowOfClass(L"#32770");
    if (box == nullptr) return false;
    constexpr int kTextControl = 0xFFFF;
    seen =
        SeenMessage{WindowText(box), WindowText(GetDlgItem(box, kTextControl)), MessageIconOf(box)};
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    return true;
  };
}

// One entry of an open popup menu, as the menu itself holds it.
struct ShownEntry {
  std::string text;
  UINT id = 0;
  bool separator = false;
  friend bool operator==(const ShownEntry&, const ShownEntry&) = default;
};

std::vector<ShownEntry> EntriesOf(HMENU menu) {
  std::vector<ShownEntry> entries;
  for (int index = 0; index < GetMenuItemCount(menu); ++index) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_ID;
    GetMenuItemInfoW(menu, static_cast<UINT>(index), TRUE, &info);
    wchar_t text[256] = {};
    GetMenuStringW(menu, static_cast<UINT>(index), text, 256, MF_BYPOSITION);
    entries.push_back({ToAnsi(text), info.wID, (info.fType & MFT_SEPARATOR) != 0});
  }
  return entries;
}

// A step that waits for the popup menu, records its entries, then presses the keys.
ScriptedUser::Step ReadMenuAndPress(std::vector<ShownEntry>& shown, std::vector<WPARAM> keys) {
  return [&shown, keys] {
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (menuWindow == nullptr || !IsWindowVisible(menuWindow)) return false;
    shown = EntriesOf(reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0)));
    for (WPARAM key : keys) {
      PostMessageW(menuWindow, WM_KEYDOWN, key, 0);
      PostMessageW(menuWindow, WM_KEYUP, key, 0);
    }
    return true;
  };
}

// The launcher's popup form on the Win32 application: an invisible form run as the main form,
// whose OnShow each test fills; the form's events are logged in order.
class PopupRig {
 public:
  Win32Application app;
  Win32PopupMenu menu{app};
  Form form{"fmIE_Menu", "IE拡張メニュー", {0, 0}, FormStyle::Popup};
  std::vector<std::string> log;
  std::vector<int> clicks;
  std::function<void()> onDeactivate = [] {};

  PopupRig() {
    app.SetTitle(kTitle);
    app.CreateForm(form);
    app.OnDeactivate = [this] {
      log.push_back("deactivate");
      onDeactivate();
    };
  }

  HWND Window() const { return ToHwnd(form.Handle()); }

  void Run(std::function<void()> onShow) {
    form.OnShow = [this, onShow] {
      log.push_back("show");
      onShow();
    };
    app.Run(form);
  }

  // Pops the menu up and logs the choice, as the launcher's form does.
  void Popup(const std::vector<MenuItem>& items) {
    log.push_back("popup");
    if (const auto chosen = menu.Track(form, items, {100, 80})) {
      log.push_back("click");
      clicks.push_back(*chosen);
    }
  }
};

// The launcher's ten entries in their fixed places, with the visibility of a page that has a
// selection: both selection entries, sites 0 and 2, and the never-shown "閉じる".
std::vector<MenuItem> LauncherLikeItems() {
  return {{"選択範囲のソース表示", true},
          {"選択範囲のテキスト表示", true},
          {"-", true},
          {"Google & 辞書", true},
          {"隠れたサイト", false},
          {"表示ソフト", true},
          {"サイト3", false},
          {"サイト4", false},
          {"-", true},
          {"閉じる", false}};
}

TEST(Win32MenuItemText, ShowsAmpersandsInsteadOfMakingAccessKeys) {
  const struct {
    std::wstring caption;
    std::wstring text;
  } cases[] = {
      {L"", L""},
      {L"Google", L"Google"},
      {L"Q&A", L"Q&&A"},
      {L"&&", L"&&&&"},
      {L"&先頭と末尾&", L"&&先頭と末尾&&"},
  };
  for (const auto& c : cases) EXPECT_EQ(MenuItemText(c.caption), c.text);
}

TEST(Win32PopupMenu, HoldsTheVisibleItemsAndReportsThePositionOfTheChosenOne) {
  // Down skips separators; the first Down selects the first entry that can be chosen.
  const struct {
    std::vector<WPARAM> keys;
    std::optional<int> clicked;
  } cases[] = {
      {{VK_DOWN, VK_RETURN}, 0},
      {{VK_DOWN, VK_DOWN, VK_RETURN}, 1},
      {{VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, 3},
      {{VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}, 5},
      {{VK_ESCAPE}, std::nullopt},
  };
  for (const auto& c : cases) {
    PopupRig rig;
    std::vector<ShownEntry> shown;
    ScriptedUser user;
    user.Then(ReadMenuAndPress(shown, c.keys));
    rig.Run([&] {
      rig.Popup(LauncherLikeItems());
      rig.app.Terminate();
    });

    ASSERT_FALSE(user.TimedOut()) << "no popup menu appeared";
    const std::vector<ShownEntry> expected = {{"選択範囲のソース表示", 1, false},
                                              {"選択範囲のテキスト表示", 2, false},
                                              {"", 3, true},
                                              {"Google && 辞書", 4, false},
                                              {"表示ソフト", 6, false},
                                              {"", 9, true}};
    EXPECT_EQ(shown, expected);
    if (c.clicked) {
      EXPECT_EQ(rig.clicks, std::vector<int>{*c.clicked});
    } else {
      EXPECT_TRUE(rig.clicks.empty());
    }
    EXPECT_EQ(std::vector<std::string>(rig.log.begin(), rig.log.begin() + 2),
              (std::vector<std::string>{"show", "popup"}));
  }
}

TEST(Win32PopupMenu, ClosedWhileAnotherWindowIsActiveCountsAsLossOfActivation) {
  // Had the form not been the active window when the menu closed, no loss of activation
  // would ever reach it and the invisible program would wait forever.
  HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 300, 300, 40, 40,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(other, nullptr);
  PopupRig rig;
  std::vector<ShownEntry> shown;
  ScriptedUser user([&] { rig.app.Terminate(); });
  user.Then([&] {
    HWND menuWindow = FindWindowW(L"#32768", nullptr);
    if (menuWindow == nullptr || !IsWindowVisible(menuWindow)) return false;
    SetForegroundWindow(other);
    PostMessageW(menuWindow, WM_KEYDOWN, VK_ESCAPE, 0);
    return true;
  });
  user.Then([] { return false; });  // only the time limit ends a form that waits forever
  rig.onDeactivate = [&] { rig.app.Terminate(); };
  rig.Run([&] { rig.Popup(LauncherLikeItems()); });
  DestroyWindow(other);

  EXPECT_FALSE(user.TimedOut());
  EXPECT_TRUE(rig.clicks.empty());
  EXPECT_EQ(rig.log.back(), "deactivate");
}

TEST(Win32PopupForm, IsAnInvisibleToolWindowThatMovesAndGoesTopmost) {
  PopupRig rig;
  RECT placed{};
  LONG_PTR extendedStyle = 0;
  bool visible = false;
  rig.Run([&] {
    visible = IsWindowVisible(rig.Window()) != FALSE;
    rig.form.SetPosition({123, 45});
    rig.form.SetTopmost(true);
    GetWindowRect(rig.Window(), &placed);
    extendedStyle = GetWindowLongPtrW(rig.Window(), GWL_EXSTYLE);
    rig.app.Terminate();
  });

  EXPECT_TRUE(visible);
  EXPECT_EQ(WindowText(rig.Window()), "IE拡張メニュー");
  EXPECT_EQ(placed.left, 123);
  EXPECT_EQ(placed.top, 45);
  EXPECT_EQ(placed.right - placed.left, 0);
  EXPECT_EQ(placed.bottom - placed.top, 0);
  EXPECT_TRUE(extendedStyle & WS_EX_TOOLWINDOW);
  EXPECT_TRUE(extendedStyle & WS_EX_TOPMOST);
}

TEST(Win32PopupForm, LoopRunsUntilTerminateAndEndsOnLossOfActivation) {
  PopupRig rig;
  rig.onDeactivate = [&] { rig.app.Terminate(); };
  ScriptedUser user([&] { rig.app.Terminate(); });
  user.Then([] { return false; });  // only the time limit ends a loop that ignores Terminate
  // The loss of activation arrives while the loop waits, as when the user clicks elsewhere.
  rig.Run([&] { PostMessageW(rig.Window(), WM_ACTIVATEAPP, FALSE, 0); });
  EXPECT_FALSE(user.TimedOut());
  EXPECT_EQ(rig.log, (std::vector<std::string>{"show", "deactivate"}));
}

TEST(Win32PopupForm, EscapedExceptionIsShownWithTheTitleAndTheLoopGoesOn) {
  const struct {
    const char* name;
    std::function<void(PopupRig&)> onShow;
    std::function<void()> onDeactivate;
  } cases[] = {
      {"from OnShow",
       [](PopupRig&) { throw std::runtime_error("C:\\一時\\~example.txt に書き込めません"); },
       [] {}},
      {"from OnDeactivate inside the window procedure",
       [](PopupRig& rig) { PostMessageW(rig.Window(), WM_ACTIVATEAPP, FALSE, 0); },
       [] { throw std::runtime_error("C:\\一時\\~example.txt に書き込めません"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    PopupRig rig;
    rig.onDeactivate = c.onDeactivate;
    std::optional<SeenMessage> seen;
    bool loopWentOn = false;
    ScriptedUser user([&] { rig.app.Terminate(); });
    user.Then(ReadAndCloseMessage(seen));
    user.Then([&] {
      loopWentOn = true;
      rig.app.Terminate();
      return true;
    });
    rig.Run([&] { c.onShow(rig); });

    ASSERT_TRUE(seen.has_value()) << "no error message appeared";
    EXPECT_EQ(seen->caption, kTitle);
    EXPECT_EQ(seen->text, "C:\\一時\\~example.txt に書き込めません");
    EXPECT_EQ(seen->icon, LoadIconW(nullptr, IDI_HAND));
    EXPECT_TRUE(loopWentOn);
  }
}

TEST(Win32PopupForm, TerminateBeforeTheLoopEndsRunAtOnce) {
  PopupRig rig;
  ScriptedUser user([&] { PostQuitMessage(0); });
  user.Then([] { return false; });
  rig.Run([&] { rig.app.Terminate(); });
  EXPECT_FALSE(user.TimedOut());
  // The quit request has been used up by this loop: nothing is left to end a later one.
  MSG left{};
  EXPECT_FALSE(PeekMessageW(&left, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

TEST(Win32Ui, MessageBoxShowsTextCaptionAndIcon) {
  const struct {
    MessageIcon icon;
    LPCWSTR expectedIcon;
  } cases[] = {
      {MessageIcon::Information, IDI_ASTERISK},
      {MessageIcon::Warning, IDI_EXCLAMATION},
      {MessageIcon::Error, IDI_HAND},
  };
  Win32Ui ui;
  for (const auto& c : cases) {
    std::optional<SeenMessage> seen;
    ScriptedUser user;
    user.Then(ReadAndCloseMessage(seen));
    ui.ShowMessage(ui.DesktopWindow(), "設定ファイルが存在しません", kTitle, c.icon);
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->text, "設定ファイルが存在しません");
    EXPECT_EQ(seen->caption, kTitle);
    EXPECT_EQ(seen->icon, LoadIconW(nullptr, c.expectedIcon));
  }
}

TEST(Win32Ui, ProcessMessagesHandlesWaitingMessagesButLeavesTheQuitRequest) {
  static int handled = 0;
  handled = 0;
  WNDCLASSW counting{};
  counting.lpfnWndProc = [](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
    if (message == WM_APP) ++handled;
    return DefWindowProcW(window, message, wParam, lParam);
  };
  counting.hInstance = GetModuleHandleW(nullptr);
  counting.lpszClassName = L"TobrinTestCounting";
  RegisterClassW(&counting);
  HWND window = CreateWindowExW(0, counting.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                nullptr, counting.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  PostMessageW(window, WM_APP, 0, 0);
  PostMessageW(window, WM_APP, 0, 0);
  PostQuitMessage(7);

  Win32Ui ui;
  ui.ProcessMessages();
  DestroyWindow(window);

  EXPECT_EQ(handled, 2);
  MSG quit{};
  ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(quit.wParam, 7u);
}

TEST(Win32Ui, NamesTheDesktopAndTheMousePointer) {
  Win32Ui ui;
  EXPECT_EQ(ToHwnd(ui.DesktopWindow()), GetDesktopWindow());
  ASSERT_TRUE(SetCursorPos(200, 150));
  EXPECT_EQ(ui.CursorPos(), (Point{200, 150}));
}

TEST(Win32Shell, ReturnsTheShellsResultCode) {
  wchar_t system[MAX_PATH] = {};
  GetSystemDirectoryW(system, MAX_PATH);
  const std::string cmd = ToAnsi(system) + "\\cmd.exe";
  const std::string hostname = ToAnsi(system) + "\\hostname.exe";
  const struct {
    std::string file;
    std::string parameters;
    bool succeeds;
  } cases[] = {
      {cmd, "/c exit", true},
      {hostname, "", true},  // no parameters at all
      {"C:\\存在しないフォルダ\\ビューア.exe", "\"C:\\a b.txt\"", false},
  };
  Win32Shell shell;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file + " " + c.parameters);
    const int result = shell.Execute(0, "Open", c.file, c.parameters, "", SW_HIDE);
    if (c.succeeds) {
      EXPECT_GT(result, 32);
    } else {
      EXPECT_LE(result, 32);
    }
  }
  EXPECT_EQ(shell.Execute(0, "Open", "C:\\存在しないフォルダ\\ビューア.exe", "", "", SW_SHOW),
            kShellFileNotFound);
}

}  // namespace
}  // namespace platform::win32
