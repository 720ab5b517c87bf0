#pragma once
// The application object played out in memory. Forms get distinct made-up handles; Run shows
// the main form, plays the test's user session and closes the main form if the session left
// it open; ShowModal shows the dialog, plays the test's dialog session and closes it. Errors
// that escape an event handler delivered through Guarded are recorded, as the real loop shows
// them. The loss of activation comes after the user session when the script asks for it.
#include <functional>
#include <string>
#include <vector>

#include "platform/Application.h"

namespace platform::memory {

class MemoryApplication : public Application {
 public:
  // --- Script ---
  Size screenSize{1024, 768};
  // What the border and caption add to a form's client area.
  Size frameExtra{6, 29};
  // What the user does while the main form runs; nothing closes it at once.
  std::function<void()> userSession;
  // What the user does in a modal dialog before it closes.
  std::function<void(Form& dialog)> dialogSession;
  // Whether the program loses activation (another program becomes active) after the user
  // session, unless it has been told to end by then.
  bool losesActivation = false;

  // --- Record ---
  std::vector<Form*> createdForms;
  std::vector<std::string> runForms;  // names of the main forms run, in order
  std::vector<std::string> modalForms;  // names, in the order they were shown
  std::vector<std::string> reportedErrors;
  int terminateCount = 0;

  // --- Application ---
  void SetTitle(const std::string& title) override { title_ = title; }
  const std::string& Title() const override { return title_; }
  void CreateForm(Form& form) override;
  void Run(Form& mainForm) override;
  void ShowModal(Form& dialog) override;
  void Terminate() override { ++terminateCount; }
  Size ScreenSize() const override { return screenSize; }
  Size WindowSize(const Form& form) const override;
  void ShowException(const std::string& text) override { reportedErrors.push_back(text); }

 private:
  std::string title_;
  WindowHandle nextHandle_ = 0x4000;
};

}  // namespace platform::memory
