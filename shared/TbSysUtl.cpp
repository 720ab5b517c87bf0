#include "shared/TbSysUtl.h"

#include <optional>
#include <string_view>
#include <vector>

#include "shared/PathText.h"
#include "text/Sjis.h"

namespace {

// The shell's CSIDL of each kind, in the order of TSpecialFolder; -1 marks the kinds that the
// kernel's own queries answer.
constexpr int kCsidlOfKind[kSpecialFolderCount] = {
    0x30,  // sfAdminTools
    0x1D,  // sfAltStartup
    0x1A,  // sfAppData
    0x2F,  // sfCommonAdminTools
    0x1E,  // sfCommonAltStartup
    0x23,  // sfCommonAppData
    0x19,  // sfCommonDesktopDirectory
    0x2E,  // sfCommonDocuments
    0x1F,  // sfCommonFavorites
    0x17,  // sfCommonPrograms
    0x16,  // sfCommonStartMenu
    0x18,  // sfCommonStartup
    0x21,  // sfCookies
    0x10,  // sfDesktopDirectory
    0x06,  // sfFavorites
    0x14,  // sfFonts
    0x22,  // sfHistory
    0x20,  // sfInternetCache
    0x1C,  // sfLocalAppData
    0x05,  // sfPersonal
    0x0D,  // sfMyMusic
    0x27,  // sfMyPictures
    0x0E,  // sfMyVideo
    0x13,  // sfNetHood
    0x1B,  // sfPrintHood
    0x28,  // sfProfile
    0x02,  // sfPrograms
    0x26,  // sfProgramFiles
    0x2B,  // sfProgramFilesCommon
    0x08,  // sfRecent
    0x09,  // sfSendTo
    0x0B,  // sfStartMenu
    0x07,  // sfStartup
    -1,    // sfSystem
    -1,    // sfTemp
    0x15,  // sfTemplates
    -1,    // sfWindows
};

// No path longer than this many characters (UTF-16 units, one per Shift_JIS character) can
// name an entry on Windows, so looking one up could only fail.
constexpr std::size_t kLongestPathCharacters = 32767;

// An operating-system answer is text up to its first zero byte.
std::string UpToFirstZero(std::string text) {
  const std::size_t zero = text.find('\0');
  if (zero != std::string::npos) text.resize(zero);
  return text;
}

// True when the text ends in the first byte of a double-byte character whose second byte is
// missing. A backslash appended to it would become that second byte.
bool EndsInCutCharacter(std::string_view text) {
  std::size_t last = 0;
  for (std::size_t i = 0; i < text.size(); i += SjisCharLength(text, i)) last = i;
  return !text.empty() && last + 1 == text.size() &&
         IsSjisLeadByte(static_cast<unsigned char>(text[last]));
}

// A real backslash of a path and the number of characters before it.
struct Separator {
  std::size_t position;
  std::size_t charactersBefore;
};

std::vector<Separator> RealBackslashes(std::string_view path, std::size_t& characterCount) {
  std::vector<Separator> separators;
  characterCount = 0;
  for (std::size_t i = 0; i < path.size(); i += SjisCharLength(path, i), ++characterCount) {
    if (path[i] == '\\') separators.push_back({i, characterCount});
  }
  return separators;
}

}  // namespace

int CsidlOfSpecialFolder(TSpecialFolder kind) {
  const int index = static_cast<int>(kind);
  return index >= 0 && index < kSpecialFolderCount ? kCsidlOfKind[index] : -1;
}

// Each component is looked up through the whole path that ends with it, from the last one back
// to the first; the drive or the "\\server" head stays as it is. The backslashes are found in
// one pass, so the work is one lookup per component: at worst the number of components times
// the path length, and lookups stop at paths that Windows could not name at all.
std::string ExpandLongPath(const platform::FileSystem& files, const std::string& path) {
  if (path.empty()) return {};
  std::string absolute = files.AbsolutePath(path);
  if (StartsWithDriveRoot(absolute)) {
    if (auto unc = files.UncPathOfMappedDrive(absolute)) absolute = std::move(*unc);
  }

  std::size_t characterCount = 0;
  const std::vector<Separator> separators = RealBackslashes(absolute, characterCount);
  std::vector<std::string> names;  // the components after the head, last one first
  std::size_t end = absolute.size();
  std::size_t endCharacters = characterCount;
  // Stop at a backslash among the first two characters: a bare drive ("C:") or the "\\" of a
  // UNC head with its server name is what remains.
  for (auto it = separators.rbegin(); it != separators.rend() && it->charactersBefore >= 2;
       ++it) {
    std::string name = absolute.substr(it->position + 1, end - it->position - 1);
    // An empty last component has no listed name; neither has a path too long to name one.
    if (!name.empty() && endCharacters <= kLongestPathCharacters) {
      if (auto listed = files.ListedName(absolute.substr(0, end))) name = std::move(*listed);
    }
    names.push_back(std::move(name));
    end = it->position;
    endCharacters = it->charactersBefore;
  }

  std::string result = absolute.substr(0, end);
  for (auto name = names.rbegin(); name != names.rend(); ++name) {
    result += '\\';
    result += *name;
  }
  return result;
}

std::string GetSpecialFolderPath(const platform::SystemFolders& folders,
                                 const platform::FileSystem& files, platform::WindowHandle owner,
                                 TSpecialFolder kind) {
  std::string result;
  switch (kind) {
    case sfSystem:
      result = ExpandLongPath(files, UpToFirstZero(folders.KernelSystemDirectory()));
      break;
    case sfTemp:
      // The kernel may give the temporary path in short (8.3) form; every program must get
      // the same long form, or the launcher misses the hand-off file the script wrote.
      result = ExpandLongPath(files, UpToFirstZero(folders.KernelTempPath()));
      break;
    case sfWindows:
      result = ExpandLongPath(files, UpToFirstZero(folders.KernelWindowsDirectory()));
      break;
    default: {
      const int csidl = CsidlOfSpecialFolder(kind);
      if (csidl < 0) return {};
      // The shell's path is used as it comes, without long-name expansion.
      if (auto shellPath = folders.ShellFolderPath(csidl, owner)) {
        result = UpToFirstZero(std::move(*shellPath));
      }
    }
  }
  // A path cut in the middle of a character names no folder we could write to: the backslash
  // appended to it would be taken as the character's second byte.
  if (EndsInCutCharacter(result)) return {};
  // Double-byte aware: a path ending in 表 (second byte 0x5C) still gets its backslash.
  if (!result.empty() && !SjisEndsWithBackslash(result)) result += '\\';
  return result;
}
