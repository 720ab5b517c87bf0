#pragma once
// Carries out a command's effect on Windows: the clipboard text as CF_UNICODETEXT, the
// program starts through the shell. A failure stops the effect and, unless the caller asked
// for no user interface, shows a message owned by the caller's window.
#include <windows.h>

#include "shellext/CommandEffect.h"

namespace shellext {

// The full paths of the system's command prompt and Explorer.
SystemPrograms SystemProgramPaths();

// S_OK when every part of the effect succeeded, E_FAIL at the first that failed.
HRESULT RunEffect(const CommandEffect& effect, HWND owner, bool showMessages);

}  // namespace shellext
