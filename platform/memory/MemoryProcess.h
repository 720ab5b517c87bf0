#pragma once
// The running program as a test sets it up: its path and its command-line arguments.
#include <string>
#include <vector>

#include "platform/Process.h"

namespace platform::memory {

class MemoryProcess : public Process {
 public:
  std::string programPath = "C:\\Program Files\\TobrinPlus\\Tobrin.exe";
  std::vector<std::string> arguments;

  std::string ProgramPath() const override { return programPath; }
  std::vector<std::string> Arguments() const override { return arguments; }
};

}  // namespace platform::memory
