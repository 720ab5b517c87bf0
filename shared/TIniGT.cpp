#include "shared/TIniGT.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "shared/IniText.h"
#include "shared/PathText.h"
#include "shared/TbError.h"
#include "text/AsciiCase.h"
#include "text/Blanks.h"

namespace {

int DigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// A signed decimal number, or hexadecimal digits after "$" (as many as fit in 32 bits, so
// "$FFFFFFFF" is -1); nothing for an empty text, other characters or a value out of range.
std::optional<int> ParseInteger(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const bool hex = !text.empty() && text.front() == '$';
  if (hex) text.remove_prefix(1);
  const int base = hex ? 16 : 10;
  const std::int64_t limit = negative ? 2147483648LL : hex ? 0xFFFFFFFFLL : 2147483647LL;
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    const int digit = DigitValue(c);
    if (digit >= base) return std::nullopt;
    value = value * base + digit;
    if (value > limit) return std::nullopt;
  }
  if (negative) value = -value;
  return static_cast<int>(static_cast<std::uint32_t>(value));
}

}  // namespace

TIniGT::TIniGT(platform::FileSystem& files, std::string folder, std::string fileName)
    : files_(files), path_(HasFolderPart(fileName) ? fileName : folder + fileName) {}

std::string TIniGT::ReadString(const std::string& section, const std::string& key,
                               const std::string& defaultValue) const {
  const std::optional<std::string> file = files_.ReadWholeFile(path_);
  if (!file) return defaultValue;
  return FindIniValue(*file, section, key).value_or(defaultValue);
}

void TIniGT::WriteString(const std::string& section, const std::string& key,
                         const std::string& value) {
  WriteEntries({{section, key, value}});
}

void TIniGT::WriteEntries(const std::vector<IniEntry>& entries) {
  std::optional<std::string> file = files_.ReadWholeFile(path_);
  // A file that exists but cannot be read is not replaced by one holding only these entries.
  if (!file && files_.FileExists(path_)) throw CannotWriteError(path_);
  std::string bytes = file ? std::move(*file) : std::string();
  for (const IniEntry& entry : entries) {
    bytes = SetIniValue(bytes, entry.section, entry.key, entry.value);
  }
  if (!files_.ReplaceFileWith(path_, bytes)) throw CannotWriteError(path_);
}

int TIniGT::ReadInteger(const std::string& section, const std::string& key,
                        int defaultValue) const {
  return ConvertSettingsInteger(ReadString(section, key, ""), defaultValue);
}

void TIniGT::WriteInteger(const std::string& section, const std::string& key, int value) {
  WriteString(section, key, std::to_string(value));
}

void TIniGT::ReadFormPosition(const std::string& section, const std::string& prefix,
                              FormPosition& window) const {
  window.Left = ReadInteger(section, prefix + ".X", window.Left);
  window.Top = ReadInteger(section, prefix + ".Y", window.Top);
}

void TIniGT::WriteFormPosition(const std::string& section, const std::string& prefix,
                               const FormPosition& window) {
  WriteEntries({{section, prefix + ".X", std::to_string(window.Left)},
                {section, prefix + ".Y", std::to_string(window.Top)}});
}

// Read as the old component did: "0x"/"0X" stands for "$" in a text longer than two
// characters. Blanks around the number are ignored, as the system's profile functions never
// passed them on.
int ConvertSettingsInteger(std::string_view storedText, int defaultValue) {
  std::string text(TrimBlanks(storedText));
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.replace(0, 2, "$");
  }
  return ParseInteger(text).value_or(defaultValue);
}

std::string SettingsFileNameForProgram(const std::string& executableName) {
  const std::string_view name = FileNamePart(executableName);
  const std::size_t dot = name.rfind('.');  // "." is never the second byte of a character
  std::string settingsName = LowerAscii(std::string(name.substr(0, dot)) + ".INI");
  if (!settingsName.empty()) settingsName[0] = ToUpperAscii(settingsName[0]);
  return settingsName;
}
