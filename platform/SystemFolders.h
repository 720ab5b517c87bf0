#pragma once
// The operating system's answers about standard folders, as raw as it gives them; the shared
// library turns them into the folder paths the programs use.
#include <optional>
#include <string>

#include "platform/Types.h"

namespace platform {

class SystemFolders {
 public:
  virtual ~SystemFolders() = default;

  // The kernel's temporary path (may be in short 8.3 form); empty when the query fails.
  virtual std::string KernelTempPath() const = 0;
  virtual std::string KernelSystemDirectory() const = 0;
  virtual std::string KernelWindowsDirectory() const = 0;

  // The file-system path of the shell folder with the given CSIDL, asking with the owner as
  // owner window; nothing when the shell has no such folder or it has no file-system path.
  virtual std::optional<std::string> ShellFolderPath(int csidl, WindowHandle owner) const = 0;
};

}  // namespace platform
