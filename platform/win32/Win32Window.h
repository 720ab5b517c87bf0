#pragma once
// Window handles cross the platform interfaces as plain integers; these turn them back and
// forth at the Win32 boundary.
#include <windows.h>

#include "platform/Types.h"

namespace platform::win32 {

inline HWND ToHwnd(WindowHandle handle) { return reinterpret_cast<HWND>(handle); }

inline WindowHandle FromHwnd(HWND window) { return reinterpret_cast<WindowHandle>(window); }

}  // namespace platform::win32
