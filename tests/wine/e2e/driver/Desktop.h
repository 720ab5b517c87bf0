#pragma once
// The driver's view of the desktop: it finds the windows of a program under test and uses
// them as a person would, through messages any process may send under Wine (reading window
// texts, pressing a button, keys posted to a popup menu).
#include <windows.h>

#include <string>

namespace e2e {

enum class IconKind { None, Information, Warning, Error };
const char* IconName(IconKind kind);

struct MessageBoxSeen {
  HWND window = nullptr;
  std::string caption;  // code page 932 bytes
  std::string text;     // code page 932 bytes
  IconKind icon = IconKind::None;
  HWND owner = nullptr;
  std::wstring buttons;  // the captions of its buttons, joined by '|'
};

// A plain visible window of the driver's own: made the foreground window before a program
// starts (so that "owned by the foreground window" can be told from "owned by the desktop")
// and activated to take the activation away from a program under test.
class DriverWindow {
 public:
  DriverWindow();
  ~DriverWindow();
  DriverWindow(const DriverWindow&) = delete;
  DriverWindow& operator=(const DriverWindow&) = delete;
  HWND Handle() const { return window_; }
  // Brings the window to the front and makes it the active, foreground window.
  void Activate();

 private:
  HWND window_ = nullptr;
};

// The first visible top-level window of the process with the class name, or null when none
// appears in time.
HWND WaitForWindowOfProcess(DWORD processId, const wchar_t* className, DWORD milliseconds);

class ChildProcess;
// The same for any process of the program's job: the program and whatever it started.
HWND WaitForWindowOfJob(const ChildProcess& program, const wchar_t* className, DWORD milliseconds);

// Reads caption, text, icon and owner of a message box.
MessageBoxSeen ReadMessageBox(HWND box);
// Presses the box's OK button.
void PressOk(HWND box);

// Picks the entry that `downs` presses of the Down key reach in an open popup menu (the first
// press reaches the first entry; separators are skipped), then confirms it with Return.
void ChooseMenuEntry(HWND menu, int downs);
// Closes an open popup menu without a choice.
void CloseMenuWithEscape(HWND menu);

}  // namespace e2e
