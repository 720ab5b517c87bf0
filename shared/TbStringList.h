#pragma once
// A list of strings with a view as one line of delimited (CSV) text.
#include <string>
#include <string_view>
#include <vector>

class TTbStringList {
 public:
  std::vector<std::string> Strings;
  char CsvDelimited = ',';
  char CsvQuoted = '"';
  bool CsvQuotedKind = false;

  // The list composed into one line of delimited text.
  std::string CsvText() const;

  // Replaces the list by the fields parsed from one line of delimited text.
  void SetCsvText(std::string_view text);
};
