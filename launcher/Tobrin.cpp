#include "launcher/Tobrin.h"

#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "launcher/HandOffFile.h"
#include "launcher/LauncherMessage.h"
#include "launcher/LauncherTexts.h"
#include "launcher/TobrinMenuList.h"
#include "launcher/ViewSource.h"
#include "shared/ProductTexts.h"
#include "shared/TbSysUtl.h"

namespace {

// Menu mode: check the hand-off file, then run the popup form until it ends the program.
void RunMenuMode(platform::Platform& platform) {
  const std::string tempFolder = GetSpecialFolderPath(platform.folders, platform.files,
                                                      platform.ui.DesktopWindow(), sfTemp);
  const std::string handOffPath = HandOffPath(tempFolder);
  if (tempFolder.empty() || !platform.files.FileExists(handOffPath)) {
    ShowLauncherMessage(platform.ui, platform.ui.ForegroundWindow(),
                        launcher_text::kHandOffFileMissing, platform::MessageIcon::Warning);
    return;
  }
  std::vector<std::string> fields = ReadHandOffFields(platform.files, handOffPath);
  if (fields.size() != 4) {
    ShowLauncherMessage(platform.ui, platform.ui.DesktopWindow(),
                        launcher_text::kHandOffFieldsBad, platform::MessageIcon::Error);
    return;
  }
  platform.application.SetTitle(std::string(product_text::kTitle));
  TfmIE_Menu fmIE_Menu(platform, tempFolder, HandOffValuesOf(std::move(fields)));
  platform.application.CreateForm(fmIE_Menu);
  fmIE_Menu.FormCreate();
  platform.application.Run(fmIE_Menu);
}

}  // namespace

int RunTobrin(platform::Platform& platform) {
  // Whatever escapes is reported here; in menu mode the application's Run already reports
  // what escapes the form's handlers and goes on.
  try {
    const std::vector<std::string> arguments = platform.process.Arguments();
    if (arguments.size() == 1) {
      RunViewSource(platform, arguments[0]);
    } else {
      RunMenuMode(platform);
    }
  } catch (const std::exception& error) {
    ShowLauncherMessage(platform.ui, platform.ui.ForegroundWindow(), error.what(),
                        platform::MessageIcon::Error);
  }
  return 0;
}
