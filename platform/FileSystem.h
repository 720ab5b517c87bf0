#pragma once
// Files and paths. Every path and name is Shift_JIS text in Windows form (drive letters,
// backslashes, UNC heads); names match without regard to letter case.
#include <optional>
#include <string>
#include <string_view>

namespace platform {

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // True when a file (not a folder) exists at the path.
  virtual bool FileExists(const std::string& path) const = 0;

  // The whole content of the file, or nothing when it cannot be read.
  virtual std::optional<std::string> ReadWholeFile(const std::string& path) const = 0;

  // Writes the bytes to a temporary file beside the target and moves it over the target in
  // one step, so that the target is either the old file or the whole new one. False when
  // refused (folder missing, access denied, target held open).
  virtual bool ReplaceFileWith(const std::string& path, std::string_view bytes) = 0;

  // Copies a file, replacing an existing target. False when the copy failed.
  virtual bool CopyFileReplacing(const std::string& from, const std::string& to) = 0;

  // The absolute form of the path against the current folder ("C:\a\..\b" -> "C:\b").
  virtual std::string AbsolutePath(const std::string& path) const = 0;

  // For a path on a drive letter connected to a network share, the same path in UNC form
  // (\\server\share\rest); nothing for a local path.
  virtual std::optional<std::string> UncPathOfMappedDrive(const std::string& path) const = 0;

  // The name under which the file system lists the last component of the path (its long
  // name, in its stored letter case), looking at files and folders with any attributes;
  // nothing when there is no such entry or the last component is empty.
  virtual std::optional<std::string> ListedName(const std::string& path) const = 0;
};

}  // namespace platform
