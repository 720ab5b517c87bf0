#pragma once
// Popup menus through TrackPopupMenu, owned by a form's window.
#include <string>

#include "platform/PopupMenu.h"

namespace platform::win32 {

class Win32Application;

// The text AppendMenuW is to be given so that the menu shows the caption exactly: "&" would
// otherwise mark the next character as an access key and vanish.
std::wstring MenuItemText(const std::wstring& caption);

class Win32PopupMenu final : public PopupMenu {
 public:
  explicit Win32PopupMenu(Win32Application& application) : application_(application) {}

  std::optional<int> Track(Form& owner, const std::vector<MenuItem>& items, Point at) override;

 private:
  Win32Application& application_;
};

}  // namespace platform::win32
