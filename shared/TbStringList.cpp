#include "shared/TbStringList.h"

#include <cstddef>

#include "text/Sjis.h"

namespace {

bool IsControlOrSpace(unsigned char c) { return c <= 0x20; }

// True when a field cannot be written bare: it holds a control byte, a space, the quote
// character or the delimiter (double-byte characters are stepped over whole).
bool NeedsQuotes(std::string_view field, char delimiter, char quote) {
  for (std::size_t i = 0; i < field.size(); i += SjisCharLength(field, i)) {
    const char c = field[i];
    if (IsControlOrSpace(static_cast<unsigned char>(c)) || c == quote || c == delimiter) {
      return true;
    }
  }
  return false;
}

// Skips the control bytes that may stand between fields (0x01 as written by some tools, and
// tabs or other control bytes of hand-edited lines), except a delimiter that is one of them.
std::size_t SkipControlBytes(std::string_view text, std::size_t i, char delimiter) {
  while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x20 && text[i] != delimiter) {
    ++i;
  }
  return i;
}

// Reads the quoted field whose opening quote is at `i`; returns the position after its
// closing quote. A doubled quote stands for one; a field without its closing quote runs to
// the end of the text and keeps every byte.
std::size_t ReadQuotedField(std::string_view text, std::size_t i, char quote, std::string& field) {
  ++i;
  while (i < text.size()) {
    if (text[i] == quote) {
      if (i + 1 < text.size() && text[i + 1] == quote) {
        field += quote;
        i += 2;
        continue;
      }
      return i + 1;
    }
    const std::size_t length = SjisCharLength(text, i);
    field.append(text.substr(i, length));
    i += length;
  }
  return i;
}

// Reads a bare field from `i` up to the first control byte or delimiter; spaces belong to it.
std::size_t ReadBareField(std::string_view text, std::size_t i, char delimiter,
                          std::string& field) {
  const std::size_t start = i;
  while (i < text.size() && static_cast<unsigned char>(text[i]) >= 0x20 && text[i] != delimiter) {
    i += SjisCharLength(text, i);
  }
  field.assign(text.substr(start, i - start));
  return i;
}

}  // namespace

std::string QuoteCsvField(std::string_view field, char quote) {
  std::string out;
  out.reserve(field.size() + 2);
  out += quote;
  for (std::size_t i = 0; i < field.size();) {
    const std::size_t length = SjisCharLength(field, i);
    if (length == 1 && field[i] == quote) out += quote;
    out.append(field.substr(i, length));
    i += length;
  }
  out += quote;
  return out;
}

std::string TTbStringList::CsvText() const {
  if (Strings.size() == 1 && Strings.front().empty()) return std::string(2, CsvQuoted);
  std::string out;
  for (const std::string& s : Strings) {
    if (CsvQuotedKind && NeedsQuotes(s, CsvDelimited, CsvQuoted)) {
      out += QuoteCsvField(s, CsvQuoted);
    } else {
      out += s;
    }
    out += CsvDelimited;
  }
  if (!out.empty()) out.pop_back();
  return out;
}

void TTbStringList::SetCsvText(std::string_view text) {
  Strings.clear();
  text = text.substr(0, text.find('\0'));
  std::size_t i = SkipControlBytes(text, 0, CsvDelimited);
  while (i < text.size()) {
    std::string field;
    i = text[i] == CsvQuoted ? ReadQuotedField(text, i, CsvQuoted, field)
                             : ReadBareField(text, i, CsvDelimited, field);
    Strings.push_back(std::move(field));
    i = SkipControlBytes(text, i, CsvDelimited);
    if (i < text.size() && text[i] == CsvDelimited) i = SkipControlBytes(text, i + 1, CsvDelimited);
  }
}
