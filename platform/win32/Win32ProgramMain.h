#pragma once
// What the entry point of each program does: run the program's logic on the Win32 platform,
// with a last resort for an error that escaped it before or after its message loop (the loop
// itself reports what escapes an event handler): the user sees it, and the program ends.
#include "platform/Platform.h"

namespace platform::win32 {

using ProgramLogic = int (*)(platform::Platform& platform);

// Returns the program's exit code, or 0 after reporting an escaped error.
int RunProgramOnWin32(ProgramLogic program);

}  // namespace platform::win32
