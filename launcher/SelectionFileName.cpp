#include "launcher/SelectionFileName.h"

#include <vector>

#include "launcher/LauncherTexts.h"
#include "shared/PathText.h"
#include "shared/TbStrUtl.h"

namespace {

// The label that names the host, or the empty text when it has none.
std::string_view HostLabel(const std::vector<std::string>& labels) {
  if (labels.empty()) return {};
  if (labels[0] != "www") return labels[0];
  return labels.size() > 1 ? std::string_view(labels[1]) : std::string_view();
}

}  // namespace

std::string SelectionFileBase(std::string_view hostName) {
  // An address literal such as [::1] has no label; its colons would name a stream.
  if (!hostName.empty() && hostName.front() == '[') return std::string(kFallbackSelectionBase);
  std::vector<std::string> labels;
  SplitDelimited(hostName, labels, ".");
  const std::string_view label = HostLabel(labels);
  if (label.empty()) return std::string(kFallbackSelectionBase);
  return FileNameSafe(label);
}

std::string SelectionFileName(std::string_view hostName, std::string_view extension) {
  std::string name(launcher_text::kTempFilePrefix);
  name += SelectionFileBase(hostName);
  if (!extension.empty()) {
    name += '.';
    name += FileNameSafe(extension);
  }
  return name;
}
