#include "platform/win32/Win32ControlWindows.h"

#include <commctrl.h>
#include <uxtheme.h>

#include "platform/forms/Controls.h"
#include "platform/win32/Win32Application.h"
#include "platform/win32/Win32GridPeer.h"
#include "platform/win32/Win32Text.h"

namespace platform::win32 {

namespace {

// Themed check boxes and radio buttons paint their text in the theme's colour whatever
// WM_CTLCOLORSTATIC says; without a theme they take the colour asked for.
void UnthemeIfColoured(const Win32ControlWindow& peer) {
  if (peer.TextColour()) SetWindowTheme(peer.Window(), L"", L"");
}

bool IsChecked(HWND window) { return SendMessageW(window, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void ShowCheck(HWND window, bool checked) {
  if (IsChecked(window) != checked) {
    SendMessageW(window, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

class PushButtonWindow final : public Win32ControlWindow {
 public:
  PushButtonWindow(Win32Application& application, Button& button)
      : Win32ControlWindow(application, button), button_(button) {}

 protected:
  WindowClass Class() const override { return {L"Button", BS_PUSHBUTTON}; }
  void OnCommand(WORD code) override {
    if (code == BN_CLICKED) Deliver([this] { button_.Click(); });
  }

 private:
  Button& button_;
};

class CheckBoxWindow final : public Win32ControlWindow {
 public:
  CheckBoxWindow(Win32Application& application, CheckBox& box)
      : Win32ControlWindow(application, box), box_(box) {}

 protected:
  WindowClass Class() const override { return {L"Button", BS_AUTOCHECKBOX}; }
  void ShowState() override {
    UnthemeIfColoured(*this);
    ShowText(box_.Caption());
    ShowCheck(Window(), box_.Checked());
  }
  void OnCommand(WORD code) override {
    // The button has already flipped its own mark.
    if (code == BN_CLICKED && IsChecked(Window()) != box_.Checked()) {
      Deliver([this] { box_.ClickByUser(); });
    }
  }

 private:
  CheckBox& box_;
};

class RadioButtonWindow final : public Win32ControlWindow {
 public:
  RadioButtonWindow(Win32Application& application, RadioButton& button)
      : Win32ControlWindow(application, button), button_(button) {}

 protected:
  WindowClass Class() const override { return {L"Button", BS_AUTORADIOBUTTON}; }
  void ShowState() override {
    UnthemeIfColoured(*this);
    ShowText(button_.Caption());
    ShowCheck(Window(), button_.Checked());
  }
  void OnCommand(WORD code) override {
    if (code == BN_CLICKED && IsChecked(Window()) && !button_.Checked()) {
      Deliver([this] { button_.ClickByUser(); });
    }
  }

 private:
  RadioButton& button_;
};

// A group box with a coloured caption paints itself: a themed group box takes its caption's
// colour and font from the theme, whatever the form asks for.
class GroupBoxWindow final : public Win32ControlWindow {
 public:
  using Win32ControlWindow::Win32ControlWindow;
  bool Behind() const override { return true; }

 protected:
  WindowClass Class() const override { return {L"Button", BS_GROUPBOX}; }
  bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
    // A frame never erases its inside: another frame or the form's own background is there.
    if (message == WM_ERASEBKGND) {
      result = 1;
      return true;
    }
    if (message != WM_PAINT || !TextColour()) return false;
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(Window(), &paint);
    Paint(dc, *TextColour());
    EndPaint(Window(), &paint);
    result = 0;
    return true;
  }

 private:
  void Paint(HDC dc, COLORREF colour) {
    RECT area{};
    GetClientRect(Window(), &area);
    auto font = reinterpret_cast<HFONT>(SendMessageW(Window(), WM_GETFONT, 0, 0));
    HGDIOBJ oldFont = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT frame = area;
    frame.top += metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::wstring caption = ToWide(Target().Caption());
    if (!caption.empty()) {
      RECT label{area.left + kCaptionIndent, area.top, area.right - kCaptionIndent, area.bottom};
      DrawTextW(dc, caption.c_str(), -1, &label, DT_SINGLELINE | DT_CALCRECT);
      label.right += 2 * kCaptionMargin;
      FillRect(dc, &label, GetSysColorBrush(COLOR_BTNFACE));
      label.left += kCaptionMargin;
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, colour);
      DrawTextW(dc, caption.c_str(), -1, &label, DT_SINGLELINE);
    }
    SelectObject(dc, oldFont);
  }

  static constexpr int kCaptionIndent = 8;
  static constexpr int kCaptionMargin = 2;
};

DWORD AlignmentStyle(TextAlign align) {
  switch (align) {
    case TextAlign::Center:
      return SS_CENTER;
    case TextAlign::Right:
      return SS_RIGHT;
    case TextAlign::Left:
      break;
  }
  return SS_LEFT;
}

class LabelWindow final : public Win32ControlWindow {
 public:
  using Win32ControlWindow::Win32ControlWindow;

 protected:
  WindowClass Class() const override { return {L"Static", AlignmentStyle(Target().look.align)}; }
};

// A static that takes the mouse (SS_NOTIFY): a hand cursor over it, its colour while the
// mouse is over it and while it is pressed, and a press opens the link.
class LinkLabelWindow final : public Win32ControlWindow {
 public:
  LinkLabelWindow(Win32Application& application, LinkLabel& link)
      : Win32ControlWindow(application, link), link_(link) {}

  std::optional<COLORREF> TextColour() const override {
    if (pressed_) return ColourOf(TextColor::LinkPressed);
    if (hovered_) return ColourOf(TextColor::LinkHover);
    return Win32ControlWindow::TextColour();
  }

 protected:
  WindowClass Class() const override {
    return {L"Static", AlignmentStyle(Target().look.align) | SS_NOTIFY};
  }
  bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override {
    switch (message) {
      case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        result = TRUE;
        return true;
      case WM_MOUSEMOVE:
        if (!hovered_) {
          TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Window(), 0};
          TrackMouseEvent(&track);
          Show(true, pressed_);
        }
        return false;
      case WM_MOUSELEAVE:
        Show(false, false);
        return false;
      case WM_LBUTTONDOWN:
        Show(hovered_, true);
        UpdateWindow(Window());
        Deliver([this] { link_.Click(); });
        return false;
      case WM_LBUTTONUP:
        Show(hovered_, false);
        return false;
      default:
        return false;
    }
  }

 private:
  void Show(bool hovered, bool pressed) {
    if (hovered == hovered_ && pressed == pressed_) return;
    hovered_ = hovered;
    pressed_ = pressed;
    InvalidateRect(Window(), nullptr, TRUE);
  }

  LinkLabel& link_;
  bool hovered_ = false;
  bool pressed_ = false;
};

// A plain panel is an empty static; a raised one draws a raised edge around its face.
class PanelWindow final : public Win32ControlWindow {
 public:
  PanelWindow(Win32Application& application, Panel& panel)
      : Win32ControlWindow(application, panel), panel_(panel) {}
  bool Behind() const override { return true; }

  void Draw(const DRAWITEMSTRUCT& item) override {
    RECT face = item.rcItem;
    FillRect(item.hDC, &face, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(item.hDC, &face, EDGE_RAISED, BF_RECT);
  }

 protected:
  WindowClass Class() const override {
    return {L"Static", panel_.Raised() ? static_cast<DWORD>(SS_OWNERDRAW) : SS_LEFT};
  }

 private:
  Panel& panel_;
};

// The program's icon, resource 1 of the program, at the control's size.
class IconWindow final : public Win32ControlWindow {
 public:
  using Win32ControlWindow::Win32ControlWindow;

 protected:
  WindowClass Class() const override { return {L"Static", SS_ICON | SS_REALSIZECONTROL}; }
  void ShowState() override {
    if (loaded_) return;
    loaded_ = true;
    RECT area{};
    GetClientRect(Window(), &area);
    auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1),
                                              IMAGE_ICON, area.right, area.bottom, LR_SHARED));
    if (icon != nullptr) SendMessageW(Window(), STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
  }

 private:
  bool loaded_ = false;
};

class EditWindow final : public Win32ControlWindow {
 public:
  EditWindow(Win32Application& application, Edit& edit)
      : Win32ControlWindow(application, edit), edit_(edit) {}

 protected:
  WindowClass Class() const override {
    if (edit_.Kind() == ControlKind::Memo) {
      return {L"Edit", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, WS_EX_CLIENTEDGE};
    }
    return {L"Edit", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
  }
  void OnCommand(WORD code) override {
    if (code == EN_CHANGE) Deliver([this] { edit_.TypeByUser(WindowTextOf()); });
  }

 private:
  Edit& edit_;
};

class ComboBoxWindow final : public Win32ControlWindow {
 public:
  ComboBoxWindow(Win32Application& application, ComboBox& box)
      : Win32ControlWindow(application, box), box_(box) {}

 protected:
  WindowClass Class() const override {
    const DWORD kind = box_.Editable() ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST;
    return {L"ComboBox", kind | WS_VSCROLL};
  }
  // The window's height takes in the list that drops down.
  int HeightAt96() const override { return box_.GetBounds().height + kListHeight; }
  void ShowState() override {
    if (!filled_) Fill();
    const int shown = static_cast<int>(SendMessageW(Window(), CB_GETCURSEL, 0, 0));
    if (shown != box_.ItemIndex()) SendMessageW(Window(), CB_SETCURSEL, box_.ItemIndex(), 0);
    if (box_.Editable() && box_.ItemIndex() < 0) ShowText(box_.Text());
  }
  void OnCommand(WORD code) override {
    switch (code) {
      case CBN_SELCHANGE: {
        const int index = static_cast<int>(SendMessageW(Window(), CB_GETCURSEL, 0, 0));
        Deliver([this, index] { box_.PickByUser(index); });
        break;
      }
      case CBN_EDITCHANGE:
        Deliver([this] { box_.TypeByUser(WindowTextOf()); });
        break;
      case CBN_SETFOCUS:  // the focus went to the box's own edit field
        box_.FocusedByUser();
        break;
      default:
        break;
    }
  }

 private:
  static constexpr int kListHeight = 160;

  void Fill() {
    filled_ = true;
    for (const std::string& item : box_.Items()) {
      SendMessageW(Window(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(item).c_str()));
    }
  }

  ComboBox& box_;
  bool filled_ = false;
};

// Tabs whose pages are borderless child windows of the tab control, filling its display area;
// only the selected tab's page is shown.
class TabControlWindow final : public Win32ControlWindow {
 public:
  TabControlWindow(Win32Application& application, TabControl& tabs)
      : Win32ControlWindow(application, tabs), tabs_(tabs) {}

 protected:
  WindowClass Class() const override {
    return {WC_TABCONTROLW, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
  }
  void ShowState() override {
    ShowTabs();
    if (TabCtrl_GetCurSel(Window()) != tabs_.TabIndex()) {
      TabCtrl_SetCurSel(Window(), tabs_.TabIndex());
    }
    App().CreatePendingPages();
    ShowPages();
  }
  void OnNotify(const NMHDR& header) override {
    if (header.code != TCN_SELCHANGE) return;
    const int index = TabCtrl_GetCurSel(Window());
    Deliver([this, index] { tabs_.SelectByUser(index); });
  }

 private:
  void ShowTabs() {
    const auto& tabs = tabs_.Tabs();
    for (std::size_t i = shownTabs_; i < tabs.size(); ++i) {
      std::wstring caption = ToWide(tabs[i].caption);
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = caption.data();
      TabCtrl_InsertItem(Window(), static_cast<int>(i), &item);
    }
    shownTabs_ = tabs.size();
  }

  void ShowPages() {
    RECT area{};
    GetClientRect(Window(), &area);
    TabCtrl_AdjustRect(Window(), FALSE, &area);
    const auto& tabs = tabs_.Tabs();
    for (std::size_t i = 0; i < tabs.size(); ++i) {
      HWND page = App().WindowOf(*tabs[i].page);
      if (page == nullptr) continue;
      const bool selected = static_cast<int>(i) == tabs_.TabIndex();
      SetWindowPos(page, HWND_TOP, area.left, area.top, area.right - area.left,
                   area.bottom - area.top,
                   SWP_NOACTIVATE | (selected ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    }
  }

  TabControl& tabs_;
  std::size_t shownTabs_ = 0;
};

}  // namespace

std::unique_ptr<Win32ControlWindow> MakeControlWindow(Win32Application& application,
                                                      Control& control) {
  switch (control.Kind()) {
    case ControlKind::Button:
      return std::make_unique<PushButtonWindow>(application, static_cast<Button&>(control));
    case ControlKind::CheckBox:
      return std::make_unique<CheckBoxWindow>(application, static_cast<CheckBox&>(control));
    case ControlKind::RadioButton:
      return std::make_unique<RadioButtonWindow>(application, static_cast<RadioButton&>(control));
    case ControlKind::GroupBox:
      return std::make_unique<GroupBoxWindow>(application, control);
    case ControlKind::Label:
      return std::make_unique<LabelWindow>(application, control);
    case ControlKind::LinkLabel:
      return std::make_unique<LinkLabelWindow>(application, static_cast<LinkLabel&>(control));
    case ControlKind::Edit:
    case ControlKind::Memo:
      return std::make_unique<EditWindow>(application, static_cast<Edit&>(control));
    case ControlKind::ComboBox:
      return std::make_unique<ComboBoxWindow>(application, static_cast<ComboBox&>(control));
    case ControlKind::TabControl:
      return std::make_unique<TabControlWindow>(application, static_cast<TabControl&>(control));
    case ControlKind::Panel:
      return std::make_unique<PanelWindow>(application, static_cast<Panel&>(control));
    case ControlKind::Icon:
      return std::make_unique<IconWindow>(application, control);
    case ControlKind::Grid:
      return std::make_unique<Win32GridPeer>(application, static_cast<ListGrid&>(control));
  }
  return nullptr;
}

}  // namespace platform::win32
