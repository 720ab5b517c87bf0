#pragma once
// The running program's own path and command line, in Shift_JIS.
#include <string>
#include <vector>

#include "platform/Process.h"

namespace platform::win32 {

class Win32Process final : public Process {
 public:
  std::string ProgramPath() const override;
  std::vector<std::string> Arguments() const override;
};

}  // namespace platform::win32
