#pragma once
// What a chosen command does, worked out without doing it: the text it puts on the
// clipboard, or the programs it starts and with what.
#include <optional>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "shellext/ContextMenuPlan.h"
#include "shellext/ExplorerSettings.h"
#include "shellext/Selection.h"

// One program start through the shell, all in UTF-16.
struct ProgramStart {
  std::u16string program;     // full path, or the executable as the settings name it
  std::u16string parameters;  // empty for none
  std::u16string directory;   // working folder; empty for the caller's
  friend bool operator==(const ProgramStart&, const ProgramStart&) = default;
};

// Full paths of the system's command prompt and Explorer, from the system's own folders, so
// that a program of the same name in the selected folder is never the one started.
struct SystemPrograms {
  std::u16string commandPrompt;
  std::u16string explorer;
};

struct CommandEffect {
  std::optional<std::u16string> clipboardText;
  std::vector<ProgramStart> starts;  // in order; a failing one stops the rest
};

// The effect of the command on the selection:
// - a viewer: one start of its executable per item, with the viewer parameter string of its
//   options and the item's path;
// - file list and path copy: the items' names (without folder) or full paths, one per line,
//   lines joined by CR LF;
// - command prompt: the prompt with the selection's folder as working folder;
// - Explorer: a window of the selection's folder, with a selected file selected in it.
// The selection's folder is the first item when that is a folder, else the folder holding it.
CommandEffect PlanCommandEffect(const ShellCommand& command, const ExplorerSettings& settings,
                                const Selection& selection, const SystemPrograms& programs,
                                const platform::CodePage& codePage);
