#include "shared/TbStrUtl.h"

#include <cstddef>

#include "text/Sjis.h"

namespace {

// True when the byte at `pos` starts a character, given that `boundary` (at or before `pos`)
// does. Only the run of lead-range bytes directly before `pos` decides it: a byte outside
// that range ends a character, and the run after it pairs up from its start, so an odd run
// leaves `pos` as the second byte of the run's last character.
bool StartsCharacter(std::string_view text, std::size_t boundary, std::size_t pos) {
  std::size_t leadRun = 0;
  while (pos - leadRun > boundary &&
         IsSjisLeadByte(static_cast<unsigned char>(text[pos - leadRun - 1]))) {
    ++leadRun;
  }
  return leadRun % 2 == 0;
}

}  // namespace

// The delimiter is searched byte-wise (memchr-speed on its first byte) and each match is then
// checked backwards for a character boundary. Every check only looks at bytes after the last
// known boundary, and the boundary moves past each match, so the whole split stays linear.
int SplitDelimited(std::string_view text, std::vector<std::string>& list,
                   std::string_view delimiter) {
  list.clear();
  if (text.empty()) return 0;
  std::size_t fieldStart = 0;
  if (!delimiter.empty()) {
    std::size_t boundary = 0;
    for (std::size_t match = text.find(delimiter); match != std::string_view::npos;
         match = text.find(delimiter, boundary)) {
      if (StartsCharacter(text, boundary, match)) {
        list.emplace_back(text.substr(fieldStart, match - fieldStart));
        fieldStart = boundary = match + delimiter.size();
      } else {
        boundary = match + 1;  // the match began on a second byte; its character ends here
      }
    }
  }
  list.emplace_back(text.substr(fieldStart));
  return static_cast<int>(list.size());
}
