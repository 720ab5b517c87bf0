#pragma once
// How the launcher hands a viewer or a site address to the shell.
#include <string>
#include <string_view>

#include "platform/Platform.h"

// Asks the shell to open `file` with `parameters` (verb "Open", no owner, no working folder,
// shown normally) and does not wait for it. When the shell answers that the file is not
// found, `notFoundMessage` is shown as an error owned by the desktop; other answers, success
// or failure, pass in silence.
void OpenThroughShell(platform::Platform& platform, const std::string& file,
                      const std::string& parameters, std::string_view notFoundMessage);
