#include "shellext/CommandEffect.h"

#include <string_view>

#include "launcher/ViewerSettings.h"

namespace {

constexpr std::u16string_view kLineEnd = u"\r\n";
constexpr std::u16string_view kSelectSwitch = u"/select,";

std::u16string Quoted(std::u16string_view text) {
  std::u16string quoted;
  quoted.reserve(text.size() + 2);
  quoted += u'"';
  quoted += text;
  quoted += u'"';
  return quoted;
}

template <typename LineOf>
std::u16string JoinLines(const Selection& selection, LineOf lineOf) {
  std::u16string text;
  for (std::size_t item = 0; item < selection.Count(); ++item) {
    if (item > 0) text += kLineEnd;
    text += lineOf(selection.Path(item));
  }
  return text;
}

std::u16string SelectionFolder(const Selection& selection) {
  return selection.IsFolder(0) ? selection.Path(0) : ParentFolder(selection.Path(0));
}

std::vector<ProgramStart> ViewerStarts(const ExplorerViewer& viewer, const Selection& selection,
                                       const platform::CodePage& codePage) {
  const std::u16string program = codePage.AnsiToWide(viewer.executable);
  const std::u16string options = codePage.AnsiToWide(viewer.options);
  std::vector<ProgramStart> starts;
  starts.reserve(selection.Count());
  for (const std::u16string& path : selection.Paths()) {
    starts.push_back({program, BuildViewerParameters(options, path), {}});
  }
  return starts;
}

ProgramStart ExplorerStart(const Selection& selection, const SystemPrograms& programs) {
  const std::u16string folder = SelectionFolder(selection);
  if (selection.IsFolder(0)) return {programs.explorer, Quoted(folder), folder};
  return {programs.explorer, std::u16string(kSelectSwitch) + Quoted(selection.Path(0)), folder};
}

}  // namespace

CommandEffect PlanCommandEffect(const ShellCommand& command, const ExplorerSettings& settings,
                                const Selection& selection, const SystemPrograms& programs,
                                const platform::CodePage& codePage) {
  CommandEffect effect;
  if (selection.Empty()) return effect;
  switch (command.kind) {
    case scViewer:
      if (command.slot >= 0 && command.slot < kExplorerViewerCount) {
        effect.starts = ViewerStarts(settings.slots[command.slot], selection, codePage);
      }
      break;
    case scFileList:
      effect.clipboardText =
          JoinLines(selection, [](const std::u16string& path) { return ItemName(path); });
      break;
    case scPathCopy:
      effect.clipboardText = JoinLines(
          selection, [](const std::u16string& path) -> std::u16string_view { return path; });
      break;
    case scCommandPrompt:
      effect.starts.push_back({programs.commandPrompt, {}, SelectionFolder(selection)});
      break;
    case scExplorer:
      effect.starts.push_back(ExplorerStart(selection, programs));
      break;
  }
  return effect;
}
