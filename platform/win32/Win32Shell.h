#pragma once
// Starting programs, documents and addresses through ShellExecuteW.
#include "platform/Shell.h"

namespace platform::win32 {

class Win32Shell final : public Shell {
 public:
  int Execute(WindowHandle owner, const std::string& verb, const std::string& file,
              const std::string& parameters, const std::string& directory,
              int showCommand) override;
};

}  // namespace platform::win32
