// Nothing else belongs in this file: a measuring build replaces the whole of it at link time
// (see Win32ShellHandOver.h).
#include "platform/win32/Win32ShellHandOver.h"

// shellapi.h needs the types of windows.h first.
#include <shellapi.h>

namespace platform::win32 {

HINSTANCE ShellHandOver(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters,
                        LPCWSTR directory, INT showCommand) {
  return ShellExecuteW(owner, verb, file, parameters, directory, showCommand);
}

}  // namespace platform::win32
