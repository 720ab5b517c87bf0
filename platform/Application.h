#pragma once
// The application object of a form program: its title, the windows of its forms, the message
// loop, the end of the program, the loss of activation and the standard error report.
#include <exception>
#include <functional>
#include <string>

#include "platform/forms/Form.h"

namespace platform {

// What the standard error report says of an error that carries no text of its own.
inline constexpr const char* kUnexpectedErrorText = "予期しないエラーが発生しました";

class Application {
 public:
  virtual ~Application() = default;

  // The caption of every message box the program shows.
  virtual void SetTitle(const std::string& title) = 0;
  virtual const std::string& Title() const = 0;

  // Makes the form known to the platform, which makes its window and the windows of its
  // controls at the latest when the form is first shown (a page when its tab is first shown,
  // a dialog when it is first shown modally). Forms are created once and live until the
  // program ends.
  virtual void CreateForm(Form& form) = 0;

  // Shows the main form (running its OnShow) and runs the message loop until it is closed or
  // Terminate is called.
  virtual void Run(Form& mainForm) = 0;

  // Shows the dialog form over the program's windows and returns when it has been closed.
  virtual void ShowModal(Form& dialog) = 0;

  // Ends the message loop after the message being handled.
  virtual void Terminate() = 0;

  // The screen's size and the size of the form's whole window (border and caption included).
  virtual Size ScreenSize() const = 0;
  virtual Size WindowSize(const Form& form) const = 0;

  // Runs an event handler; an exception that escapes it is shown by ShowException and the
  // program goes on. The message loop delivers every event through it.
  void Guarded(const std::function<void()>& handler);

  // The standard error report: a message box with the error's text, the title as caption,
  // the error icon and one OK button.
  virtual void ShowException(const std::string& text) = 0;

  // Runs when the program has lost activation (another program became active).
  std::function<void()> OnDeactivate;
};

inline void Application::Guarded(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ShowException(error.what());
  } catch (...) {
    ShowException(kUnexpectedErrorText);
  }
}

}  // namespace platform
