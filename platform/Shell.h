#pragma once
// Starting programs and documents through the shell.
#include <string>

#include "platform/Types.h"

namespace platform {

// Show commands the programs pass (the values are Windows' own).
constexpr int kShowCommandShow = 5;  // SW_SHOW

// Result codes of a shell execution that the programs act on (Windows' own values; a result
// above 32 means success).
constexpr int kShellFileNotFound = 2;  // ERROR_FILE_NOT_FOUND

class Shell {
 public:
  virtual ~Shell() = default;

  // Asks the shell to perform the verb on the file (a program, a document or an address)
  // and returns its result code at once; it does not wait for the started program.
  virtual int Execute(WindowHandle owner, const std::string& verb, const std::string& file,
                      const std::string& parameters, const std::string& directory,
                      int showCommand) = 0;
};

}  // namespace platform
