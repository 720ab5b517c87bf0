#pragma once
// The parts of the desktop that every program uses: windows it names, the mouse pointer and
// message boxes.
#include <string>

#include "platform/Types.h"

namespace platform {

enum class MessageIcon { Information, Warning, Error };

class Ui {
 public:
  virtual ~Ui() = default;

  virtual WindowHandle ForegroundWindow() const = 0;
  virtual WindowHandle DesktopWindow() const = 0;

  // The mouse pointer in screen coordinates.
  virtual Point CursorPos() const = 0;

  // A message box with the text, the caption, one OK button and the icon; returns when the
  // user has closed it.
  virtual void ShowMessage(WindowHandle owner, const std::string& text,
                           const std::string& caption, MessageIcon icon) = 0;

  // Lets the window messages that are waiting be handled once.
  virtual void ProcessMessages() = 0;
};

}  // namespace platform
