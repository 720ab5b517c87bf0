#include "platform/win32/Win32PopupMenu.h"

#include <windows.h>

#include "platform/forms/Form.h"
#include "platform/win32/Win32Application.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"

namespace platform::win32 {

namespace {

// Menu item ids start at 1, since TrackPopupMenu returns 0 for "nothing chosen".
UINT_PTR ItemId(std::size_t position) { return position + 1; }

HMENU BuildMenu(const std::vector<MenuItem>& items) {
  HMENU menu = CreatePopupMenu();
  if (menu == nullptr) return nullptr;
  for (std::size_t position = 0; position < items.size(); ++position) {
    const MenuItem& item = items[position];
    if (!item.visible) continue;
    if (item.caption == "-") {
      AppendMenuW(menu, MF_SEPARATOR, ItemId(position), nullptr);
    } else {
      const std::wstring text = MenuItemText(ToWide(item.caption));
      AppendMenuW(menu, MF_STRING, ItemId(position), text.c_str());
    }
  }
  return menu;
}

}  // namespace

std::wstring MenuItemText(const std::wstring& caption) {
  std::wstring text;
  text.reserve(caption.size());
  for (const wchar_t character : caption) {
    if (character == L'&') text += L'&';
    text += character;
  }
  return text;
}

std::optional<int> Win32PopupMenu::Track(Form& owner, const std::vector<MenuItem>& items,
                                         Point at) {
  HWND window = ToHwnd(owner.Handle());
  if (window == nullptr) return std::nullopt;
  HMENU menu = BuildMenu(items);
  if (menu == nullptr) return std::nullopt;
  // A menu closes on a click elsewhere only when its owner is the foreground window.
  SetForegroundWindow(window);
  const int chosen =
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x,
                     at.y, 0, window, nullptr);
  // Without a message after the menu, the next popup of a background window would close at once.
  PostMessageW(window, WM_NULL, 0, 0);
  DestroyMenu(menu);
  if (chosen > 0) return chosen - 1;
  if (GetForegroundWindow() != window) {
    // Closed without a choice while another program is active: the loss of activation has
    // already gone by (or never reached a window that was not the foreground one), so report
    // it now rather than wait for one that will never come.
    application_.LostActivation();
  }
  return std::nullopt;
}

}  // namespace platform::win32
