#pragma once
// The kernel's and the shell's standard folders, as Windows reports them, in Shift_JIS.
#include <optional>
#include <string>

#include "platform/SystemFolders.h"

namespace platform::win32 {

class Win32SystemFolders final : public SystemFolders {
 public:
  std::string KernelTempPath() const override;
  std::string KernelSystemDirectory() const override;
  std::string KernelWindowsDirectory() const override;
  std::optional<std::string> ShellFolderPath(int csidl, WindowHandle owner) const override;
};

}  // namespace platform::win32
