#pragma once
// An invisible form without border or caption whose only purpose is to own a popup menu,
// together with the application message loop that runs around it.
#include <string>
#include <vector>

#include "platform/Types.h"

namespace platform {

struct MenuItem {
  std::string caption;  // "-" draws a separator line
  bool visible = false;
};

class PopupFormEvents {
 public:
  virtual ~PopupFormEvents() = default;
  virtual void OnCreate() = 0;      // the form has been created
  virtual void OnShow() = 0;        // the form is being shown for the first time
  virtual void OnDeactivate() = 0;  // the application has lost activation
  virtual void OnPopup() = 0;       // the menu is about to appear
  virtual void OnClick(int position) = 0;  // the item at this position of the menu was chosen
};

class PopupForm {
 public:
  virtual ~PopupForm() = default;

  // Creates the form (OnCreate), shows it (OnShow) and runs the message loop until Terminate.
  // An exception that escapes a handler is shown as an error message with the title as
  // caption, and the loop goes on.
  virtual void Run(const std::string& applicationTitle, PopupFormEvents& events) = 0;

  virtual void MoveTo(Point topLeft) = 0;

  // Puts the form in front of all other windows without moving, sizing or hiding it.
  virtual void MakeTopmost() = 0;

  // Pops the visible items up at the screen point: OnPopup first, then OnClick with the
  // chosen item's position in `items` once the user picks one. Returns when the menu closes.
  virtual void Popup(const std::vector<MenuItem>& items, Point at) = 0;

  // Ends the message loop after the message being handled.
  virtual void Terminate() = 0;
};

}  // namespace platform
