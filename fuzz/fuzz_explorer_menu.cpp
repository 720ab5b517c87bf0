// The settings file is text any program or person may have written: the Explorer component
// reads it in one pass and plans its menu and every command's effect from it inside Explorer.
// The one-pass reading must give what a lookup per key gives, and the menu must stay well
// formed: separators never doubled nor at an edge (other than the pair around everything),
// commands numbered in menu order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/memory/MemoryCodePage.h"
#include "shared/IndexedKey.h"
#include "shared/IniText.h"
#include "shared/TIniGT.h"
#include "shellext/CommandEffect.h"
#include "shellext/ContextMenuPlan.h"
#include "shellext/ExplorerSettings.h"

namespace {

const platform::memory::MemoryCodePage kCodePage;
const SystemPrograms kPrograms = {u"C:\\Windows\\system32\\cmd.exe", u"C:\\Windows\\explorer.exe"};

void Check(bool condition) {
  if (!condition) std::abort();
}

bool SwitchByLookup(std::string_view file, const std::string& section, const std::string& key) {
  const std::optional<std::string> stored = FindIniValue(file, section, key);
  return stored && IsSwitchOn(ConvertSettingsInteger(*stored, 0));
}

std::string TextByLookup(std::string_view file, const std::string& key, int slot) {
  return FindIniValue(file, "EDIT", IndexedKey(key, slot)).value_or("");
}

void CheckAgainstLookups(std::string_view file, const ExplorerSettings& s) {
  const bool switches[] = {s.submenu,  s.separatorsAround, s.separatorAfterViewers, s.viewers,
                           s.fileList, s.pathCopy,         s.commandPrompt,         s.explorer};
  const char* const keys[] = {"CHK_SUB",  "CHK_SEP_Menu", "CHK_SEP_View", "CHK_VIEW",
                              "CHK_LIST", "CHK_PATH",     "CHK_COMMAND",  "CHK_EXPLORER"};
  for (std::size_t i = 0; i < std::size(keys); ++i) {
    Check(switches[i] == SwitchByLookup(file, "CHK", keys[i]));
  }
  for (int slot = 0; slot < kExplorerViewerCount; ++slot) {
    const ExplorerViewer& viewer = s.slots[slot];
    Check(viewer.forFiles == SwitchByLookup(file, "CHK", IndexedKey("CHK_EXP_View_F", slot)));
    Check(viewer.forFolders == SwitchByLookup(file, "CHK", IndexedKey("CHK_EXP_View_D", slot)));
    Check(viewer.executable == TextByLookup(file, "EXP_View_E", slot));
    Check(viewer.options == TextByLookup(file, "EXP_View_O", slot));
    Check(viewer.extension == TextByLookup(file, "EXP_View_T", slot));
    Check(viewer.name == TextByLookup(file, "EXP_View_N", slot));
  }
}

// Separators stand only between entries; commands carry the offsets 0, 1, 2... in menu order.
void CheckLines(const std::vector<MenuLine>& lines, std::size_t& nextOffset) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const MenuLine& line = lines[i];
    if (line.kind == MenuLine::kSeparator) {
      Check(i > 0 && i + 1 < lines.size() && lines[i + 1].kind != MenuLine::kSeparator);
    } else if (line.kind == MenuLine::kCommand) {
      Check(line.command == nextOffset++);
    } else {
      Check(!line.lines.empty());
      CheckLines(line.lines, nextOffset);
    }
  }
}

void CheckPlan(const ContextMenuPlan& plan, const ExplorerSettings& settings) {
  if (plan.Empty()) {
    Check(plan.lines.empty());
    return;
  }
  std::vector<MenuLine> inner = plan.lines;
  if (settings.separatorsAround) {
    Check(inner.size() >= 3 && inner.front().kind == MenuLine::kSeparator &&
          inner.back().kind == MenuLine::kSeparator);
    inner = std::vector<MenuLine>(inner.begin() + 1, inner.end() - 1);
  }
  std::size_t offsets = 0;
  CheckLines(inner, offsets);
  Check(offsets == plan.commands.size());
  for (const ShellCommand& command : plan.commands) {
    Check(plan.FindVerb(std::u16string(command.verb.begin(), command.verb.end())).has_value());
  }
}

}  // namespace

// The first byte picks the selection: files with and without extensions, a folder, or both.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::vector<std::u16string> choices = {u"C:\\a\\b.txt", u"C:\\a\\c.HTM", u"C:\\a", u"C:\\",
                                               u"\\\\s\\share\\d"};
  std::vector<std::u16string> paths;
  for (std::size_t bit = 0; bit < choices.size(); ++bit) {
    if ((data[0] >> bit) & 1) paths.push_back(choices[bit]);
  }
  const Selection selection(paths, [](const std::u16string& path) { return path.back() != u't'; });
  const std::string_view file(reinterpret_cast<const char*>(data + 1), size - 1);

  const ExplorerSettings settings = ParseExplorerSettings(file);
  CheckAgainstLookups(file, settings);
  const ContextMenuPlan plan = PlanContextMenu(settings, selection, kCodePage);
  CheckPlan(plan, settings);
  for (const ShellCommand& command : plan.commands) {
    const CommandEffect effect =
        PlanCommandEffect(command, settings, selection, kPrograms, kCodePage);
    Check(effect.clipboardText.has_value() != !effect.starts.empty());
  }
  return 0;
}
