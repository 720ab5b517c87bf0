#pragma once
// The system's open and save dialogs (GetOpenFileNameW / GetSaveFileNameW, Explorer style).
#include <string>

#include "platform/FileDialogs.h"

namespace platform::win32 {

// The filter "label|pattern|label|pattern" in the dialogs' form: each part ended by a zero
// character and the whole by one more.
std::wstring DialogFilter(const std::wstring& filter);

class Win32FileDialogs final : public FileDialogs {
 public:
  std::optional<std::string> Open(WindowHandle owner, const FileDialogOptions& options) override;
  std::optional<std::string> Save(WindowHandle owner, const FileDialogOptions& options) override;
};

}  // namespace platform::win32
