#include "shellext/Selection.h"

#include <utility>

#include "text/AsciiCase.h"

namespace {

constexpr char16_t kBackslash = u'\\';

std::u16string_view WithoutTrailingBackslash(std::u16string_view path) {
  if (path.size() > 1 && path.back() == kBackslash) path.remove_suffix(1);
  return path;
}

}  // namespace

Selection::Selection(std::vector<std::u16string> paths, FolderTest isFolder)
    : paths_(std::move(paths)), isFolder_(std::move(isFolder)), kinds_(paths_.size()) {}

bool Selection::IsFolder(std::size_t item) const {
  if (kinds_[item] == Kind::kUnknown) {
    kinds_[item] = isFolder_ && isFolder_(paths_[item]) ? Kind::kFolder : Kind::kFile;
  }
  return kinds_[item] == Kind::kFolder;
}

std::u16string_view ItemName(std::u16string_view path) {
  const std::u16string_view trimmed = WithoutTrailingBackslash(path);
  const std::size_t folderEnd = trimmed.find_last_of(kBackslash);
  if (folderEnd == std::u16string_view::npos || folderEnd + 1 == trimmed.size()) return path;
  return trimmed.substr(folderEnd + 1);
}

std::u16string_view ItemExtension(std::u16string_view path) {
  const std::u16string_view name = ItemName(path);
  const std::size_t dot = name.find_last_of(u'.');
  return dot == std::u16string_view::npos ? std::u16string_view() : name.substr(dot + 1);
}

std::u16string ParentFolder(std::u16string_view path) {
  const std::u16string_view trimmed = WithoutTrailingBackslash(path);
  const std::size_t folderEnd = trimmed.find_last_of(kBackslash);
  if (folderEnd == std::u16string_view::npos) return std::u16string(path);
  std::u16string folder(trimmed.substr(0, folderEnd));
  if (!folder.empty() && folder.back() == u':') folder += kBackslash;  // a drive's root
  return folder;
}

bool EqualIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (ToLowerAscii(a[i]) != ToLowerAscii(b[i])) return false;
  }
  return true;
}
