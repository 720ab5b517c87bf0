#pragma once
// The settings file in the component's own folder, read whole at every menu so that a
// change applied in the settings program shows at the next right-click.
#include <string>

namespace shellext {

// The file's bytes; empty when it is missing, unreadable or larger than
// kMostSettingsFileBytes, all of which give the settings' defaults (every switch off).
std::string ReadSettingsBesideModule();

}  // namespace shellext
