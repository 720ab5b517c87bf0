#include "settings/SettingsProgram.h"

#include "shared/PathText.h"
#include "shared/ProductTexts.h"

std::string ProgramFolder(const platform::Platform& platform) {
  return std::string(FolderPart(platform.process.ProgramPath()));
}

// The launcher names the file "TobrinPlus.ini". The settings program uses the same name rather
// than one derived from its own file name, so that a renamed TobrinPlus.exe still edits the
// file that the launcher and the Explorer component read.
TIniGT SettingsFileAccess(platform::Platform& platform) {
  return TIniGT(platform.files, ProgramFolder(platform),
                std::string(product_text::kSettingsFileName));
}

void ShowSettingsMessage(platform::Platform& platform, platform::WindowHandle owner,
                         std::string_view text, platform::MessageIcon icon) {
  platform.ui.ShowMessage(owner, std::string(text), std::string(product_text::kTitle), icon);
}
