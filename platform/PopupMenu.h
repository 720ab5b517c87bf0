#pragma once
// Popup menus: a list of entries shown at a screen point, owned by a form's window.
#include <optional>
#include <string>
#include <vector>

#include "platform/Types.h"

namespace platform {

class Form;

struct MenuItem {
  std::string caption;  // "-" draws a separator line; "&" shows as itself, not as an access key
  bool visible = false;
};

class PopupMenu {
 public:
  virtual ~PopupMenu() = default;

  // Pops the visible items up at the screen point, in front of other windows, and returns
  // when the menu closes: with the chosen item's position in `items`, or with nothing when
  // the user closed the menu without a choice. A menu closed while another program is active
  // counts as the application's loss of activation.
  virtual std::optional<int> Track(Form& owner, const std::vector<MenuItem>& items, Point at) = 0;
};

}  // namespace platform
