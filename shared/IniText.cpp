#include "shared/IniText.h"

#include <cstddef>

#include "text/AsciiCase.h"
#include "text/Blanks.h"
#include "text/Sjis.h"

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// One line of the file: where its text starts and ends, and where the next line starts
// (after its CR LF, lone CR or lone LF).
struct Line {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t next = 0;
};

Line LineAt(std::string_view file, std::size_t begin) {
  std::size_t end = file.find_first_of("\r\n", begin);
  if (end == std::string_view::npos) return {begin, file.size(), file.size()};
  std::size_t next = end + 1;
  if (file[end] == '\r' && next < file.size() && file[next] == '\n') ++next;
  return {begin, end, next};
}

// What a line of the file is: a section header, an entry, or anything else (blank lines,
// comments, lines without "=" and damaged text, all of which are passed over).
struct LineMeaning {
  enum Kind { kOther, kSection, kEntry } kind = kOther;
  std::string_view name;       // section name or key, without surrounding blanks
  std::size_t valueBegin = 0;  // for an entry: offset of the value in the file
};

LineMeaning Classify(std::string_view file, const Line& line) {
  const std::string_view whole = file.substr(line.begin, line.end - line.begin);
  std::string_view text = whole;
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  if (text.empty() || text.front() == ';') return {};
  if (text.front() == '[') {
    // The closing bracket is searched character by character: 0x5D can be a second byte.
    for (std::size_t i = 1; i < text.size(); i += SjisCharLength(text, i)) {
      if (text[i] == ']') return {LineMeaning::kSection, TrimBlanks(text.substr(1, i - 1)), 0};
    }
    return {};
  }
  // "=" (0x3D) is never the second byte of a double-byte character.
  const std::size_t equals = text.find('=');
  if (equals == std::string_view::npos) return {};
  const std::size_t valueBegin = line.begin + (whole.size() - text.size()) + equals + 1;
  return {LineMeaning::kEntry, TrimBlanks(text.substr(0, equals)), valueBegin};
}

std::size_t FirstLineStart(std::string_view file) {
  return file.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark
             ? kUtf8ByteOrderMark.size()
             : 0;
}

// Where the entry of the key lies in the first section of that name, as far as it exists.
struct EntryPlace {
  bool sectionFound = false;
  bool keyFound = false;
  Line entryLine;             // the key's first entry, when found
  std::size_t valueBegin = 0;  // offset of that entry's value
  Line lastSectionLine;        // the section's last line that is not blank
};

EntryPlace Locate(std::string_view file, std::string_view section, std::string_view key) {
  EntryPlace place;
  for (std::size_t pos = FirstLineStart(file); pos < file.size();) {
    const Line line = LineAt(file, pos);
    pos = line.next;
    const LineMeaning meaning = Classify(file, line);
    if (!place.sectionFound) {
      if (meaning.kind == LineMeaning::kSection &&
          EqualIgnoringAsciiCase(meaning.name, section)) {
        place.sectionFound = true;
        place.lastSectionLine = line;
      }
      continue;
    }
    if (meaning.kind == LineMeaning::kSection) break;  // the section has ended
    if (meaning.kind == LineMeaning::kEntry && EqualIgnoringAsciiCase(meaning.name, key)) {
      place.keyFound = true;
      place.entryLine = line;
      place.valueBegin = meaning.valueBegin;
      return place;
    }
    if (!TrimBlanks(file.substr(line.begin, line.end - line.begin)).empty()) {
      place.lastSectionLine = line;
    }
  }
  return place;
}

// A value holds no line break: the file form has no way to store one, and writing it would
// put the rest of the value on a line of its own, where it could read as another key or
// section. The value is cut at its first line break, which is also what a single-line edit
// field keeps of a pasted text with several lines.
std::string_view FirstLineOf(std::string_view value) {
  return value.substr(0, value.find_first_of("\r\n"));
}

bool EndsLine(const Line& line) { return line.next > line.end; }

}  // namespace

std::optional<std::string> FindIniValue(std::string_view fileBytes, std::string_view section,
                                        std::string_view key) {
  const EntryPlace place = Locate(fileBytes, section, key);
  if (!place.keyFound) return std::nullopt;
  return std::string(fileBytes.substr(place.valueBegin, place.entryLine.end - place.valueBegin));
}

std::vector<std::optional<std::string_view>> FindIniValues(std::string_view fileBytes,
                                                           std::span<const IniKeyName> keys) {
  std::vector<std::optional<std::string_view>> values(keys.size());
  // Per key: whether a section of its section's name has begun before (only the first one
  // counts, as for FindIniValue), and whether the section now open is that first one.
  std::vector<bool> sectionMet(keys.size(), false);
  std::vector<bool> inFirstSection(keys.size(), false);
  for (std::size_t pos = FirstLineStart(fileBytes); pos < fileBytes.size();) {
    const Line line = LineAt(fileBytes, pos);
    pos = line.next;
    const LineMeaning meaning = Classify(fileBytes, line);
    if (meaning.kind == LineMeaning::kSection) {
      for (std::size_t i = 0; i < keys.size(); ++i) {
        const bool named = EqualIgnoringAsciiCase(keys[i].section, meaning.name);
        inFirstSection[i] = named && !sectionMet[i];
        sectionMet[i] = sectionMet[i] || named;
      }
    } else if (meaning.kind == LineMeaning::kEntry) {
      for (std::size_t i = 0; i < keys.size(); ++i) {
        if (inFirstSection[i] && !values[i] && EqualIgnoringAsciiCase(keys[i].key, meaning.name)) {
          values[i] = fileBytes.substr(meaning.valueBegin, line.end - meaning.valueBegin);
        }
      }
    }
  }
  return values;
}

std::string SetIniValue(std::string_view fileBytes, std::string_view section,
                        std::string_view key, std::string_view value) {
  value = FirstLineOf(value);
  const EntryPlace place = Locate(fileBytes, section, key);
  std::string out;
  out.reserve(fileBytes.size() + section.size() + key.size() + value.size() + 8);
  if (place.keyFound) {
    out.append(fileBytes.substr(0, place.valueBegin));
    out.append(value);
    out.append(fileBytes.substr(place.entryLine.end));
    return out;
  }
  const std::string entry = std::string(key) + "=" + std::string(value) + "\r\n";
  if (place.sectionFound) {
    const Line& after = place.lastSectionLine;
    out.append(fileBytes.substr(0, after.next));
    if (!EndsLine(after)) out.append("\r\n");
    out.append(entry);
    out.append(fileBytes.substr(after.next));
    return out;
  }
  out.append(fileBytes);
  if (!out.empty() && out.back() != '\n' && out.back() != '\r' &&
      out.size() > FirstLineStart(fileBytes)) {
    out.append("\r\n");
  }
  out.append("[").append(section).append("]\r\n").append(entry);
  return out;
}
