#pragma once
// A desktop for tests: fixed foreground and desktop windows, a scripted mouse pointer, and a
// record of every message box and every round of message handling.
#include <string>
#include <vector>

#include "platform/Ui.h"

namespace platform::memory {

class MemoryUi : public Ui {
 public:
  static constexpr WindowHandle kForegroundWindow = 0x1F00;
  static constexpr WindowHandle kDesktopWindow = 0xDE50;

  struct Message {
    WindowHandle owner = 0;
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::Information;
    friend bool operator==(const Message&, const Message&) = default;
  };

  Point cursor;
  std::vector<Message> messages;
  int processMessagesCount = 0;

  WindowHandle ForegroundWindow() const override { return kForegroundWindow; }
  WindowHandle DesktopWindow() const override { return kDesktopWindow; }
  Point CursorPos() const override { return cursor; }
  void ShowMessage(WindowHandle owner, const std::string& text, const std::string& caption,
                   MessageIcon icon) override;
  void ProcessMessages() override { ++processMessagesCount; }
};

}  // namespace platform::memory
