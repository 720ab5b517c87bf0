#include "shellext/ContextMenuPlan.h"

#include <algorithm>
#include <iterator>
#include <string>
#include <utility>

#include "shared/ProductTexts.h"
#include "shellext/ShellExtTexts.h"

namespace {

// Extensions are stored without their dot; one typed with it still names the extension.
std::string_view WithoutLeadingDot(std::string_view extension) {
  return !extension.empty() && extension.front() == '.' ? extension.substr(1) : extension;
}

bool ViewerTakesItem(const ExplorerViewer& viewer, std::u16string_view extension,
                     const Selection& selection, std::size_t item) {
  if (selection.IsFolder(item)) return viewer.forFolders;
  if (!viewer.forFiles) return false;
  return extension.empty() ||
         EqualIgnoringAsciiCase(ItemExtension(selection.Path(item)), extension);
}

bool ViewerTakesSelection(const ExplorerViewer& viewer, std::u16string_view extension,
                          const Selection& selection) {
  for (std::size_t item = 0; item < selection.Count(); ++item) {
    if (!ViewerTakesItem(viewer, extension, selection, item)) return false;
  }
  return true;
}

class PlanBuilder {
 public:
  explicit PlanBuilder(const platform::CodePage& codePage) : codePage_(codePage) {}

  void AddCommand(TShellCommand kind, int slot, std::string_view caption, std::string_view helpText,
                  std::string verb) {
    MenuLine line{MenuLine::kCommand, plan_.commands.size(), Wide(caption), {}};
    plan_.commands.push_back({kind, slot, line.caption, Wide(helpText), std::move(verb)});
    lines_.push_back(std::move(line));
  }

  void AddSeparator() { lines_.push_back({}); }

  // Puts the lines so far into the submenu when asked, and separators around them when asked.
  ContextMenuPlan Finish(bool submenu, bool separatorsAround) {
    if (plan_.commands.empty()) return {};
    if (submenu) {
      MenuLine holder{MenuLine::kSubmenu, 0, Wide(product_text::kTitle), std::move(lines_)};
      lines_ = {std::move(holder)};
    }
    if (separatorsAround) {
      lines_.insert(lines_.begin(), MenuLine{});
      lines_.push_back({});
    }
    plan_.lines = std::move(lines_);
    return std::move(plan_);
  }

  std::size_t CommandCount() const { return plan_.commands.size(); }

  std::u16string Wide(std::string_view text) const {
    return codePage_.AnsiToWide(std::string(text));
  }

 private:
  const platform::CodePage& codePage_;
  ContextMenuPlan plan_;
  std::vector<MenuLine> lines_;
};

void AddViewers(PlanBuilder& builder, const ExplorerSettings& settings,
                const Selection& selection) {
  if (!settings.viewers || selection.Count() > kMostItemsForViewers) return;
  for (int slot = 0; slot < kExplorerViewerCount; ++slot) {
    const ExplorerViewer& viewer = settings.slots[slot];
    if (viewer.executable.empty()) continue;
    const std::u16string extension = builder.Wide(WithoutLeadingDot(viewer.extension));
    if (!ViewerTakesSelection(viewer, extension, selection)) continue;
    const std::string caption = ViewerCaption(viewer);
    const std::string help = std::string(shellext_text::kViewerHelpLead) + caption +
                             std::string(shellext_text::kViewerHelpTail);
    builder.AddCommand(scViewer, slot, caption, help,
                       std::string(shellext_text::kViewerVerbPrefix) + std::to_string(slot + 1));
  }
}

// The commands after the viewers, in menu order, with the switch that offers each.
struct OtherCommand {
  bool ExplorerSettings::*offered;
  TShellCommand kind;
  std::string_view caption;
  std::string_view helpText;
  std::string_view verb;
};

constexpr OtherCommand kOtherCommands[] = {
    {&ExplorerSettings::fileList, scFileList, shellext_text::kFileList,
     shellext_text::kFileListHelp, shellext_text::kFileListVerb},
    {&ExplorerSettings::pathCopy, scPathCopy, shellext_text::kPathCopy,
     shellext_text::kPathCopyHelp, shellext_text::kPathCopyVerb},
    {&ExplorerSettings::commandPrompt, scCommandPrompt, shellext_text::kCommandPrompt,
     shellext_text::kCommandPromptHelp, shellext_text::kCommandPromptVerb},
    {&ExplorerSettings::explorer, scExplorer, shellext_text::kExplorer,
     shellext_text::kExplorerHelp, shellext_text::kExplorerVerb},
};

bool OffersOtherCommands(const ExplorerSettings& settings) {
  return std::any_of(std::begin(kOtherCommands), std::end(kOtherCommands),
                     [&](const OtherCommand& command) { return settings.*command.offered; });
}

void AddOtherCommands(PlanBuilder& builder, const ExplorerSettings& settings) {
  for (const OtherCommand& command : kOtherCommands) {
    if (!(settings.*command.offered)) continue;
    builder.AddCommand(command.kind, -1, command.caption, command.helpText,
                       std::string(command.verb));
  }
}

}  // namespace

std::optional<std::size_t> ContextMenuPlan::FindVerb(std::u16string_view verb) const {
  for (std::size_t offset = 0; offset < commands.size(); ++offset) {
    const std::string& own = commands[offset].verb;
    if (EqualIgnoringAsciiCase(std::u16string(own.begin(), own.end()), verb)) return offset;
  }
  return std::nullopt;
}

ContextMenuPlan PlanContextMenu(const ExplorerSettings& settings, const Selection& selection,
                                const platform::CodePage& codePage) {
  if (selection.Empty()) return {};
  PlanBuilder builder(codePage);
  AddViewers(builder, settings, selection);
  if (settings.separatorAfterViewers && builder.CommandCount() > 0 &&
      OffersOtherCommands(settings)) {
    builder.AddSeparator();
  }
  AddOtherCommands(builder, settings);
  return builder.Finish(settings.submenu, settings.separatorsAround);
}
