#pragma once
// The operating system's folder answers, set by a test: the kernel's temporary, system and
// Windows folders (in any form, short 8.3 names included) and the shell's folder for each
// CSIDL. Nothing is set at the start: the kernel answers empty and the shell has no folders.
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/SystemFolders.h"

namespace platform::memory {

class MemorySystemFolders : public SystemFolders {
 public:
  void SetKernelTempPath(std::string path) { tempPath_ = std::move(path); }
  void SetKernelSystemDirectory(std::string path) { systemDirectory_ = std::move(path); }
  void SetKernelWindowsDirectory(std::string path) { windowsDirectory_ = std::move(path); }
  // The shell's path for the CSIDL; RemoveShellFolder makes the shell have none again.
  void SetShellFolder(int csidl, std::string path) { shellFolders_[csidl] = std::move(path); }
  void RemoveShellFolder(int csidl) { shellFolders_.erase(csidl); }

  // The owner windows the shell was asked with, in order.
  const std::vector<WindowHandle>& ShellOwners() const { return shellOwners_; }

  std::string KernelTempPath() const override { return tempPath_; }
  std::string KernelSystemDirectory() const override { return systemDirectory_; }
  std::string KernelWindowsDirectory() const override { return windowsDirectory_; }
  std::optional<std::string> ShellFolderPath(int csidl, WindowHandle owner) const override;

 private:
  std::string tempPath_;
  std::string systemDirectory_;
  std::string windowsDirectory_;
  std::map<int, std::string> shellFolders_;
  mutable std::vector<WindowHandle> shellOwners_;
};

}  // namespace platform::memory
