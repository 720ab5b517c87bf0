#pragma once
// The initialization-file text form: "[section]" lines and "key=value" lines, Shift_JIS.
// Section and key names match without regard to letter case (double-byte aware: only ASCII
// letters outside double-byte characters are folded). Values come back exactly as written,
// blanks and quotes included. A UTF-8 byte-order mark at the start is passed over, lines
// starting with ";" are comments, and damaged lines are passed over.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The value of the first entry of the key in the first section of that name; nothing when
// the section or the key is missing.
std::optional<std::string> FindIniValue(std::string_view fileBytes, std::string_view section,
                                        std::string_view key);

// A key of a section, for reading many values in one pass over the file.
struct IniKeyName {
  std::string_view section;
  std::string_view key;
};

// The values of many keys from one pass over the file, in the order of `keys`, each as
// FindIniValue finds it; the views point into `fileBytes`. For a reader that needs every
// setting at once, where looking each key up anew would scan the file once per key.
std::vector<std::optional<std::string_view>> FindIniValues(std::string_view fileBytes,
                                                           std::span<const IniKeyName> keys);

// The file's bytes with the entry set: an existing entry's value is replaced in place, a new
// key is added after the last line of its section, a new section at the end of the file, new
// lines ending in CR LF. Every other byte of the file is kept. The value is stored up to its
// first line break, since the form cannot hold one and the rest would read as other lines.
std::string SetIniValue(std::string_view fileBytes, std::string_view section,
                        std::string_view key, std::string_view value);
