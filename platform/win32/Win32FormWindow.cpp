#include "platform/win32/Win32FormWindow.h"

#include <stdexcept>
#include <string>

#include "platform/forms/Controls.h"
#include "platform/win32/Win32Application.h"
#include "platform/win32/Win32ControlWindows.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"

namespace platform::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"TobrinForm";
constexpr char kCannotCreateWindow[] = "ウィンドウを作成できません";
// Control ids start above the ids of the dialog manager's own commands (IDOK, IDCANCEL, ...).
constexpr int kFirstControlId = 100;

HINSTANCE ThisModule() { return GetModuleHandleW(nullptr); }

void RegisterFormClass(WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(ThisModule(), kFormClass, &existing)) return;
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = CS_DBLCLKS;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = ThisModule();
  // The program's own icon, resource 1; a program without one gets the system's.
  windowClass.hIcon = LoadIconW(ThisModule(), MAKEINTRESOURCEW(1));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kFormClass;
  RegisterClassExW(&windowClass);
}

// A radio button starts a group unless the control before it is a radio button of its group;
// every other control is a group of its own, so that arrow keys move only within radio groups.
bool StartsGroup(const std::vector<Control*>& controls, std::size_t index) {
  const Control* control = controls[index];
  if (control->Kind() != ControlKind::RadioButton || index == 0) return true;
  const Control* before = controls[index - 1];
  return before->Kind() != ControlKind::RadioButton ||
         static_cast<const RadioButton*>(before)->Group() !=
             static_cast<const RadioButton*>(control)->Group();
}

}  // namespace

