#include "text/Sjis.h"

std::size_t SjisFindLastOf(std::string_view text, std::string_view set) {
  std::size_t found = std::string_view::npos;
  for (std::size_t i = 0; i < text.size(); i += SjisCharLength(text, i)) {
    if (set.find(text[i]) != std::string_view::npos) found = i;
  }
  return found;
}

bool SjisEndsWithBackslash(std::string_view text) {
  const std::size_t last = SjisFindLastOf(text, "\\");
  return last != std::string_view::npos && last + 1 == text.size();
}

namespace {

// Calls `line(begin, end)` for each line of the text as SplitLines defines them.
template <typename LineFn>
void ForEachLine(std::string_view text, LineFn line) {
  const std::size_t zero = text.find('\0');
  if (zero != std::string_view::npos) text = text.substr(0, zero);
  std::size_t start = 0;
  while (start < text.size()) {
    // A plain scan: find_first_of calls memchr on the set for every byte.
    std::size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    if (end == text.size()) {
      line(text.substr(start));
      return;
    }
    line(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
}

}  // namespace

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  ForEachLine(text, [&](std::string_view l) { lines.emplace_back(l); });
  return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const auto& l : lines) size += l.size() + 2;
  std::string out;
  out.reserve(size);
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

std::string NormalizeLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  ForEachLine(text, [&](std::string_view l) {
    out += l;
    out += "\r\n";
  });
  return out;
}
