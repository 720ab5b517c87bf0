#include "driver/Controls.h"

#include <commctrl.h>

#include <algorithm>

#include "driver/ChildProcess.h"
#include "driver/Files.h"

namespace e2e {

namespace {

constexpr int kRowTolerance = 8;  // pixels between the tops of controls of one row
constexpr UINT kSendTimeout = 15000;

struct Search {
  HWND root;
  const wchar_t* className;
  std::vector<HWND> found;
};

bool IsPartOfComboBox(HWND window) {
  HWND parent = GetParent(window);
  return parent != nullptr && lstrcmpiW(ClassOf(parent).c_str(), L"ComboBox") == 0;
}

BOOL CALLBACK CollectVisible(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  if (IsWindowVisible(window) && lstrcmpiW(ClassOf(window).c_str(), search->className) == 0 &&
      !IsPartOfComboBox(window)) {
    search->found.push_back(window);
  }
  return TRUE;
}

void SortInReadingOrder(std::vector<HWND>& windows) {
  std::vector<std::pair<RECT, HWND>> placed;
  for (HWND window : windows) placed.emplace_back(ScreenRectOf(window), window);
  std::sort(placed.begin(), placed.end(),
            [](const auto& a, const auto& b) { return a.first.top < b.first.top; });
  // Rows: each control within the tolerance of the row's first one belongs to it.
  for (std::size_t start = 0; start < placed.size();) {
    std::size_t end = start + 1;
    while (end < placed.size() && placed[end].first.top - placed[start].first.top <= kRowTolerance)
      ++end;
    std::sort(placed.begin() + static_cast<std::ptrdiff_t>(start),
              placed.begin() + static_cast<std::ptrdiff_t>(end),
              [](const auto& a, const auto& b) { return a.first.left < b.first.left; });
    start = end;
  }
  for (std::size_t i = 0; i < placed.size(); ++i) windows[i] = placed[i].second;
}

LRESULT SendWaiting(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeout, &result);
  return static_cast<LRESULT>(result);
}

}  // namespace

std::wstring ClassOf(HWND window) {
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  return name;
}

std::string TextOf(HWND window) {
  const auto length = static_cast<int>(SendWaiting(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied = static_cast<int>(SendWaiting(
      window, WM_GETTEXT, static_cast<WPARAM>(length + 1), reinterpret_cast<LPARAM>(text.data())));
  text.resize(static_cast<std::size_t>(std::clamp(copied, 0, length)));
  return Narrow(text);
}

RECT ScreenRectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

std::vector<HWND> VisibleControls(HWND root, const wchar_t* className) {
  Search search{root, className, {}};
  EnumChildWindows(root, CollectVisible, reinterpret_cast<LPARAM>(&search));
  SortInReadingOrder(search.found);
  return search.found;
}

std::vector<HWND> VisibleControlsInBand(HWND root, const wchar_t* className, int top, int bottom) {
  std::vector<HWND> inBand;
  for (HWND control : VisibleControls(root, className)) {
    const RECT rect = ScreenRectOf(control);
    if (rect.top >= top && rect.top < bottom) inBand.push_back(control);
  }
  return inBand;
}

HWND FindControl(HWND root, const wchar_t* className, const std::string& caption, std::size_t nth) {
  for (HWND control : VisibleControls(root, className)) {
    if (TextOf(control) != caption) continue;
    if (nth == 0) return control;
    --nth;
  }
  return nullptr;
}

void Click(HWND button) { SendWaiting(button, BM_CLICK, 0, 0); }

void PostClick(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

bool IsChecked(HWND button) { return SendWaiting(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TypeText(HWND control, const std::string& text) {
  // An editable combo box's field is an Edit of its own, which tells the box of the change;
  // the box tells its parent.
  HWND field = lstrcmpiW(ClassOf(control).c_str(), L"ComboBox") == 0
                   ? FindWindowExW(control, nullptr, L"Edit", nullptr)
                   : control;
  if (field == nullptr) field = control;
  // The whole text selected and replaced, as typing over it does. (A new window text would
  // not do: the field of a combo box tells nobody of it.)
  const std::wstring wide = Widen(text);
  SendWaiting(field, EM_SETSEL, 0, -1);
  SendWaiting(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void PickItem(HWND comboBox, int index) {
  SendWaiting(comboBox, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  // Setting the selection by message tells nobody; a person's choice sends this notification.
  SendWaiting(GetParent(comboBox), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(comboBox), CBN_SELCHANGE),
              reinterpret_cast<LPARAM>(comboBox));
}

int PickedItem(HWND comboBox) {
  return static_cast<int>(SendWaiting(comboBox, CB_GETCURSEL, 0, 0));
}

std::vector<std::string> ItemsOf(HWND comboBox) {
  std::vector<std::string> items;
  const auto count = static_cast<int>(SendWaiting(comboBox, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const auto length =
        static_cast<int>(SendWaiting(comboBox, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0));
    std::wstring item(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    SendWaiting(comboBox, CB_GETLBTEXT, static_cast<WPARAM>(i),
                reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<std::size_t>(std::max(length, 0)));
    items.push_back(Narrow(item));
  }
  return items;
}

int SelectedTab(HWND tabControl) {
  return static_cast<int>(SendWaiting(tabControl, TCM_GETCURSEL, 0, 0));
}

void SelectTab(HWND tabControl, int index) {
  // Outside button mode, moving the focus to a tab selects it with the same notifications to
  // the parent (selection changing, selection changed) as a click on it.
  SendWaiting(tabControl, TCM_SETCURFOCUS, static_cast<WPARAM>(index), 0);
  PumpMessagesFor(0);
}

int TabCount(HWND tabControl) {
  return static_cast<int>(SendWaiting(tabControl, TCM_GETITEMCOUNT, 0, 0));
}

HWND FocusedWindowOf(HWND anyWindowOfThread) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(anyWindowOfThread, nullptr), &info))
    return nullptr;
  return info.hwndFocus;
}

void BringToFront(HWND window) {
  SetForegroundWindow(window);
  PumpMessagesFor(50);
}

}  // namespace e2e
