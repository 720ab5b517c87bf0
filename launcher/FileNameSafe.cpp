#include "launcher/FileNameSafe.h"

#include "text/Sjis.h"

namespace {

bool IsSjisTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

bool CannotStandInFileName(unsigned char c) {
  switch (c) {
    case '\\': case '/': case ':': case '*': case '?': case '"': case '<': case '>': case '|':
      return true;
    default:
      return c < 0x20;
  }
}

}  // namespace

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
