#include "shared/TIniGT.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "shared/IniText.h"
#include "shared/TbError.h"
#include "text/Sjis.h"

namespace {

bool HasFolderPart(const std::string& name) {
  return SjisFindLastOf(name, "\\/:") != std::string::npos;
}

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

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

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
  WriteEntries(section, {{key, value}});
}

void TIniGT::WriteEntries(const std::string& section,
                          std::initializer_list<std::pair<std::string, std::string>> entries) {
  std::optional<std::string> file = files_.ReadWholeFile(path_);
  // A file that exists but cannot be read is not replaced by one holding only these entries.
  if (!file && files_.FileExists(path_)) throw TbError(path_ + " に書き込めません");
  std::string bytes = file ? std::move(*file) : std::string();
  for (const auto& [key, value] : entries) bytes = SetIniValue(bytes, section, key, value);
  if (!files_.ReplaceFileWith(path_, bytes)) throw TbError(path_ + " に書き込めません");
}

// Read as the old component did: "0x"/"0X" stands for "$" in a text longer than two
// characters. Blanks around the number are ignored, as the system's profile functions never
// passed them on.
int TIniGT::ReadInteger(const std::string& section, const std::string& key,
                        int defaultValue) const {
  std::string text(TrimBlanks(ReadString(section, key, "")));
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.replace(0, 2, "$");
  }
  return ParseInteger(text).value_or(defaultValue);
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
  WriteEntries(section, {{prefix + ".X", std::to_string(window.Left)},
                         {prefix + ".Y", std::to_string(window.Top)}});
}

std::string SettingsFileNameForProgram(const std::string& executableName) {
  const std::size_t folderEnd = SjisFindLastOf(executableName, "\\/:");
  std::string name =
      folderEnd == std::string::npos ? executableName : executableName.substr(folderEnd + 1);
  const std::size_t dot = name.rfind('.');  // "." is never the second byte of a character
  name = (dot == std::string::npos ? name : name.substr(0, dot)) + ".INI";
  for (std::size_t i = 0; i < name.size(); i += SjisCharLength(name, i)) {
    name[i] = LowerAscii(name[i]);
  }
  if (!name.empty() && name[0] >= 'a' && name[0] <= 'z') {
    name[0] = static_cast<char>(name[0] - 'a' + 'A');
  }
  return name;
}

std::string ProgramFolderOf(const std::string& programPath) {
  const std::size_t folderEnd = SjisFindLastOf(programPath, "\\:");
  return folderEnd == std::string::npos ? std::string() : programPath.substr(0, folderEnd + 1);
}
