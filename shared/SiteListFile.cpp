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
// every other byte and the cells of the row in place. A lead byte left alone at the end is
// kept here; the caller decides whether the line can hold it.
std::string StorableCell(std::string_view cell) {
  cell = cell.substr(0, cell.find('\0'));
  std::string out;
  out.reserve(cell.size());
  for (std::size_t i = 0; i < cell.size();) {
    const std::size_t length = SjisCharLength(cell, i);
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

// True when the cell ends in a lead byte that has no second byte.
bool EndsInLoneLeadByte(std::string_view cell) {
  std::size_t last = 0;
  for (std::size_t i = 0; i < cell.size(); i += SjisCharLength(cell, i)) last = i;
  return last + 1 == cell.size() && IsSjisLeadByte(static_cast<unsigned char>(cell[last]));
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

// A lead byte left alone at a cell's end (a file's line ended after it) would join with the
// delimiter or the closing quote written after it. Only the line's end may follow it: so it
// is kept when its cell is the row's last one that is not empty, the empty cells after it
// are left out (they read back empty) and a quoted cell there goes without its closing
// quote (a quoted field runs to the line's end). Anywhere else it is dropped.
std::string ComposeSiteList(const std::vector<SiteListRow>& rows) {
  std::string out;
  for (const SiteListRow& row : rows) {
    SiteListRow cells;
    std::size_t lastFilled = 0;
    for (std::size_t k = 0; k < row.size(); ++k) {
      cells[k] = StorableCell(row[k]);
      if (!cells[k].empty()) lastFilled = k;
    }
    const bool endsAtLoneLead = EndsInLoneLeadByte(cells[lastFilled]);
    const std::size_t written = endsAtLoneLead ? lastFilled + 1 : cells.size();
    for (std::size_t k = 0; k < written; ++k) {
      if (k > 0) out += kDelimiter;
      std::string& cell = cells[k];
      const bool lineEndFollows = endsAtLoneLead && k == lastFilled;
      if (!lineEndFollows && EndsInLoneLeadByte(cell)) cell.pop_back();
      if (!NeedsQuotesToReadBack(cell)) {
        out += cell;
      } else if (lineEndFollows) {
        std::string quoted = QuoteCsvField(cell, kQuote);
        quoted.pop_back();
        out += quoted;
      } else {
        out += QuoteCsvField(cell, kQuote);
      }
    }
    out += "\r\n";
  }
  return out;
}
