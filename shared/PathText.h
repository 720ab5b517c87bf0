#pragma once
// Paths and file names as Shift_JIS text. A separator is a real backslash, a slash (which
// Windows takes for a backslash) or the colon after a drive, never the second byte of a
// double-byte character (表 and ソ end in byte 0x5C).
#include <string>
#include <string_view>

// The file name part of a path: the text after its last separator, or all of it.
std::string_view FileNamePart(std::string_view path);

// The folder part of a path, up to and including its last separator; empty when it has none.
std::string_view FolderPart(std::string_view path);

// True when the path has a folder or drive part.
bool HasFolderPart(std::string_view path);

// True when the path starts with a drive letter, its colon and a backslash ("C:\").
bool StartsWithDriveRoot(std::string_view path);

// The text with every character that cannot stand in a Windows file name (\ / : * ? " < > |
// and control bytes) replaced by "_". A double-byte character stays whole; a lead byte
// without a valid second byte is replaced. The result can never name another folder.
std::string FileNameSafe(std::string_view text);
