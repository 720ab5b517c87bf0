#include "launcher/ShellOpen.h"

#include "launcher/LauncherMessage.h"
#include "launcher/LauncherTexts.h"

void OpenThroughShell(platform::Platform& platform, const std::string& file,
                      const std::string& parameters, std::string_view notFoundMessage) {
  const int result = platform.shell.Execute(0, std::string(launcher_text::kOpenVerb), file,
                                            parameters, "", platform::kShowCommandShow);
  if (result == platform::kShellFileNotFound) {
    ShowLauncherMessage(platform.ui, platform.ui.DesktopWindow(), notFoundMessage,
                        platform::MessageIcon::Error);
  }
}
