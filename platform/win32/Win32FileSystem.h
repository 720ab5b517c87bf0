#pragma once
// Files and paths through the Win32 W functions; Shift_JIS paths are converted with code
// page 932. Paths longer than the classic 260-character limit are passed in their "\\?\" form.
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileSystem.h"

namespace platform::win32 {

// The UTF-16 path to hand to a Win32 file function: as given while it is short, or the
// absolute path with the "\\?\" (or "\\?\UNC\") head once it is long enough for the classic
// limit to refuse it.
std::wstring ApiPath(const std::string& path);

// The absolute form of a UTF-16 path (GetFullPathNameW, any length); empty when it fails.
std::wstring FullPathWide(const std::wstring& path);

class Win32FileSystem final : public FileSystem {
 public:
  bool FileExists(const std::string& path) const override;
  std::optional<std::string> ReadWholeFile(const std::string& path) const override;
  bool ReplaceFileWith(const std::string& path, std::string_view bytes) override;
  bool CopyFileReplacing(const std::string& from, const std::string& to) override;
  std::string AbsolutePath(const std::string& path) const override;
  std::optional<std::string> UncPathOfMappedDrive(const std::string& path) const override;
  std::optional<std::string> ListedName(const std::string& path) const override;
};

}  // namespace platform::win32
