#pragma once
// The settings program's single entry: it makes its forms, shows the main window and runs
// until the main window is closed.
#include "platform/Platform.h"

// Runs the settings program on the platform and returns its exit code (always 0).
int RunTobrinPlus(platform::Platform& platform);
