#pragma once
// The settings access object: every read or write opens the settings file for that one call.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/FileSystem.h"

// A window's position as the settings file keeps it.
struct FormPosition {
  int Left = 0;
  int Top = 0;
};

// One entry of a write of several entries at once.
struct IniEntry {
  std::string section;
  std::string key;
  std::string value;
};

class TIniGT {
 public:
  // `folder` ends in a backslash; `fileName` without a folder is taken relative to it, a name
  // with a folder or drive part is used as it is.
  TIniGT(platform::FileSystem& files, std::string folder, std::string fileName);

  const std::string& FilePath() const { return path_; }

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) const;
  // The value is stored up to its first line break (the file form cannot hold one).
  // Raises TbError "<path> に書き込めません" when the write is refused, or when the file
  // exists but cannot be read (it is then left as it is rather than replaced).
  void WriteString(const std::string& section, const std::string& key, const std::string& value);

  // Decimal, or hexadecimal after "$", "0x" or "0X"; the default when missing or not a number.
  int ReadInteger(const std::string& section, const std::string& key, int defaultValue) const;
  void WriteInteger(const std::string& section, const std::string& key, int value);

  // Sets the entries in their order in a single replacement of the file, which then holds the
  // same bytes as after writing them one by one; when the write is refused (TbError as for
  // WriteString), the file keeps all its old entries.
  void WriteEntries(const std::vector<IniEntry>& entries);

  // Keys prefix + ".X" and prefix + ".Y"; each read defaults to the window's current value.
  void ReadFormPosition(const std::string& section, const std::string& prefix,
                        FormPosition& window) const;
  void WriteFormPosition(const std::string& section, const std::string& prefix,
                         const FormPosition& window);

 private:
  platform::FileSystem& files_;
  std::string path_;
};

// The stored text of an integer setting as ReadInteger converts it: decimal, or hexadecimal
// after "$", "0x" or "0X", blanks around it ignored; the default when empty or not a number.
int ConvertSettingsInteger(std::string_view storedText, int defaultValue);

// A switch is on only when its stored value is exactly 1.
inline bool IsSwitchOn(int value) { return value == 1; }

// The settings file name the settings program derives from its executable's file name:
// extension replaced by ".INI", all lower case, then the first letter upper case
// ("TobrinPlus.exe" -> "Tobrinplus.ini").
std::string SettingsFileNameForProgram(const std::string& executableName);
