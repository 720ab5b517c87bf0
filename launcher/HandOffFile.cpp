#include "launcher/HandOffFile.h"

#include <utility>

#include "launcher/LauncherTexts.h"
#include "shared/Sjis.h"
#include "shared/TbStrUtl.h"

std::string HandOffPath(std::string_view tempFolder) {
  std::string path(tempFolder);
  path += launcher_text::kHandOffFileName;
  return path;
}

std::vector<std::string> SplitHandOff(std::string_view bytes) {
  std::vector<std::string> fields;
  SplitDelimited(NormalizeLineBreaks(bytes), fields, launcher_text::kHandOffDelimiter);
  return fields;
}

std::vector<std::string> ReadHandOffFields(const platform::FileSystem& files,
                                           const std::string& path) {
  const std::optional<std::string> bytes = files.ReadWholeFile(path);
  if (!bytes) return {};
  return SplitHandOff(*bytes);
}

HandOffValues HandOffValuesOf(std::vector<std::string>&& fields) {
  fields.resize(4);
  return HandOffValues{std::move(fields[0]), std::move(fields[1]), std::move(fields[2]),
                       std::move(fields[3])};
}
