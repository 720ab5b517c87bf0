#pragma once
// The windows of the control kinds, and the one place that picks the window for a control.
#include <memory>

#include "platform/forms/Control.h"
#include "platform/win32/Win32ControlWindow.h"

namespace platform::win32 {

class Win32Application;

// The window for the control's kind, not yet created; null for a kind without a window here.
// The form window and the application treat every control's peer as a Win32ControlWindow.
std::unique_ptr<Win32ControlWindow> MakeControlWindow(Win32Application& application,
                                                      Control& control);

}  // namespace platform::win32
