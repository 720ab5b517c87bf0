#include "shellext/win32/WideText.h"

namespace shellext {

namespace {

// From this length on the classic functions refuse a path (with the margin CreateFileW keeps
// for an 8.3 name).
constexpr std::size_t kClassicPathLimit = MAX_PATH - 12;

}  // namespace

std::wstring LongPathForm(const std::wstring& path) {
  if (path.size() < kClassicPathLimit || path.rfind(L"\\\\?\\", 0) == 0) return path;
  if (path.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + path.substr(2);
  return L"\\\\?\\" + path;
}

}  // namespace shellext
