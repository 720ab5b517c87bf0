#pragma once
// The items of Explorer's selection, from the data object it hands to IShellExtInit.
#include <windows.h>
// COM's base interfaces, which windows.h leaves out in its lean form.
#include <objbase.h>

#include <optional>

#include "shellext/Selection.h"

namespace shellext {

// The full paths the data object carries as CF_HDROP, each of any length, with a folder test
// through the file system; nothing when the object has no such list.
std::optional<Selection> SelectionOf(IDataObject& data);

}  // namespace shellext
