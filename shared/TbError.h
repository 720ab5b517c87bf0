#pragma once
// The error the programs raise for a failure that the user must be told about; its message
// is Shift_JIS text ready for a message box.
#include <stdexcept>
#include <string>

#include "shared/ProductTexts.h"

class TbError : public std::runtime_error {
 public:
  explicit TbError(const std::string& message) : std::runtime_error(message) {}
};

// The error of a file that cannot be written: "<path> に書き込めません".
inline TbError CannotWriteError(const std::string& path) {
  return TbError(path + std::string(product_text::kCannotWrite));
}
