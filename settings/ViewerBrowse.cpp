#include "settings/ViewerBrowse.h"

platform::FileDialogOptions ViewerDialogOptions() {
  platform::FileDialogOptions options;
  options.filter = "実行ファイル|*.exe";
  options.initialFolder = "C:\\";
  options.hideReadOnly = true;
  options.pathMustExist = true;
  options.fileMustExist = true;
  return options;
}

std::optional<std::string> BrowseForViewer(platform::Platform& platform) {
  return platform.fileDialogs.Open(platform.ui.ForegroundWindow(), ViewerDialogOptions());
}
