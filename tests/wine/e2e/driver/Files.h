#pragma once
// Text and file helpers of the test driver. Paths are UTF-16 at the Win32 boundary; contents
// and expectations are code page 932 bytes, as the launcher reads and writes them.
#include <optional>
#include <string>

namespace e2e {

std::wstring Widen(const std::string& sjis);
std::string Narrow(const std::wstring& wide);

// The text in double quotes, as a path or an address stands on a command line.
std::string Quoted(const std::string& text);

// A Linux path as the Windows path under which Wine shows it (drive Z: is the root).
std::wstring WindowsPathOfHostPath(const std::string& hostPath);

// Folder of the running driver, ending in a backslash.
std::wstring DriverFolder();
// The user's temporary folder in long form, ending in a backslash, as the launcher sees it.
std::wstring TemporaryFolder();

std::optional<std::string> ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);
bool FileExists(const std::wstring& path);
void RemoveFile(const std::wstring& path);
// Creates the folder and any missing parents.
void MakeFolders(const std::wstring& path);
// Copies a file, replacing the target; fails the test when the copy fails.
void CopyFileOrFail(const std::wstring& from, const std::wstring& to);

}  // namespace e2e
