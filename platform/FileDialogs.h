#pragma once
// The system's open and save dialogs for choosing a file.
#include <optional>
#include <string>

#include "platform/Types.h"

namespace platform {

struct FileDialogOptions {
  // Pairs of label and pattern joined by "|": "CSVファイル|*.csv|すべてのファイル|*.*".
  std::string filter;
  std::string initialFolder;
  std::string initialFile;       // the name (or full path) shown at first
  std::string defaultExtension;  // added to a typed name without extension, without the dot
  std::string title;             // empty: the system's own title
  bool hideReadOnly = false;
  bool pathMustExist = false;
  bool fileMustExist = false;
  bool overwritePrompt = false;  // ask before overwriting an existing file
  bool createPrompt = false;     // ask before creating a new file
  bool noReadOnlyReturn = false; // refuse a read-only file or folder
  bool enableSizing = false;
  friend bool operator==(const FileDialogOptions&, const FileDialogOptions&) = default;
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;

  // The full path the user confirmed, or nothing when the dialog was cancelled.
  virtual std::optional<std::string> Open(WindowHandle owner, const FileDialogOptions& options) = 0;
  virtual std::optional<std::string> Save(WindowHandle owner, const FileDialogOptions& options) = 0;
};

}  // namespace platform
