#pragma once
// The items Explorer hands to the menu: full paths in UTF-16 (so that no name is lost on a
// system whose code page cannot hold it), and for each whether it is a folder. Asking the
// file system costs time inside Explorer's right-click, so each item is asked at most once
// and only when a decision needs it.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class Selection {
 public:
  using FolderTest = std::function<bool(const std::u16string& path)>;

  Selection() = default;
  Selection(std::vector<std::u16string> paths, FolderTest isFolder);

  std::size_t Count() const { return paths_.size(); }
  bool Empty() const { return paths_.empty(); }
  const std::vector<std::u16string>& Paths() const { return paths_; }
  const std::u16string& Path(std::size_t item) const { return paths_[item]; }
  bool IsFolder(std::size_t item) const;

 private:
  enum class Kind : unsigned char { kUnknown, kFile, kFolder };

  std::vector<std::u16string> paths_;
  FolderTest isFolder_;
  mutable std::vector<Kind> kinds_;
};

// The last part of a path, without its folder: "C:\a\b.txt" gives "b.txt", "C:\a\dir\" gives
// "dir". A path without such a part (a drive "C:\") is its own name.
std::u16string_view ItemName(std::u16string_view path);

// The extension of the path's name without its dot ("b.TXT" gives "TXT"); empty for none.
std::u16string_view ItemExtension(std::u16string_view path);

// The folder that holds the item, without a trailing backslash except at a drive's root:
// "C:\a\b.txt" gives "C:\a", "C:\b.txt" gives "C:\".
std::u16string ParentFolder(std::u16string_view path);

// True when the two texts are the same, ASCII letters compared without regard to case (as
// extensions and verbs are).
bool EqualIgnoringAsciiCase(std::u16string_view a, std::u16string_view b);
