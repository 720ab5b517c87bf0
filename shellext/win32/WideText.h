#pragma once
// The component's UTF-16 text (std::u16string, shared with the portable logic) and Windows'
// wide text (wchar_t, UTF-16 on Windows) are the same code units.
#include <windows.h>

#include <string>
#include <string_view>

namespace shellext {

inline std::wstring ToWindows(std::u16string_view text) { return {text.begin(), text.end()}; }
inline std::u16string FromWindows(std::wstring_view text) { return {text.begin(), text.end()}; }

// The path in the "\\?\" form that Win32 file functions accept beyond the classic length
// limit; shorter paths and paths already in that form are passed as they are.
std::wstring LongPathForm(const std::wstring& path);

}  // namespace shellext
