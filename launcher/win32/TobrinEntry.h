#pragma once
// The whole of Tobrin.exe after its entry point, shared by the program and by the start-up
// benchmark's copy of it, so that both start and work alike up to the shell hand-over.
#include "platform/win32/Win32Shell.h"

int RunTobrinProgram(platform::win32::Win32Shell::HandOverFunction handOver);
