#pragma once
// The invisible popup-owner form of the launcher's menu mode as a real window: a zero-sized
// borderless tool window that is shown and made the foreground window, so that a popup menu
// it owns closes when the user clicks elsewhere and the loss of activation is noticed.
#include <windows.h>

#include <string>

#include "platform/PopupForm.h"

namespace platform::win32 {

// The text AppendMenuW is to be given so that the menu shows the caption exactly: "&" would
// otherwise mark the next character as an access key and vanish.
std::wstring MenuItemText(const std::wstring& caption);

class Win32PopupForm final : public PopupForm {
 public:
  Win32PopupForm() = default;
  Win32PopupForm(const Win32PopupForm&) = delete;
  Win32PopupForm& operator=(const Win32PopupForm&) = delete;
  ~Win32PopupForm() override;

  void Run(const std::string& applicationTitle, PopupFormEvents& events) override;
  void MoveTo(Point topLeft) override;
  void MakeTopmost() override;
  void Popup(const std::vector<MenuItem>& items, Point at) override;
  void Terminate() override;

  // The form's window while Run is under way (for tests and message owners); null otherwise.
  HWND Window() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  bool CreateFormWindow();
  void DestroyFormWindow();
  void RunMessageLoop();
  // Runs one event handler; an exception that escapes it is shown as an error message and
  // the program goes on, as the application object of a form program does.
  template <typename Handler>
  void Guarded(Handler&& handler);
  void ShowError(const std::string& text);

  std::wstring title_;
  PopupFormEvents* events_ = nullptr;
  HWND window_ = nullptr;
  bool terminated_ = false;
};

}  // namespace platform::win32
