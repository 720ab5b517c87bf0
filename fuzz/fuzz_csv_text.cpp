// One CSV line of any bytes: parsing ends and never fails, and the parsed list, composed
// with quoting on and parsed again, comes back unchanged where the compose form can tell.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "shared/SiteListFile.h"
#include "shared/TbStringList.h"
#include "text/Sjis.h"

namespace {

constexpr char kDelimiters[] = {',', ';', '\t', '\\', '|'};
constexpr char kQuotes[] = {'"', '\''};

bool EndsInLoneLeadByte(std::string_view s) {
  std::size_t i = 0;
  std::size_t last = 0;
  for (; i < s.size(); i += SjisCharLength(s, i)) last = i;
  return !s.empty() && last + 1 == s.size() && IsSjisLeadByte(static_cast<unsigned char>(s[last]));
}

// The compose form cannot tell an empty last string among several (its delimiter opens no
// field) nor keep a lead byte left alone at a string's end (it joins the byte after it).
bool ComposeCanTell(const TTbStringList& list) {
  if (list.Strings.size() > 1 && list.Strings.back().empty()) return false;
  for (const std::string& s : list.Strings) {
    if (EndsInLoneLeadByte(s)) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  TTbStringList list;
  list.CsvDelimited = kDelimiters[data[0] % std::size(kDelimiters)];
  list.CsvQuoted = kQuotes[(data[0] / std::size(kDelimiters)) % std::size(kQuotes)];
  list.CsvQuotedKind = true;
  list.SetCsvText(text);

  if (ComposeCanTell(list)) {
    TTbStringList again = list;
    again.SetCsvText(list.CsvText());
    if (again.Strings != list.Strings) std::abort();
  }

  // The same bytes as a site list file: saved and loaded again, every row comes back (a cell
  // that ends in a lone lead byte is the last of its line, where saving keeps it); saving
  // again changes nothing.
  const auto rows = ParseSiteList(text);
  const std::string saved = ComposeSiteList(rows);
  const auto loaded = ParseSiteList(saved);
  if (loaded != rows) std::abort();
  if (ComposeSiteList(loaded) != saved) std::abort();
  return 0;
}