Win32FormWindow::Win32FormWindow(Win32Application& application, Form& form, HWND parent)
    : application_(application), form_(form) {
  RegisterFormClass(&Win32FormWindow::Procedure);
  const Point place = form.Position();
  window_ = CreateWindowExW(ExStyleOf(form.Style()), kFormClass, ToWide(form.Caption()).c_str(),
                            StyleOf(form.Style()), place.x, place.y, 0, 0, parent, nullptr,
                            ThisModule(), this);
  if (window_ == nullptr) throw std::runtime_error(kCannotCreateWindow);
  form_.SetHandle(FromHwnd(window_));
  form_.AttachPeer(this);
  try {
    CreateControls();
  } catch (...) {
    Destroy();  // no destructor runs for a constructor that throws
    throw;
  }
  Layout(GetDpiForWindow(window_));
  for (const auto& control : controls_) control->Refresh();
  // Frames go behind the controls they hold; a frame inside another (created after it) stays
  // above the outer one, so they are sent to the bottom from the last to the first.
  for (auto control = controls_.rbegin(); control != controls_.rend(); ++control) {
    if ((*control)->Behind()) {
      SetWindowPos((*control)->Window(), HWND_BOTTOM, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
}

Win32FormWindow::~Win32FormWindow() { Destroy(); }

void Win32FormWindow::Destroy() {
  if (!released_) {
    form_.AttachPeer(nullptr);
    form_.SetHandle(0);
    for (const auto& control : controls_) control->Target().AttachPeer(nullptr);
  }
  controls_.clear();
  if (window_ != nullptr) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
    window_ = nullptr;
  }
}

DWORD Win32FormWindow::StyleOf(FormStyle style) {
  switch (style) {
    // Not WS_CLIPCHILDREN: a group box paints only its frame and caption, and the form's
    // background must show through inside it.
    case FormStyle::Main:
    case FormStyle::Dialog:
      return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    case FormStyle::Page:
      return WS_CHILD | WS_CLIPSIBLINGS;
    case FormStyle::Popup:
      return WS_POPUP;
  }
  return WS_POPUP;
}

DWORD Win32FormWindow::ExStyleOf(FormStyle style) {
  // A tool window has no taskbar button; the other forms let the dialog keys reach into pages.
  return style == FormStyle::Popup ? WS_EX_TOOLWINDOW : WS_EX_CONTROLPARENT;
}

Size Win32FormWindow::WindowSizeAt(const Form& form, UINT dpi) {
  const Size client{ScaleForDpi(form.ClientSize().width, dpi),
                    ScaleForDpi(form.ClientSize().height, dpi)};
  if (form.Style() == FormStyle::Page || form.Style() == FormStyle::Popup) return client;
  RECT frame{0, 0, client.width, client.height};
  AdjustWindowRectExForDpi(&frame, StyleOf(form.Style()), FALSE, ExStyleOf(form.Style()), dpi);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

void Win32FormWindow::CreateControls() {
  const std::vector<Control*>& controls = form_.Controls();
  for (std::size_t index = 0; index < controls.size(); ++index) {
    std::unique_ptr<Win32ControlWindow> control = MakeControlWindow(application_, *controls[index]);
    if (control == nullptr) continue;
    const int id = kFirstControlId + static_cast<int>(index);
    if (!control->Create(window_, id, StartsGroup(controls, index))) {
      throw std::runtime_error(kCannotCreateWindow);
    }
    controls_.push_back(std::move(control));
  }
}

void Win32FormWindow::Layout(UINT dpi) {
  // The controls let go of the old fonts only once they have the new ones.
  std::unique_ptr<Win32FormFonts> old = std::move(fonts_);
  fonts_ = std::make_unique<Win32FormFonts>(dpi);
  if (IsTopLevel()) {
    const Size size = WindowSizeAt(form_, dpi);
    SetWindowPos(window_, nullptr, 0, 0, size.width, size.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  for (const auto& control : controls_) control->Place(*fonts_);
}

Win32ControlWindow* Win32FormWindow::ControlOf(HWND child) const {
  for (const auto& control : controls_) {
    if (control->Window() == child) return control.get();
  }
  return nullptr;
}

void Win32FormWindow::Refresh() {
  const std::wstring caption = ToWide(form_.Caption());
  wchar_t shown[256] = {};
  GetWindowTextW(window_, shown, 256);
  if (caption != shown) SetWindowTextW(window_, caption.c_str());
  if (!IsTopLevel()) return;
  RECT placed{};
  GetWindowRect(window_, &placed);
  const Point position = form_.Position();
  if (placed.left != position.x || placed.top != position.y) {
    SetWindowPos(window_, nullptr, position.x, position.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const bool topmost = (GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
  if (form_.Topmost() != topmost) {
    SetWindowPos(window_, form_.Topmost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | (form_.Topmost() ? SWP_SHOWWINDOW : 0));
  }
}

void Win32FormWindow::Show() {
  if (!IsTopLevel()) return;  // a page shows with its tab
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  SetForegroundWindow(window_);
  if (form_.Style() != FormStyle::Popup) FocusFirstControl();
}

void Win32FormWindow::Hide() {
  if (!IsTopLevel()) return;
  // The owner of a modal dialog gets its input back before the dialog goes, so that the
  // activation returns to it and not to another program.
  HWND owner = GetWindow(window_, GW_OWNER);
  if (form_.Style() == FormStyle::Dialog && owner != nullptr) EnableWindow(owner, TRUE);
  ShowWindow(window_, SW_HIDE);
}

void Win32FormWindow::Release() {
  released_ = true;
  application_.Forget(form_);  // destroys this window
}

void Win32FormWindow::FocusFirstControl() {
  Control* focused = form_.FocusedControl();
  if (focused != nullptr && focused->Peer() != nullptr) {
    focused->Peer()->TakeFocus();
    return;
  }
  for (const auto& control : controls_) {
    const Control& target = control->Target();
    if (target.TabStop() && target.Enabled()) {
      control->TakeFocus();
      return;
    }
  }
}

void Win32FormWindow::NoteMove() {
  // A minimised window sits at the system's parking place and a maximised one over the
  // screen: neither is the place to remember.
  if (IsIconic(window_) || IsZoomed(window_)) return;
  RECT placed{};
  GetWindowRect(window_, &placed);
  form_.MovedByUser({placed.left, placed.top});
}

LRESULT Win32FormWindow::ColourText(HDC dc, HWND child) {
  Win32ControlWindow* control = ControlOf(child);
  const std::optional<COLORREF> colour = control ? control->TextColour() : std::nullopt;
  if (!colour) return 0;
  SetTextColor(dc, *colour);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK Win32FormWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  // Messages sent while CreateWindowExW runs arrive before window_ is known.
  if (self == nullptr || self->window_ == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return self->Handle(message, wParam, lParam);
}

LRESULT Win32FormWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (Win32ControlWindow* control = ControlOf(reinterpret_cast<HWND>(lParam))) {
        control->Command(HIWORD(wParam));
        return 0;
      }
      break;
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      if (Win32ControlWindow* control = ControlOf(header->hwndFrom)) control->Notify(*header);
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      if (LRESULT brush = ColourText(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
        return brush;
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (Win32ControlWindow* control = ControlOf(item->hwndItem)) {
        control->Draw(*item);
        return TRUE;
      }
      break;
    }
    case WM_MOVE:
      if (IsTopLevel()) NoteMove();
      break;
    case WM_CLOSE:
      application_.Guarded([this] { form_.Close(); });
      return 0;
    case WM_ACTIVATEAPP:
      if (wParam == FALSE && application_.IsMainForm(form_)) application_.LostActivation();
      break;
    case WM_ACTIVATE:
      if (form_.Style() == FormStyle::Popup) break;
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
      } else if (lastFocus_ != nullptr && IsWindow(lastFocus_)) {
        SetFocus(lastFocus_);
      } else {
        FocusFirstControl();
      }
      return 0;
    case WM_DPICHANGED:
      if (IsTopLevel()) {
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        Layout(HIWORD(wParam));
      }
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace platform::win32
