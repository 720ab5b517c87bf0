#pragma once
// A shell that starts nothing: it records every execution with all its arguments and answers
// with scripted result codes.
#include <deque>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace platform::memory {

class MemoryShell : public Shell {
 public:
  struct Execution {
    WindowHandle owner = 0;
    std::string verb;
    std::string file;
    std::string parameters;
    std::string directory;
    int showCommand = 0;
    friend bool operator==(const Execution&, const Execution&) = default;
  };

  // Result codes for the next executions, in order; once used up, every execution gets
  // defaultResult (a success code by default).
  std::deque<int> scriptedResults;
  int defaultResult = 42;

  std::vector<Execution> executions;

  int Execute(WindowHandle owner, const std::string& verb, const std::string& file,
              const std::string& parameters, const std::string& directory,
              int showCommand) override;
};

}  // namespace platform::memory
