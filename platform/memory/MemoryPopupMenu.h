#pragma once
// Popup menus played out in memory: each Track records the items, the point and the owner's
// state, and returns the scripted choice. A position whose item is hidden, or a separator,
// cannot be picked and closes the menu without a choice.
#include <optional>
#include <string>
#include <vector>

#include "platform/PopupMenu.h"
#include "platform/forms/Form.h"

namespace platform::memory {

class MemoryPopupMenu : public PopupMenu {
 public:
  struct ShownPopup {
    std::vector<MenuItem> items;
    Point at;
    std::string owner;    // the owning form's name
    Point ownerPosition;  // where the owner stood
    bool ownerTopmost;    // whether the owner stood in front of other windows
  };

  // --- Script ---
  // The position the user picks in the next popup; nothing closes the menu without a choice.
  std::optional<int> choice;

  // --- Record ---
  std::vector<ShownPopup> popups;

  std::optional<int> Track(Form& owner, const std::vector<MenuItem>& items, Point at) override {
    popups.push_back({items, at, owner.Name(), owner.Position(), owner.Topmost()});
    if (!choice || *choice < 0 || *choice >= static_cast<int>(items.size())) return std::nullopt;
    const MenuItem& item = items[*choice];
    if (!item.visible || item.caption == "-") return std::nullopt;
    return choice;
  }
};

}  // namespace platform::memory
