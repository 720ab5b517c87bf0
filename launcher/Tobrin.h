#pragma once
// The launcher program's single entry: started with one argument it opens that page file in
// the selected viewer; started with any other number of arguments it pops up the context menu
// for the page that the browser's context-menu script handed over.
#include "platform/Platform.h"

// Runs the launcher on the platform and returns the program's exit code (always 0).
int RunTobrin(platform::Platform& platform);
