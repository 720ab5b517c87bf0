#pragma once
// The launcher's settings file as the settings program writes it, built from a few values.
#include <array>
#include <optional>
#include <string>

namespace e2e {

struct ViewerSlot {
  std::string executable;  // code page 932 bytes
  std::string options;
  std::string extension;
};

struct SiteSlot {
  int enabled = 1;
  std::string prefix;
  int target = 0;    // 0 the page address, 1 the selection text
  int encoding = 0;  // 0 none, 1 EUC-JP, 2 UTF-8
  std::string name;
};

struct LauncherSettings {
  int selectedViewer = 0;
  std::array<ViewerSlot, 3> viewers;
  int menu = 1;
  int selectionEntries = 1;
  int siteEntries = 1;
  std::array<std::optional<SiteSlot>, 5> sites;

  // The file's bytes: sections CHK then EDIT, keys spelt as the settings program spells them.
  std::string ToIniText() const;
};

}  // namespace e2e
