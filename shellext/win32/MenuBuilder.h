#pragma once
// Puts the planned lines into Explorer's menu.
#include <windows.h>

#include <vector>

#include "shellext/ContextMenuPlan.h"

namespace shellext {

// Inserts the lines at the position, a command with the identifier firstId + its offset, a
// submenu as a popup of its own. False when Windows refused a line; the lines inserted
// before it are taken out again.
bool InsertMenuLines(HMENU menu, UINT position, const std::vector<MenuLine>& lines, UINT firstId);

}  // namespace shellext
