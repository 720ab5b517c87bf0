#pragma once
// What every form of the settings program needs from its surroundings: the program folder,
// its access object for the settings file, and the program's message boxes.
#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "shared/TIniGT.h"

// The folder of the running settings program, ending in a backslash.
std::string ProgramFolder(const platform::Platform& platform);

// An access object for the settings file in the program folder, the file the launcher reads.
TIniGT SettingsFileAccess(platform::Platform& platform);

// A message box with the text, the application title as caption and one OK button.
void ShowSettingsMessage(platform::Platform& platform, platform::WindowHandle owner,
                         std::string_view text, platform::MessageIcon icon);
