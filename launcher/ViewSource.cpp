#include "launcher/ViewSource.h"

#include <optional>

#include "launcher/LauncherMessage.h"
#include "launcher/LauncherTexts.h"
#include "launcher/ShellOpen.h"
#include "launcher/ViewerSettings.h"
#include "shared/PathText.h"
#include "shared/ProductTexts.h"
#include "shared/TIniGT.h"
#include "shared/TbSysUtl.h"

namespace {

constexpr const char* kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

std::string CacheFolder(const platform::Registry& registry) {
  return registry.ReadText(platform::RegistryRoot::CurrentUser, kShellFoldersKey, "Cache")
      .value_or("");
}

// The file the viewer is given: a fresh copy in the temporary folder when one is needed and
// can be made, otherwise the page file itself (a failed copy would leave the viewer an older
// page of the same name).
std::string OpenPath(platform::Platform& platform, const std::string& pagePath,
                     const ViewerSlot& viewer) {
  const std::string cache = CacheFolder(platform.registry);
  const bool inCache = !cache.empty() && pagePath.find(cache) != std::string::npos;
  if (!inCache && viewer.extension.empty()) return pagePath;

  const std::string tempFolder = GetSpecialFolderPath(platform.folders, platform.files,
                                                      platform.ui.DesktopWindow(), sfTemp);
  if (tempFolder.empty()) return pagePath;
  // The page's name is taken after any slash too, which Windows reads as a backslash: the copy
  // never leads out of the temporary folder.
  std::string copyPath = tempFolder + std::string(launcher_text::kTempFilePrefix) +
                         std::string(FileNamePart(pagePath));
  if (!viewer.extension.empty()) copyPath += "." + FileNameSafe(viewer.extension);
  return platform.files.CopyFileReplacing(pagePath, copyPath) ? copyPath : pagePath;
}

}  // namespace

void RunViewSource(platform::Platform& platform, const std::string& pagePath) {
  const TIniGT settings(platform.files, std::string(FolderPart(platform.process.ProgramPath())),
                        std::string(product_text::kSettingsFileName));
  if (!platform.files.FileExists(settings.FilePath())) {
    ShowLauncherMessage(platform.ui, platform.ui.ForegroundWindow(),
                        launcher_text::kSettingsFileMissing, platform::MessageIcon::Warning);
    return;
  }
  const ViewerSettings viewers = ReadViewerSettings(settings);
  const ViewerSlot& viewer = viewers.Selected();

  const std::string openPath = OpenPath(platform, pagePath, viewer);
  OpenThroughShell(platform, viewer.executable, BuildViewerParameters(viewer.options, openPath),
                   launcher_text::kViewerNotFound);
  platform.ui.ProcessMessages();
}
