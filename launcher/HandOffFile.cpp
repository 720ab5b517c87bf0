#include "launcher/HandOffFile.h"

#include <utility>

#include "launcher/LauncherTexts.h"
#include "shared/TbStrUtl.h"

std::string HandOffPath(std::string_view tempFolder) {
  std::string path(tempFolder);
  path += launcher_text::kHandOffFileName;
  return path;
}

namespace {

// True when every LF follows a CR and every CR precedes an LF. Searching for each byte on its
// own keeps the common case, a field with CR LF line breaks only, at the speed of memchr.
bool IsCrLfOnly(std::string_view text) {
  for (std::size_t i = text.find('\n'); i != std::string_view::npos; i = text.find('\n', i + 1)) {
    if (i == 0 || text[i - 1] != '\r') return false;
  }
  for (std::size_t i = text.find('\r'); i != std::string_view::npos; i = text.find('\r', i + 1)) {
    if (i + 1 == text.size() || text[i + 1] != '\n') return false;
  }
  return true;
}

// Every line break of the field as CR LF: CR LF stays, a lone CR or LF becomes CR LF. Most
// fields already hold only CR LF and are left as they are.
void MakeLineBreaksCrLf(std::string& field) {
  if (IsCrLfOnly(field)) return;
  std::string crLf;
  crLf.reserve(field.size() + field.size() / 8 + 2);
  for (std::size_t i = 0; i < field.size(); ++i) {
    const char c = field[i];
    if (c != '\r' && c != '\n') {
      crLf += c;
      continue;
    }
    crLf += "\r\n";
    if (c == '\r' && i + 1 < field.size() && field[i + 1] == '\n') ++i;
  }
  field.swap(crLf);
}

}  // namespace

// The result is that of splitting NormalizeLineBreaks(bytes), computed with one copy of the
// text fewer: the delimiter holds no line-break byte and no lead byte, so it matches at the
// same places before and after the line breaks change, and the fields can be mended one by
// one. Only the last line of the text, which is in the last field, may lack its CR LF.
std::vector<std::string> SplitHandOff(std::string_view bytes) {
  const std::size_t zero = bytes.find('\0');
  if (zero != std::string_view::npos) bytes = bytes.substr(0, zero);
  std::vector<std::string> fields;
  SplitDelimited(bytes, fields, launcher_text::kHandOffDelimiter);
  for (std::string& field : fields) MakeLineBreaksCrLf(field);
  if (!fields.empty() && !fields.back().ends_with("\r\n")) fields.back() += "\r\n";
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
