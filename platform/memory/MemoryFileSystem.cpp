#include "platform/memory/MemoryFileSystem.h"

#include <algorithm>
#include <functional>
#include <stdexcept>

#include "text/AsciiCase.h"
#include "text/Sjis.h"

namespace platform::memory {

namespace {

bool StartsWithDrive(std::string_view path) {
  return path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == ':';
}

bool IsDriveRoot(std::string_view root) { return StartsWithDrive(root) && root.size() == 2; }

// Windows takes a forward slash for a backslash. 0x2F is never the second byte of a
// double-byte character, so every one of them is a separator.
std::string WithBackslashes(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

// Position of the first real backslash at or after `from` (a character start), or the size.
std::size_t FindSeparator(std::string_view path, std::size_t from) {
  std::size_t i = from;
  while (i < path.size() && path[i] != '\\') i += SjisCharLength(path, i);
  return std::min(i, path.size());
}

template <typename Path>
std::string Format(const Path& parsed) {
  std::string out(parsed.root);
  if (parsed.components.empty()) {
    // A drive root is always written "C:\"; a share root keeps what the input had.
    if (IsDriveRoot(parsed.root) || parsed.trailingBackslash) out += '\\';
    return out;
  }
  for (const auto& c : parsed.components) {
    out += '\\';
    out += c;
  }
  if (parsed.trailingBackslash) out += '\\';
  return out;
}

}  // namespace

struct MemoryFileSystem::Node {
  std::string name;  // as listed: the letter case it was created with
  bool isFolder = true;
  std::string bytes;
  std::map<std::string, std::unique_ptr<Node>> children;  // by folded name
  std::map<std::string, std::string> shortAliases;        // folded alias -> folded long name

  Node* Child(std::string_view childName) const {
    const std::string folded = UpperAscii(childName);
    if (auto it = children.find(folded); it != children.end()) return it->second.get();
    if (auto alias = shortAliases.find(folded); alias != shortAliases.end()) {
      if (auto it = children.find(alias->second); it != children.end()) return it->second.get();
    }
    return nullptr;
  }

  Node& AddChild(const std::string& childName, bool folder) {
    auto& slot = children[UpperAscii(childName)];
    slot = std::make_unique<Node>();
    slot->name = childName;
    slot->isFolder = folder;
    return *slot;
  }
};

// Where a path leads: the entry, the folder that holds (or would hold) it, and whether
// writes there are refused.
struct MemoryFileSystem::Location {
  Node* parent = nullptr;
  Node* node = nullptr;
  std::string lastName;           // last component as given; empty for a root
  bool trailingBackslash = false;  // the path's last component is empty
  bool refused = false;
  std::string key;  // folded full path, long names where the entries exist

