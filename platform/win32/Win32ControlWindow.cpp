#include "platform/win32/Win32ControlWindow.h"

#include <commctrl.h>

#include "platform/win32/Win32Application.h"
#include "platform/win32/Win32Text.h"

namespace platform::win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

Win32ControlWindow::Win32ControlWindow(Win32Application& application, Control& control)
    : application_(application), control_(control) {}

Win32ControlWindow::~Win32ControlWindow() {
  if (window_ != nullptr) RemoveWindowSubclass(window_, &SubclassProcedure, kSubclassId);
}

bool Win32ControlWindow::Create(HWND parent, int id, bool startsGroup) {
  const WindowClass kind = Class();
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | kind.style;
  if (control_.TabStop()) style |= WS_TABSTOP;
  if (startsGroup) style |= WS_GROUP;
  if (!control_.Enabled()) style |= WS_DISABLED;
  window_ = CreateWindowExW(kind.exStyle, kind.name, ToWide(control_.Caption()).c_str(), style, 0,
                            0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
  if (window_ == nullptr) return false;
  SetWindowSubclass(window_, &SubclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  control_.AttachPeer(this);
  return true;
}

void Win32ControlWindow::Place(const Win32FormFonts& fonts) {
  const Bounds& bounds = control_.GetBounds();
  const UINT dpi = fonts.Dpi();
  SetWindowPos(window_, nullptr, ScaleForDpi(bounds.left, dpi), ScaleForDpi(bounds.top, dpi),
               ScaleForDpi(bounds.width, dpi), ScaleForDpi(HeightAt96(), dpi),
               SWP_NOZORDER | SWP_NOACTIVATE);
  HFONT font = control_.look.bold ? fonts.Bold() : fonts.Plain();
  if (control_.Kind() == ControlKind::LinkLabel) font = fonts.Underlined();
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void Win32ControlWindow::Refresh() {
  if (window_ == nullptr) return;
  refreshing_ = true;
  ShowState();
  if ((IsWindowEnabled(window_) != FALSE) != control_.Enabled()) {
    EnableWindow(window_, control_.Enabled());
  }
  refreshing_ = false;
}

void Win32ControlWindow::TakeFocus() {
  if (window_ != nullptr && GetFocus() != window_) SetFocus(window_);
}

void Win32ControlWindow::Command(WORD code) {
  if (!refreshing_) OnCommand(code);
}

void Win32ControlWindow::Notify(const NMHDR& header) {
  if (!refreshing_) OnNotify(header);
}

std::optional<COLORREF> Win32ControlWindow::TextColour() const {
  if (control_.look.color == TextColor::Default) return std::nullopt;
  return ColourOf(control_.look.color);
}

bool Win32ControlWindow::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

void Win32ControlWindow::ShowText(const std::string& text) {
  // Setting an unchanged text would still flicker and, in an edit field, move the caret.
  if (WindowTextOf() != text) SetWindowTextW(window_, ToWide(text).c_str());
}

std::string Win32ControlWindow::WindowTextOf() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
  const int length = GetWindowTextW(window_, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
  return ToAnsi(text);
}

void Win32ControlWindow::Deliver(const std::function<void()>& action) {
  application_.Guarded(action);
}

LRESULT CALLBACK Win32ControlWindow::SubclassProcedure(HWND window, UINT message, WPARAM wParam,
                                                       LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* peer = reinterpret_cast<Win32ControlWindow*>(self);
  if (message == WM_SETFOCUS && !peer->refreshing_) peer->control_.FocusedByUser();
  LRESULT result = 0;
  if (peer->OnMessage(message, wParam, lParam, result)) return result;
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace platform::win32
