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

  // The list composed into one line of delimited text. With CsvQuotedKind on, a string that
  // holds a control byte, a space, the quote character or the delimiter is written quoted.
  // A single empty string is written as two quote characters.
  std::string CsvText() const;

  // Replaces the list by the fields parsed from one line of delimited text. A zero byte ends
  // the text; control bytes between fields (other than the delimiter) are skipped, so a tab
  // outside quotes ends a field; a quoted field without its closing quote runs to the end.
  void SetCsvText(std::string_view text);
};

// The field between quote characters, every quote character in it doubled (the second byte
// of a double-byte character is never taken for one).
std::string QuoteCsvField(std::string_view field, char quote);