  bool IsFile() const { return node && !node->isFolder && !trailingBackslash; }
};

MemoryFileSystem::MemoryFileSystem() { currentFolder_.root = "C:"; }

MemoryFileSystem::~MemoryFileSystem() = default;

// Takes a path apart the way GetFullPathName reads it: UNC head, drive, drive-relative,
// root-relative and relative forms; "." and ".." applied (never above the root); empty
// components dropped.
MemoryFileSystem::PathView MemoryFileSystem::Parse(std::string_view path) const {
  PathView out;
  std::size_t rest = 0;
  const auto currentComponents = [&] {
    out.components.assign(currentFolder_.components.begin(), currentFolder_.components.end());
  };
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    const std::size_t serverEnd = FindSeparator(path, 2);
    out.root = path.substr(0, serverEnd);
    rest = serverEnd;
    if (serverEnd < path.size()) {
      const std::size_t shareEnd = FindSeparator(path, serverEnd + 1);
      if (shareEnd > serverEnd + 1) {
        out.root = path.substr(0, shareEnd);
        rest = shareEnd;
      }
    }
  } else if (StartsWithDrive(path)) {
    out.root = path.substr(0, 2);
    rest = 2;
    const bool driveRelative = path.size() == 2 || path[2] != '\\';
    if (driveRelative && UpperAscii(out.root) == UpperAscii(currentFolder_.root)) {
      currentComponents();
    }
  } else {
    out.root = currentFolder_.root;
    if (path.empty() || path[0] != '\\') currentComponents();
  }
  bool vanished = false;  // the last name was all dots and spaces
  for (std::size_t i = rest; i < path.size();) {
    if (path[i] == '\\') {
      ++i;
      continue;
    }
    const std::size_t end = FindSeparator(path, i);
    const std::string_view piece = path.substr(i, end - i);
    vanished = false;
    if (piece == "..") {
      if (!out.components.empty()) out.components.pop_back();
    } else if (piece != ".") {
      // Windows drops trailing dots and spaces of a name ("b." and "b " are "b"); neither
      // byte is ever the second byte of a double-byte character.
      const std::size_t kept = piece.find_last_not_of(". ");
      if (kept == std::string_view::npos) {
        vanished = true;
      } else {
        out.components.push_back(piece.substr(0, kept + 1));
      }
    }
    i = end;
  }
  // Whatever follows a root keeps the root's backslash ("\\srv\share\a\.." gives the share
  // root with its backslash, as "C:\a\.." gives "C:\"); so does a last name that vanished.
  out.trailingBackslash = rest < path.size() &&
                          (SjisEndsWithBackslash(path) || out.components.empty() || vanished);
  return out;
}

// The parsed path with a mapped drive replaced by its share, so that both reach one entry.
MemoryFileSystem::PathView MemoryFileSystem::Resolve(std::string_view path) const {
  PathView parsed = Parse(path);
  if (auto mapped = mappedDrives_.find(UpperAscii(parsed.root)); mapped != mappedDrives_.end()) {
    const ParsedPath& share = mapped->second;
    parsed.root = share.root;
    parsed.components.insert(parsed.components.begin(), share.components.begin(),
                             share.components.end());
  }
  return parsed;
}

MemoryFileSystem::ParsedPath MemoryFileSystem::Owned(const PathView& view) {
  ParsedPath owned;
  owned.root = view.root;
  owned.components.assign(view.components.begin(), view.components.end());
  owned.trailingBackslash = view.trailingBackslash;
  return owned;
}

// Walks the tree along the path. The key names the path in folded long names as far as the
// entries exist and in the folded given names after that; it decides whether writes are
// refused.
MemoryFileSystem::Location MemoryFileSystem::Locate(const std::string& path) const {
  Location loc;
  if (path.empty()) return loc;
  const std::string text = WithBackslashes(path);
  const PathView parsed = Resolve(text);
  loc.trailingBackslash = parsed.trailingBackslash;
  AppendUpperAscii(loc.key, parsed.root);
  const auto root = roots_.find(loc.key);
  Node* current = root == roots_.end() ? nullptr : root->second.get();
  loc.node = current;
  for (const std::string_view component : parsed.components) {
    Node* child = current ? current->Child(component) : nullptr;
    loc.key += '\\';
    AppendUpperAscii(loc.key, child ? std::string_view(child->name) : component);
    loc.parent = current;
    loc.node = child;
    current = child;
  }
  if (!parsed.components.empty()) loc.lastName = parsed.components.back();
  loc.refused = IsRefused(loc.key);
  return loc;
}

// True when the key or a folder above it was refused.
bool MemoryFileSystem::IsRefused(std::string_view key) const {
  for (const std::string& refused : refusedKeys_) {
    if (key.substr(0, refused.size()) == refused &&
        (key.size() == refused.size() || key[refused.size()] == '\\')) {
      return true;
    }
  }
  return false;
}

MemoryFileSystem::Node& MemoryFileSystem::CreateFolders(const PathView& parsed) {
  auto& root = roots_[UpperAscii(parsed.root)];
  if (!root) {
    root = std::make_unique<Node>();
    root->name = parsed.root;
  }
  Node* current = root.get();
  for (const std::string_view component : parsed.components) {
    Node* child = current->Child(component);
    if (!child) child = &current->AddChild(std::string(component), true);
    if (!child->isFolder) {
      throw std::logic_error("a file stands in the way of folder " + std::string(component));
    }
    current = child;
  }
  return *current;
}

void MemoryFileSystem::AddFolder(const std::string& path) {
  CreateFolders(Resolve(WithBackslashes(path)));
}

void MemoryFileSystem::AddFile(const std::string& path, std::string_view bytes) {
  const std::string text = WithBackslashes(path);
  PathView parsed = Resolve(text);
  if (parsed.components.empty() || parsed.trailingBackslash) {
    throw std::logic_error("not a file path: " + path);
  }
  const std::string name(parsed.components.back());
  parsed.components.pop_back();
  Node& folder = CreateFolders(parsed);
  Node* file = folder.Child(name);
  if (!file) file = &folder.AddChild(name, false);
  if (file->isFolder) throw std::logic_error("a folder stands at " + path);
  file->bytes = bytes;
}

void MemoryFileSystem::AddShortName(const std::string& longPath, const std::string& shortAlias) {
  const Location loc = Locate(longPath);
  if (!loc.node || !loc.parent) throw std::logic_error("no entry to alias at " + longPath);
  loc.parent->shortAliases[UpperAscii(shortAlias)] = UpperAscii(loc.node->name);
}

void MemoryFileSystem::SetCurrentFolder(const std::string& path) {
  ParsedPath parsed = Owned(Parse(WithBackslashes(path)));
  parsed.trailingBackslash = false;
  currentFolder_ = std::move(parsed);
}

void MemoryFileSystem::MapDrive(const std::string& drive, const std::string& uncRoot) {
  ParsedPath share = Owned(Parse(WithBackslashes(uncRoot)));
  share.trailingBackslash = false;
  mappedDrives_[UpperAscii(drive.substr(0, 2))] = std::move(share);
}

void MemoryFileSystem::RefuseWrites(const std::string& path) {
  refusedKeys_.insert(Locate(path).key);
}

std::optional<std::string> MemoryFileSystem::Read(const std::string& path) const {
  const Location loc = Locate(path);
  if (!loc.IsFile()) return std::nullopt;
  return loc.node->bytes;
}

bool MemoryFileSystem::Exists(const std::string& path) const {
  const Location loc = Locate(path);
  return loc.node && (loc.node->isFolder || !loc.trailingBackslash);
}

bool MemoryFileSystem::FolderExists(const std::string& path) const {
  const Location loc = Locate(path);
  return loc.node && loc.node->isFolder;
}

std::vector<std::string> MemoryFileSystem::AllFiles() const {
  std::vector<std::string> files;
  std::function<void(const Node&, const std::string&)> walk = [&](const Node& folder,
                                                                  const std::string& prefix) {
    for (const auto& [key, child] : folder.children) {
      const std::string path = prefix + '\\' + child->name;
      if (child->isFolder) {
        walk(*child, path);
      } else {
        files.push_back(path);
      }
    }
  };
  for (const auto& [key, root] : roots_) walk(*root, root->name);
  std::sort(files.begin(), files.end());
  return files;
}

bool MemoryFileSystem::FileExists(const std::string& path) const { return Locate(path).IsFile(); }

std::optional<std::string> MemoryFileSystem::ReadWholeFile(const std::string& path) const {
  return Read(path);
}

bool MemoryFileSystem::WriteFile(const std::string& path, std::string_view bytes) {
  const Location loc = Locate(path);
  if (loc.trailingBackslash || loc.lastName.empty() || loc.refused) return false;
  if (!loc.parent || !loc.parent->isFolder) return false;
  if (loc.node && loc.node->isFolder) return false;
  // Replacing keeps the listed name of the file that was there.
  Node& file = loc.node ? *loc.node : loc.parent->AddChild(loc.lastName, false);
  file.bytes = bytes;
  ++writeCount_;
  return true;
}

bool MemoryFileSystem::ReplaceFileWith(const std::string& path, std::string_view bytes) {
  return WriteFile(path, bytes);
}

bool MemoryFileSystem::CopyFileReplacing(const std::string& from, const std::string& to) {
  const Location source = Locate(from);
  if (!source.IsFile()) return false;
  // Windows refuses to copy a file onto itself (the source is held open while copying).
  if (Locate(to).node == source.node) return false;
  const std::string bytes = source.node->bytes;
  return WriteFile(to, bytes);
}

std::string MemoryFileSystem::AbsolutePath(const std::string& path) const {
  if (path.empty()) return {};
  return Format(Parse(WithBackslashes(path)));
}

std::optional<std::string> MemoryFileSystem::UncPathOfMappedDrive(const std::string& path) const {
  if (!StartsWithDrive(path) || (path.size() > 2 && path[2] != '\\')) return std::nullopt;
  const auto mapped = mappedDrives_.find(UpperAscii(path.substr(0, 2)));
  if (mapped == mappedDrives_.end()) return std::nullopt;
  return Format(mapped->second) + path.substr(2);
}

std::optional<std::string> MemoryFileSystem::ListedName(const std::string& path) const {
  const Location loc = Locate(path);
  if (!loc.node || loc.trailingBackslash || loc.lastName.empty()) return std::nullopt;
  return loc.node->name;
}

}  // namespace platform::memory
