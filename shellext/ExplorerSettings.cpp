#include "shellext/ExplorerSettings.h"

#include <iterator>
#include <optional>
#include <vector>

#include "shared/IndexedKey.h"
#include "shared/IniText.h"
#include "text/Sjis.h"
#include "shared/TIniGT.h"

namespace {

constexpr std::string_view kSwitchSection = "CHK";
constexpr std::string_view kTextSection = "EDIT";

// The keys read, in the order of the values they fill (see ParseExplorerSettings).
constexpr std::string_view kSwitchKeys[] = {"CHK_SUB",     "CHK_SEP_Menu", "CHK_SEP_View",
                                            "CHK_VIEW",    "CHK_LIST",     "CHK_PATH",
                                            "CHK_COMMAND", "CHK_EXPLORER"};
constexpr std::string_view kSlotFlagKeys[] = {"CHK_EXP_View_F", "CHK_EXP_View_D"};
constexpr std::string_view kSlotTextKeys[] = {"EXP_View_E", "EXP_View_O", "EXP_View_T",
                                              "EXP_View_N"};

// Names of every key, section by section; the indexed ones are built once.
struct KeyTable {
  std::vector<std::string> indexedNames;
  std::vector<IniKeyName> keys;

  KeyTable() {
    indexedNames.reserve(kExplorerViewerCount *
                         (std::size(kSlotFlagKeys) + std::size(kSlotTextKeys)));
    for (std::string_view key : kSwitchKeys) keys.push_back({kSwitchSection, key});
    for (int slot = 0; slot < kExplorerViewerCount; ++slot) {
      for (std::string_view key : kSlotFlagKeys) Add(kSwitchSection, key, slot);
      for (std::string_view key : kSlotTextKeys) Add(kTextSection, key, slot);
    }
  }

  // The reserved room keeps the views into indexedNames valid while it grows.
  void Add(std::string_view section, std::string_view key, int slot) {
    indexedNames.push_back(IndexedKey(key, slot));
    keys.push_back({section, indexedNames.back()});
  }
};

const KeyTable& Keys() {
  static const KeyTable table;
  return table;
}

bool IsOn(const std::optional<std::string_view>& stored) {
  return stored && IsSwitchOn(ConvertSettingsInteger(*stored, 0));
}

std::string TextOf(const std::optional<std::string_view>& stored) {
  return stored ? std::string(*stored) : std::string();
}

}  // namespace

ExplorerSettings ParseExplorerSettings(std::string_view fileBytes) {
  ExplorerSettings settings;
  if (fileBytes.size() > kMostSettingsFileBytes) return settings;
  const std::vector<std::optional<std::string_view>> values = FindIniValues(fileBytes, Keys().keys);
  std::size_t next = 0;
  for (bool* value : {&settings.submenu, &settings.separatorsAround,
                      &settings.separatorAfterViewers, &settings.viewers, &settings.fileList,
                      &settings.pathCopy, &settings.commandPrompt, &settings.explorer}) {
    *value = IsOn(values[next++]);
  }
  for (ExplorerViewer& viewer : settings.slots) {
    viewer.forFiles = IsOn(values[next++]);
    viewer.forFolders = IsOn(values[next++]);
    for (std::string* text :
         {&viewer.executable, &viewer.options, &viewer.extension, &viewer.name}) {
      *text = TextOf(values[next++]);
    }
  }
  return settings;
}

std::string ViewerCaption(const ExplorerViewer& viewer) {
  if (!viewer.name.empty()) return viewer.name;
  const std::size_t folderEnd = SjisFindLastOf(viewer.executable, "\\");
  std::string name =
      folderEnd == std::string::npos ? viewer.executable : viewer.executable.substr(folderEnd + 1);
  const std::size_t dot = name.rfind('.');  // "." is never the second byte of a character
  if (dot != std::string::npos) name.erase(dot);
  return name.empty() ? viewer.executable : name;
}
