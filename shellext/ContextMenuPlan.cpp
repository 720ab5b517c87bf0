#include "shellext/ContextMenuPlan.h"

#include <utility>

#include "shellext/ShellExtTexts.h"

namespace {

char16_t FoldAsciiLetter(char16_t c) { return c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c; }

bool SameVerb(std::string_view verb, std::u16string_view asked) {
  if (verb.size() != asked.size()) return false;
  for (std::size_t i = 0; i < verb.size(); ++i) {
    if (FoldAsciiLetter(static_cast<unsigned char>(verb[i])) != FoldAsciiLetter(asked[i])) {
      return false;
    }
  }
  return true;
}

// Extensions are stored without their dot; one typed with it still names the extension.
std::string_view WithoutLeadingDot(std::string_view extension) {
  return !extension.empty() && extension.front() == '.' ? extension.substr(1) : extension;
}

bool ViewerTakesItem(const ExplorerViewer& viewer, std::u16string_view extension,
                     const Selection& selection, std::size_t item) {
  if (selection.IsFolder(item)) return viewer.forFolders;
  return viewer.forFiles &&
         (extension.empty() || SameExtension(ItemExtension(selection.Path(item)), extension));
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

  void AddCommand(TShellCommand kind, int slot, std::string_view caption,
                  std::string_view helpText, std::string verb) {
    MenuLine line{MenuLine::kCommand, plan_.commands.size(), Wide(caption), {}};
    plan_.commands.push_back({kind, slot, line.caption, Wide(helpText), std::move(verb)});
    lines_.push_back(std::move(line));
  }

  void AddSeparator() { lines_.push_back({}); }

  // Puts the lines so far into the submenu when asked, and separators around them when asked.
  ContextMenuPlan Finish(bool submenu, bool separatorsAround) {
    if (plan_.commands.empty()) return {};
    if (submenu) {
      MenuLine holder{MenuLine::kSubmenu, 0, Wide(shellext_text::kTitle), std::move(lines_)};
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

  std::u16string Wide(std::string_view text) const { return codePage_.AnsiToWide(std::string(text)); }

 private:
  const platform::CodePage& codePage_;
  ContextMenuPlan plan_;
  std::vector<MenuLine> lines_;
};

void AddViewers(PlanBuilder& builder, const ExplorerSettings& settings, const Selection& selection) {
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

void AddOtherCommands(PlanBuilder& builder, const ExplorerSettings& settings) {
  using namespace shellext_text;
  if (settings.fileList) builder.AddCommand(scFileList, -1, kFileList, kFileListHelp, std::string(kFileListVerb));
  if (settings.pathCopy) builder.AddCommand(scPathCopy, -1, kPathCopy, kPathCopyHelp, std::string(kPathCopyVerb));
  if (settings.commandPrompt) {
    builder.AddCommand(scCommandPrompt, -1, kCommandPrompt, kCommandPromptHelp,
                       std::string(kCommandPromptVerb));
  }
  if (settings.explorer) builder.AddCommand(scExplorer, -1, kExplorer, kExplorerHelp, std::string(kExplorerVerb));
}

}  // namespace

std::optional<std::size_t> ContextMenuPlan::FindVerb(std::u16string_view verb) const {
  for (std::size_t offset = 0; offset < commands.size(); ++offset) {
    if (SameVerb(commands[offset].verb, verb)) return offset;
  }
  return std::nullopt;
}

ContextMenuPlan PlanContextMenu(const ExplorerSettings& settings, const Selection& selection,
                                const platform::CodePage& codePage) {
  if (selection.Empty()) return {};
  PlanBuilder builder(codePage);
  AddViewers(builder, settings, selection);
  const bool othersFollow =
      settings.fileList || settings.pathCopy || settings.commandPrompt || settings.explorer;
  if (settings.separatorAfterViewers && builder.CommandCount() > 0 && othersFollow) {
    builder.AddSeparator();
  }
  AddOtherCommands(builder, settings);
  return builder.Finish(settings.submenu, settings.separatorsAround);
}
