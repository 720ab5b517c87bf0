#include "shared/PathText.h"

#include "text/AsciiCase.h"
#include "text/Sjis.h"

namespace {

constexpr std::string_view kSeparators = "\\/:";

bool IsSjisTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

bool CannotStandInFileName(unsigned char c) {
  switch (c) {
    case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
      return true;
    default:
      return c < 0x20;
  }
}

// Where the file name part starts: just after the last separator, or 0.
std::size_t FileNameStart(std::string_view path) {
  const std::size_t separator = SjisFindLastOf(path, kSeparators);
  return separator == std::string_view::npos ? 0 : separator + 1;
}

}  // namespace

std::string_view FileNamePart(std::string_view path) { return path.substr(FileNameStart(path)); }

std::string_view FolderPart(std::string_view path) { return path.substr(0, FileNameStart(path)); }

bool HasFolderPart(std::string_view path) { return FileNameStart(path) > 0; }

bool StartsWithDriveRoot(std::string_view path) {
  return path.size() >= 3 && IsAsciiLetter(path[0]) && path[1] == ':' && path[2] == '\\';
}

std::string FileNameSafe(std::string_view text) {
  std::string safe;
  safe.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (IsSjisLeadByte(c)) {
      if (i + 1 < text.size() && IsSjisTrailByte(static_cast<unsigned char>(text[i + 1]))) {
        safe += text.substr(i, 2);
        ++i;
      } else {
        safe += '_';
      }
    } else {
      safe += CannotStandInFileName(c) ? '_' : text[i];
    }
  }
  return safe;
}
