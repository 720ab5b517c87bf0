#include "shellext/win32/MenuBuilder.h"

#include <string>

#include "shellext/win32/WideText.h"

namespace shellext {

namespace {

bool InsertLine(HMENU menu, UINT position, const MenuLine& line, UINT firstId) {
  MENUITEMINFOW item{};
  item.cbSize = sizeof item;
  std::wstring caption = ToWindows(line.caption);
  switch (line.kind) {
    case MenuLine::kSeparator:
      item.fMask = MIIM_FTYPE;
      item.fType = MFT_SEPARATOR;
      return InsertMenuItemW(menu, position, TRUE, &item) != FALSE;
    case MenuLine::kCommand:
      item.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID;
      item.fType = MFT_STRING;
      item.wID = firstId + static_cast<UINT>(line.command);
      item.dwTypeData = caption.data();
      return InsertMenuItemW(menu, position, TRUE, &item) != FALSE;
    case MenuLine::kSubmenu: {
      HMENU submenu = CreatePopupMenu();
      if (submenu == nullptr) return false;
      item.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
      item.fType = MFT_STRING;
      item.hSubMenu = submenu;
      item.dwTypeData = caption.data();
      if (!InsertMenuLines(submenu, 0, line.lines, firstId) ||
          !InsertMenuItemW(menu, position, TRUE, &item)) {
        DestroyMenu(submenu);
        return false;
      }
      return true;  // the menu owns the submenu from here on
    }
  }
  return false;
}

}  // namespace

bool InsertMenuLines(HMENU menu, UINT position, const std::vector<MenuLine>& lines, UINT firstId) {
  for (UINT done = 0; done < lines.size(); ++done) {
    if (!InsertLine(menu, position + done, lines[done], firstId)) {
      while (done-- > 0) DeleteMenu(menu, position + done, MF_BYPOSITION);
      return false;
    }
  }
  return true;
}

}  // namespace shellext
