#include "shellext/win32/DroppedItems.h"

#include <shellapi.h>

#include <string>
#include <utility>
#include <vector>

#include "shellext/win32/WideText.h"

namespace shellext {

namespace {

constexpr UINT kCountQuery = 0xFFFFFFFF;

bool IsFolderPath(const std::u16string& path) {
  const DWORD attributes = GetFileAttributesW(LongPathForm(ToWindows(path)).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<std::u16string> PathsOf(HDROP drop) {
  const UINT count = DragQueryFileW(drop, kCountQuery, nullptr, 0);
  std::vector<std::u16string> paths;
  paths.reserve(count);
  for (UINT item = 0; item < count; ++item) {
    const UINT length = DragQueryFileW(drop, item, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    path.resize(DragQueryFileW(drop, item, path.data(), length + 1));
    if (!path.empty()) paths.push_back(FromWindows(path));
  }
  return paths;
}

}  // namespace

std::optional<Selection> SelectionOf(IDataObject& data) {
  FORMATETC format{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  STGMEDIUM medium{};
  if (FAILED(data.GetData(&format, &medium))) return std::nullopt;
  std::optional<Selection> selection;
  if (medium.tymed == TYMED_HGLOBAL && medium.hGlobal != nullptr) {
    selection = Selection(PathsOf(static_cast<HDROP>(medium.hGlobal)), &IsFolderPath);
  }
  ReleaseStgMedium(&medium);
  return selection;
}

}  // namespace shellext
