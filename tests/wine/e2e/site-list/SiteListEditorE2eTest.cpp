// The site list editor in the real TobrinPlus.exe under Wine, used as a person would: the site
// page's "参照" opens it, a list is loaded through the open dialog, rows are selected with the
// mouse and the keyboard, inserted, deleted, renumbered, sorted by a click on a caption and
// edited in place, a row is copied into a site slot, a list is saved through the save dialog,
// and the main window's "設定" stores the copied site in the settings file.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "driver/ChildProcess.h"
#include "driver/Desktop.h"
#include "driver/Files.h"

namespace {

using e2e::Narrow;
using e2e::Widen;

constexpr DWORD kWait = 20000;
constexpr int kRowHeight = 20;  // the grid's rows at 96 DPI

std::wstring InstallFolder() { return e2e::DriverFolder() + L"site-list-e2e\\"; }
std::wstring InFolder(const std::wstring& name) { return InstallFolder() + name; }

std::wstring TextOf(HWND window) {
  wchar_t text[512] = {};
  GetWindowTextW(window, text, 512);
  return text;
}

struct ChildSearch {
  const wchar_t* className;
  std::wstring text;  // empty: any
  HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM parameter) {
  auto* search = reinterpret_cast<ChildSearch*>(parameter);
  wchar_t name[64] = {};
  GetClassNameW(child, name, 64);
  if (lstrcmpiW(name, search->className) != 0 || !IsWindowVisible(child)) return TRUE;
  if (!search->text.empty() && TextOf(child) != search->text) return TRUE;
  search->found = child;
  return FALSE;
}

// The visible child of the class with the text (code page 932 bytes; empty: any text).
HWND Child(HWND parent, const wchar_t* className, const std::string& text = "") {
  ChildSearch search{className, Widen(text), nullptr};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

struct TopSearch {
  DWORD process;
  std::wstring caption;
  HWND found;
};

BOOL CALLBACK MatchTop(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<TopSearch*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process || !IsWindowVisible(window)) return TRUE;
  if (TextOf(window) != search->caption) return TRUE;
  search->found = window;
  return FALSE;
}

// The process's visible top-level window with the caption, waiting for it to appear.
HWND WaitForTop(DWORD process, const std::string& caption) {
  const ULONGLONG end = GetTickCount64() + kWait;
  for (;;) {
    TopSearch search{process, Widen(caption), nullptr};
    EnumWindows(MatchTop, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr || GetTickCount64() > end) return search.found;
    e2e::PumpMessagesFor(50);
  }
}

void Press(HWND button) {
  ASSERT_NE(button, nullptr);
  PostMessageW(button, BM_CLICK, 0, 0);
  e2e::PumpMessagesFor(300);
}

// Real input, as the keyboard and the mouse give it to the window in front.
void SendKey(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

void Key(WORD key, bool shift = false) {
  if (shift) SendKey(VK_SHIFT, false);
  SendKey(key, false);
  SendKey(key, true);
  if (shift) SendKey(VK_SHIFT, true);
  e2e::PumpMessagesFor(200);
}

void Type(const std::wstring& text) {
  for (const wchar_t c : text) {
    INPUT input[2]{};
    for (INPUT& i : input) {
      i.type = INPUT_KEYBOARD;
      i.ki.wScan = c;
      i.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
  }
  e2e::PumpMessagesFor(200);
}

void Click(POINT at, bool shift = false) {
  SetCursorPos(at.x, at.y);
  e2e::PumpMessagesFor(100);
  if (shift) SendKey(VK_SHIFT, false);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  SendInput(1, &input, sizeof input);
  e2e::PumpMessagesFor(100);
  input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
  if (shift) SendKey(VK_SHIFT, true);
  e2e::PumpMessagesFor(300);
}

// Waits until the window is closed, and a little longer for the window below to take over.
void WaitUntilGone(HWND window) {
  const ULONGLONG end = GetTickCount64() + kWait;
  while (IsWindow(window) && IsWindowVisible(window) && GetTickCount64() < end) {
    e2e::PumpMessagesFor(50);
  }
  e2e::PumpMessagesFor(500);
}

// Answers a message box of the process: its text, and OK pressed.
std::string AnswerMessage(DWORD process) {
  HWND box = e2e::WaitForWindowOfProcess(process, L"#32770", kWait);
  if (box == nullptr) return "(no message)";
  const e2e::MessageBoxSeen seen = e2e::ReadMessageBox(box);
  e2e::PressOk(box);
  WaitUntilGone(box);
  return seen.text;
}

// Confirms a file dialog of the process with the path typed into its file name field, and
// says yes to the question it may ask (create or overwrite).
void ChooseFile(DWORD process, const std::wstring& path) {
  HWND dialog = e2e::WaitForWindowOfProcess(process, L"#32770", kWait);
  ASSERT_NE(dialog, nullptr);
  e2e::PumpMessagesFor(500);
  HWND name = GetDlgItem(dialog, 0x47C);                  // the file name combo box
  if (name == nullptr) name = GetDlgItem(dialog, 0x480);  // or edit field
  ASSERT_NE(name, nullptr);
  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  e2e::PumpMessagesFor(700);
  HWND question = e2e::WaitForWindowOfProcess(process, L"#32770", 1500);
  if (question != nullptr && question != dialog && GetDlgItem(question, IDYES) != nullptr) {
    PostMessageW(GetDlgItem(question, IDYES), BM_CLICK, 0, 0);
    e2e::PumpMessagesFor(500);
  }
}

class SiteListEditorE2e : public ::testing::Test {
 protected:
  std::unique_ptr<e2e::ChildProcess> program;
  HWND main = nullptr;
  HWND editor = nullptr;

  void SetUp() override {
    e2e::MakeFolders(InstallFolder());
    for (const wchar_t* name : {L"MenuList.csv", L"saved.csv", L"TobrinPlus.ini"}) {
      e2e::RemoveFile(InFolder(name));
    }
    e2e::CopyFileOrFail(e2e::WindowsPathOfHostPath(TOBRIN_E2E_TOBRINPLUS_HOST_PATH),
                        InFolder(L"TobrinPlus.exe"));
    e2e::CopyFileOrFail(e2e::WindowsPathOfHostPath(TOBRIN_E2E_TOBRIN_HOST_PATH),
                        InFolder(L"Tobrin.exe"));
    // The settings program starts over settings without registrations.
    e2e::WriteBytes(InFolder(L"TobrinPlus.ini"), "[CHK]\r\nCHK_IE_View=0\r\nCHK_IE_Menu=0\r\n");
    e2e::WriteBytes(InFolder(L"MenuList.csv"), "1,Default,http://default/,通常,なし\r\n");
    e2e::WriteBytes(InFolder(L"load.csv"),
                    "1,Google,https://www.google.com/search?q=,選択範囲,UTF-8\r\n"
                    "2,Bing,https://www.bing.com/search?q=,選択範囲,utf-8\r\n"
                    "3,HTML,https://validator.w3.org/nu/?doc=,通常,なし\r\n"
                    "4,Archive,https://web.archive.org/web/*/,通常,なし\r\n");
    program = std::make_unique<e2e::ChildProcess>(InFolder(L"TobrinPlus.exe"),
                                                  std::vector<std::wstring>{});
    ASSERT_TRUE(program->Started());
    main = WaitForTop(program->Id(), "トブリン＋");
    ASSERT_NE(main, nullptr);
  }

  void TearDown() override {
    if (program && !program->HasEnded()) program->Kill();
  }

  void OpenEditor() {
    HWND tabs = Child(main, WC_TABCONTROLW);
    ASSERT_NE(tabs, nullptr);
    SendMessageW(tabs, TCM_SETCURFOCUS, 2, 0);  // "IE拡張メニュー"
    e2e::PumpMessagesFor(300);
    Press(Child(main, L"Button", "参照"));
    editor = WaitForTop(program->Id(), "メニューリスト");
    ASSERT_NE(editor, nullptr);
  }

  // A click on an empty place of the editor makes it the active window, which the keys and
  // clicks that follow reach (a first click on an inactive window may only activate it).
  void ActivateEditor() {
    RECT place{};
    GetWindowRect(editor, &place);
    Click({place.left + 400, place.top + 40});
  }

  HWND List() const { return Child(editor, WC_LISTVIEWW); }
  // The middle of the cell on the screen, from the grid's fixed row height and the widths.
  POINT CellPoint(int row, int column) const {
    static const int kLeft[] = {0, 50, 240, 612, 672};
    RECT list{}, header{};
    GetWindowRect(List(), &list);
    GetWindowRect(Child(List(), WC_HEADERW), &header);
    return {header.left + kLeft[column] + 20, header.bottom + row * kRowHeight + kRowHeight / 2};
  }
  POINT CaptionPoint(int column) const {
    static const int kLeft[] = {0, 50, 240, 612, 672};
    RECT header{};
    GetWindowRect(Child(List(), WC_HEADERW), &header);
    return {header.left + kLeft[column] + 20, (header.top + header.bottom) / 2};
  }
};

TEST_F(SiteListEditorE2e, EditsAListAndCopiesARowIntoASiteSlot) {
  ASSERT_NO_FATAL_FAILURE(OpenEditor());

  Press(Child(editor, L"Button", "読込"));
  ASSERT_NO_FATAL_FAILURE(ChooseFile(program->Id(), InFolder(L"load.csv")));
  EXPECT_EQ(AnswerMessage(program->Id()), "メニューリストを読込ました");
  ActivateEditor();

  // Rows 2 and 3 (Bing, HTML) selected with a click and a Shift+click: two rows in front.
  Click(CellPoint(1, 1));
  Click(CellPoint(2, 1), true);
  ASSERT_EQ(ListView_GetNextItem(List(), -1, LVNI_SELECTED), 1);
  ASSERT_EQ(ListView_GetSelectedCount(List()), 2u);
  Press(Child(editor, L"Button", "選択行挿入"));
  // Now: Google, (6), (), Bing, HTML, Archive. The last row goes.
  Click(CellPoint(5, 1));
  Press(Child(editor, L"Button", "選択行削除"));
  Press(Child(editor, L"Button", "No設定"));
  // The empty name of the first inserted row is edited in place.
  Click(CellPoint(1, 1));
  Key(VK_F2);
  Type(L"Yahoo");
  Key(VK_RETURN);
  // Sorted by the display name: empty first, then Bing, Google, HTML, Yahoo.
  Click(CaptionPoint(1));

  // Google (now the third row) copied into site slot 4.
  HWND slots = Child(editor, L"ComboBox");
  ASSERT_NE(slots, nullptr);
  SendMessageW(slots, CB_SETCURSEL, 3, 0);
  SendMessageW(editor, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(slots), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(slots));
  Click(CellPoint(2, 1));
  Press(Child(editor, L"Button", "コピー"));

  Press(Child(editor, L"Button", "保存"));
  ASSERT_NO_FATAL_FAILURE(ChooseFile(program->Id(), InFolder(L"saved.csv")));
  EXPECT_EQ(AnswerMessage(program->Id()), "メニューリストを保存しました");
  EXPECT_EQ(e2e::ReadBytes(InFolder(L"saved.csv")),
            std::string("3,,,,\r\n"
                        "4,Bing,https://www.bing.com/search?q=,選択範囲,utf-8\r\n"
                        "1,Google,https://www.google.com/search?q=,選択範囲,UTF-8\r\n"
                        "5,HTML,https://validator.w3.org/nu/?doc=,通常,なし\r\n"
                        "2,Yahoo,,通常,なし\r\n"));

  Press(Child(editor, L"Button", "閉じる"));
  WaitUntilGone(editor);
  EXPECT_FALSE(IsWindowVisible(editor));
  Press(Child(main, L"Button", "設定"));
  EXPECT_EQ(AnswerMessage(program->Id()), "設定しました");
  const std::string settings = e2e::ReadBytes(InFolder(L"TobrinPlus.ini")).value_or("");
  EXPECT_NE(settings.find("IE_Set_U[3]=https://www.google.com/search?q=\r\n"), std::string::npos)
      << settings;
  EXPECT_NE(settings.find("IE_Set_T[3]=1\r\n"), std::string::npos);
  EXPECT_NE(settings.find("IE_Set_E[3]=2\r\n"), std::string::npos);
  EXPECT_NE(settings.find("IE_Set_N[3]=Google\r\n"), std::string::npos);
  EXPECT_NE(settings.find("CHK_IE_Set_S[3]=0\r\n"), std::string::npos) << "not switched on";

  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(program->WaitForExit(kWait));
}

}  // namespace
