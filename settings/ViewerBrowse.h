#pragma once
// The file dialog of the viewer pages' "参照" buttons: an executable to start as a viewer.
#include <optional>
#include <string>

#include "platform/FileDialogs.h"
#include "platform/Platform.h"

// The options the viewer pages show the dialog with.
platform::FileDialogOptions ViewerDialogOptions();

// Shows the dialog owned by the foreground window: the chosen full path, or nothing when the
// user cancelled.
std::optional<std::string> BrowseForViewer(platform::Platform& platform);
