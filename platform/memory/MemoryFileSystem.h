#pragma once
// A file system held in memory for tests, answering like Windows where the programs look:
// drive-letter and UNC paths, names matched without regard to ASCII letter case (double-byte
// aware), listed names kept in the case they were created with, short (8.3) aliases, network
// shares mapped to drive letters, and writes that can be refused.
//
// No length limit is modelled: paths of any length work. Neither are the "\\?\" and "\\.\"
// heads (read as a server named "?" or ".") nor file attributes (every entry is listed).
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/FileSystem.h"

namespace platform::memory {

class MemoryFileSystem : public FileSystem {
 public:
  MemoryFileSystem();
  ~MemoryFileSystem() override;
  MemoryFileSystem(const MemoryFileSystem&) = delete;
  MemoryFileSystem& operator=(const MemoryFileSystem&) = delete;

  // --- Setting up a test ---
  // Creates the folder and every missing folder above it (a drive or share root included).
  // A relative path is taken against the current folder. Throws std::logic_error when a
  // component is an existing file.
  void AddFolder(const std::string& path);
  // Creates the file (and its missing folders) or replaces its content.
  void AddFile(const std::string& path, std::string_view bytes);
  // Gives the existing entry at longPath the short alias, so that a path through the alias
  // (C:\PROGRA~1\x) reaches the entry. Throws std::logic_error when there is no entry.
  void AddShortName(const std::string& longPath, const std::string& shortAlias);
  // The folder that relative paths start from; "C:\" at the start.
  void SetCurrentFolder(const std::string& path);
  // Connects a drive letter ("Z:") to a network share ("\\server\share"): paths on the drive
  // reach the share's entries and have a UNC form.
  void MapDrive(const std::string& drive, const std::string& uncRoot);
  // Refuses every write to the path and, when it is a folder, to everything below it (as for
  // a read-only or locked file, or a folder without write access). The path need not exist.
  void RefuseWrites(const std::string& path);

  // --- Looking at the result ---
  // The content of the file, or nothing when there is no file at the path.
  std::optional<std::string> Read(const std::string& path) const;
  // True when a file or a folder exists at the path.
  bool Exists(const std::string& path) const;
  bool FolderExists(const std::string& path) const;
  // Every file as a full path in its listed names, sorted by that text.
  std::vector<std::string> AllFiles() const;
  // How many times ReplaceFileWith or CopyFileReplacing has written a file.
  int WriteCount() const { return writeCount_; }

  // --- FileSystem ---
  bool FileExists(const std::string& path) const override;
  std::optional<std::string> ReadWholeFile(const std::string& path) const override;
  bool ReplaceFileWith(const std::string& path, std::string_view bytes) override;
  bool CopyFileReplacing(const std::string& from, const std::string& to) override;
  std::string AbsolutePath(const std::string& path) const override;
  std::optional<std::string> UncPathOfMappedDrive(const std::string& path) const override;
  std::optional<std::string> ListedName(const std::string& path) const override;

 private:
  struct Node;
  struct Location;
  // A path taken apart: its root ("C:" or "\\server\share"), its components with "." and ".."
  // applied, and whether it ends in a backslash. PathView refers to the parsed text and to the
  // stored folders, so that a lookup copies no component.
  template <typename Text>
  struct BasicPath {
    Text root;
    std::vector<Text> components;
    bool trailingBackslash = false;
  };
  using PathView = BasicPath<std::string_view>;
  using ParsedPath = BasicPath<std::string>;

  // Both take the path with its forward slashes already turned into backslashes.
  PathView Parse(std::string_view path) const;
  PathView Resolve(std::string_view path) const;
  static ParsedPath Owned(const PathView& view);
  Location Locate(const std::string& path) const;
  bool IsRefused(std::string_view key) const;
  Node& CreateFolders(const PathView& parsed);
  bool WriteFile(const std::string& path, std::string_view bytes);

  std::map<std::string, std::unique_ptr<Node>> roots_;  // by folded root text
  std::map<std::string, ParsedPath> mappedDrives_;      // by folded drive ("Z:")
  std::set<std::string> refusedKeys_;                   // folded full paths
  ParsedPath currentFolder_;
  int writeCount_ = 0;
};

}  // namespace platform::memory
