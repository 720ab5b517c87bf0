#pragma once
// Message boxes, the windows the programs name and the mouse pointer, through user32.
#include "platform/Ui.h"

namespace platform::win32 {

class Win32Ui final : public Ui {
 public:
  WindowHandle ForegroundWindow() const override;
  WindowHandle DesktopWindow() const override;
  Point CursorPos() const override;
  void ShowMessage(WindowHandle owner, const std::string& text, const std::string& caption,
                   MessageIcon icon) override;
  void ProcessMessages() override;
};

}  // namespace platform::win32
