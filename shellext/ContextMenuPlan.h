#pragma once
// What the component adds to Explorer's context menu for one selection: the lines in order
// (commands, separators and the submenu that may hold them) and the commands by offset, the
// number Explorer gives back when one is chosen.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/CodePage.h"
#include "shellext/ExplorerSettings.h"
#include "shellext/Selection.h"

enum TShellCommand { scViewer, scFileList, scPathCopy, scCommandPrompt, scExplorer };

struct ShellCommand {
  TShellCommand kind = scFileList;
  int slot = -1;  // the viewer slot, for scViewer
  std::u16string caption;
  std::u16string helpText;
  std::string verb;  // ASCII, the same in every language
};

struct MenuLine {
  enum Kind { kCommand, kSeparator, kSubmenu } kind = kSeparator;
  std::size_t command = 0;      // offset of the command, for kCommand
  std::u16string caption;       // for kCommand and kSubmenu
  std::vector<MenuLine> lines;  // the submenu's lines, for kSubmenu
};

struct ContextMenuPlan {
  std::vector<MenuLine> lines;
  std::vector<ShellCommand> commands;  // by offset

  bool Empty() const { return commands.empty(); }
  // The offset of the command with the verb (ASCII letters matched without regard to case).
  std::optional<std::size_t> FindVerb(std::u16string_view verb) const;
};

// Viewers are offered for at most this many selected items, as Explorer itself offers its
// open commands: each item starts a viewer of its own, and thousands of items would start
// thousands of programs.
constexpr std::size_t kMostItemsForViewers = 15;

// The menu for the selection: the viewers in slot order that have an executable and take
// every selected item (a folder needs the viewer's folder flag, a file its file flag and,
// when the viewer has an extension, that extension), a separator when asked for
// between them and the other commands, the file list, path copy, command prompt and Explorer
// commands as switched on; all of it in the submenu "トブリン＋" when asked for, with
// separators above and below when asked for. With nothing to offer, nothing at all.
ContextMenuPlan PlanContextMenu(const ExplorerSettings& settings, const Selection& selection,
                                const platform::CodePage& codePage);
