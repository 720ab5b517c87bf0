#pragma once
// The popup form and its message loop, played out in memory. Run delivers OnCreate and
// OnShow; a Popup records the items and the point, delivers OnPopup and then OnClick for the
// scripted choice. When OnShow has returned and the program is still running, the
// application loses activation (OnDeactivate) if the script says so. The loop then ends
// whether or not the program was told to end; `terminated` tells which.
#include <optional>
#include <string>
#include <vector>

#include "platform/PopupForm.h"

namespace platform::memory {

class MemoryPopupForm : public PopupForm {
 public:
  struct ShownPopup {
    std::vector<MenuItem> items;
    Point at;
  };

  // --- Script ---
  // The position the user picks in the next popup; nothing closes the menu without a choice.
  // A position whose item is hidden, or a separator, cannot be picked and closes the menu.
  std::optional<int> choice;
  // Whether the application loses activation once the form has been shown.
  bool losesActivation = true;

  // --- Record ---
  std::vector<std::string> runTitles;
  std::vector<Point> moves;
  std::vector<ShownPopup> popups;
  int topmostCount = 0;
  int terminateCount = 0;
  bool terminated = false;
  // The messages of the exceptions that escaped a handler and that Run reported.
  std::vector<std::string> reportedErrors;

  void Run(const std::string& applicationTitle, PopupFormEvents& events) override;
  void MoveTo(Point topLeft) override { moves.push_back(topLeft); }
  void MakeTopmost() override { ++topmostCount; }
  void Popup(const std::vector<MenuItem>& items, Point at) override;
  void Terminate() override;

 private:
  // Calls the handler, reporting what escapes it as the real loop does.
  template <typename Handler>
  void Deliver(Handler handler);

  PopupFormEvents* events_ = nullptr;
};

}  // namespace platform::memory
