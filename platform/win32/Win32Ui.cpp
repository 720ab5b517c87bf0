#include "platform/win32/Win32Ui.h"

#include <windows.h>

#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"

namespace platform::win32 {

namespace {

UINT IconStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return MB_ICONINFORMATION;
    case MessageIcon::Warning:
      return MB_ICONWARNING;
    case MessageIcon::Error:
      return MB_ICONERROR;
  }
  return MB_ICONERROR;
}

}  // namespace

WindowHandle Win32Ui::ForegroundWindow() const { return FromHwnd(GetForegroundWindow()); }

WindowHandle Win32Ui::DesktopWindow() const { return FromHwnd(GetDesktopWindow()); }

Point Win32Ui::CursorPos() const {
  POINT position{};
  if (!GetCursorPos(&position)) return {};
  return {position.x, position.y};
}

void Win32Ui::ShowMessage(WindowHandle owner, const std::string& text, const std::string& caption,
                          MessageIcon icon) {
  MessageBoxW(ToHwnd(owner), ToWide(text).c_str(), ToWide(caption).c_str(),
              MB_OK | IconStyle(icon));
}

void Win32Ui::ProcessMessages() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The quit request belongs to the message loop that runs around us: put it back for it.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace platform::win32
