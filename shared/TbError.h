#pragma once
// The error the programs raise for a failure that the user must be told about; its message
// is Shift_JIS text ready for a message box.
#include <stdexcept>
#include <string>

class TbError : public std::runtime_error {
 public:
  explicit TbError(const std::string& message) : std::runtime_error(message) {}
};
