#pragma once
// The settings that shape the Explorer context menu: eight switches and five viewer slots,
// read from the settings file's bytes in one pass.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

constexpr int kExplorerViewerCount = 5;

// A settings file larger than this is no file the settings program wrote (its values are a
// few lines of paths and switches); it is treated as damaged rather than parsed inside
// Explorer at every right-click.
constexpr std::size_t kMostSettingsFileBytes = 1024 * 1024;

struct ExplorerViewer {
  std::string executable;  // Shift_JIS, as stored
  std::string options;     // placed before the item's path
  std::string extension;   // without the dot; empty for any file
  std::string name;        // the entry's caption; empty for the executable's name
  bool forFiles = false;
  bool forFolders = false;
};

// Each switch is on only when its stored value is exactly 1.
struct ExplorerSettings {
  bool submenu = false;                // CHK_SUB
  bool separatorsAround = false;       // CHK_SEP_Menu
  bool separatorAfterViewers = false;  // CHK_SEP_View
  bool viewers = false;                // CHK_VIEW
  bool fileList = false;               // CHK_LIST
  bool pathCopy = false;               // CHK_PATH
  bool commandPrompt = false;          // CHK_COMMAND
  bool explorer = false;               // CHK_EXPLORER
  std::array<ExplorerViewer, kExplorerViewerCount> slots;
};

// The settings in the file's bytes; empty bytes (no file), damaged lines and missing keys
// read as off and empty, and a file larger than kMostSettingsFileBytes as all off.
ExplorerSettings ParseExplorerSettings(std::string_view fileBytes);

// The caption of a viewer: its display name, or else its executable's file name without the
// extension (as the settings program fills in an empty name), or else the executable as stored.
std::string ViewerCaption(const ExplorerViewer& viewer);
