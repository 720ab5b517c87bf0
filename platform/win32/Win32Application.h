#pragma once
// The application object on Win32: real windows for the forms (Win32FormWindow), the message
// loop with the dialog keys, modal dialogs, the end of the program, the loss of activation and
// the standard error report as a message box.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Application.h"

namespace platform::win32 {

class Win32FormWindow;

class Win32Application : public Application {
 public:
  Win32Application();
  Win32Application(const Win32Application&) = delete;
  Win32Application& operator=(const Win32Application&) = delete;
  ~Win32Application() override;

  void SetTitle(const std::string& title) override { title_ = title; }
  const std::string& Title() const override { return title_; }
  void CreateForm(Form& form) override;
  void Run(Form& mainForm) override;
  void ShowModal(Form& dialog) override;
  void Terminate() override;
  Size ScreenSize() const override;
  Size WindowSize(const Form& form) const override;
  // A message box with the text, the title as caption and the error icon, owned by the
  // foreground window.
  void ShowException(const std::string& text) override;

  // The window of a created form, or null (a page waits for its tab control's window).
  HWND WindowOf(const Form& form) const;
  // Makes the windows of the created pages that are now shown in their tab control's window.
  void CreatePendingPages();
  bool IsMainForm(const Form& form) const { return mainForm_ == &form; }
  // The program has lost activation: runs OnDeactivate through the error report.
  void LostActivation();
  // The form is being destroyed: its window goes.
  void Forget(const Form& form);

 private:
  // Handles messages until the form is no longer shown or the program is to end.
  void RunLoop(const Form& form);
  // The keys of a form's keyboard interface; true when the message has been handled.
  bool HandleFormKey(MSG& message);
  const Form* FormOfWindow(HWND window) const;
  // Tab and Shift+Tab: the next or previous tab stop in the form's tab order.
  void MoveFocus(const Form& form, bool backwards);
  // Ctrl+Tab and Ctrl+Shift+Tab: the next or previous page of the form's tab control.
  void TurnPage(const Form& form, bool backwards);
  void CreateWindowFor(Form& form, HWND parent);
  // The main form's window (a dialog's owner), or null.
  HWND MainWindow() const;

  std::string title_;
  std::map<const Form*, std::unique_ptr<Win32FormWindow>> windows_;
  std::vector<Form*> pendingPages_;
  Form* mainForm_ = nullptr;
  bool terminated_ = false;
};

}  // namespace platform::win32
