#pragma once
// The one call through which every request reaches the shell, shaped like ShellExecuteW.
//
// It is defined alone in its own source file (Win32ShellHandOver.cpp), which calls
// ShellExecuteW. A program built for measuring may define it in a source file of its own: the
// linker then takes that definition and leaves the library's out, so the production code has
// no hook for it.
#include <windows.h>

namespace platform::win32 {

HINSTANCE ShellHandOver(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                        LPCWSTR directory, INT showCommand);

}  // namespace platform::win32
