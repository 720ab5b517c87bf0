#include "shared/SiteListFile.h"

#include <cstddef>

#include "shared/TbStringList.h"
#include "text/Sjis.h"

namespace {

constexpr char kDelimiter = ',';
constexpr char kQuote = '"';

TTbStringList GridCsvList() {
  TTbStringList list;
  list.CsvDelimited = kDelimiter;
  list.CsvQuoted = kQuote;
  list.CsvQuotedKind = false;
  return list;
}

// The cell as a line of the file can hold it. A zero byte ends the cell's text, as it ends a
// file's text on loading. A line break cannot be stored, since the file is cut into lines
// before the fields are read; each break (CR LF, CR or LF) becomes one space, which keeps
// every other byte and the cells of the row in place. A lead byte left alone at the end is no
// character, and would join with the delimiter or the closing quote after it: it is dropped.
std::string StorableCell(std::string_view cell) {
  cell = cell.substr(0, cell.find('\0'));
  std::string out;
  out.reserve(cell.size());
  for (std::size_t i = 0; i < cell.size();) {
    const std::size_t length = SjisCharLength(cell, i);
    if (length == 1 && IsSjisLeadByte(static_cast<unsigned char>(cell[i]))) break;
    if (cell[i] == '\r' || cell[i] == '\n') {
      out += ' ';
      i += cell[i] == '\r' && i + 1 < cell.size() && cell[i + 1] == '\n' ? 2 : 1;
      continue;
    }
    out.append(cell.substr(i, length));
    i += length;
  }
  return out;
}

// True when the bare cell would read back as something else: it starts with a quote (read
// as a quoted field), or holds the delimiter or a control byte outside double-byte
// characters (read as a field end). Spaces and inner quotes read back as they are.
bool NeedsQuotesToReadBack(std::string_view cell) {
  if (!cell.empty() && cell.front() == kQuote) return true;
  for (std::size_t i = 0; i < cell.size(); i += SjisCharLength(cell, i)) {
    if (cell[i] == kDelimiter || static_cast<unsigned char>(cell[i]) < 0x20) return true;
  }
  return false;
}

}  // namespace

std::vector<SiteListRow> ParseSiteList(std::string_view fileBytes) {
  std::vector<SiteListRow> rows;
  TTbStringList fields = GridCsvList();
  for (const std::string& line : SplitLines(fileBytes)) {
    fields.SetCsvText(line);
    SiteListRow& row = rows.emplace_back();
    for (std::size_t k = 0; k < row.size() && k < fields.Strings.size(); ++k) {
      row[k] = std::move(fields.Strings[k]);
    }
  }
  return rows;
}

std::string ComposeSiteList(const std::vector<SiteListRow>& rows) {
  std::string out;
  for (const SiteListRow& row : rows) {
    for (std::size_t k = 0; k < row.size(); ++k) {
      if (k > 0) out += kDelimiter;
      const std::string cell = StorableCell(row[k]);
      out += NeedsQuotesToReadBack(cell) ? QuoteCsvField(cell, kQuote) : cell;
    }
    out += "\r\n";
  }
  return out;
}
