#pragma once
// What the running program knows about itself.
#include <string>
#include <vector>

namespace platform {

class Process {
 public:
  virtual ~Process() = default;

  // Full path of the running executable.
  virtual std::string ProgramPath() const = 0;

  // The command-line arguments after the program name, as the platform's parsing gives them.
  virtual std::vector<std::string> Arguments() const = 0;
};

}  // namespace platform
