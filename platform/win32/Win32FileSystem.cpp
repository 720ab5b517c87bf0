#include "platform/win32/Win32FileSystem.h"

#include <windows.h>
#include <winnetwk.h>

#include <algorithm>
#include <atomic>
#include <new>
#include <stdexcept>
#include <vector>

#include "platform/win32/Win32Text.h"

namespace platform::win32 {
namespace {

// Paths from this length on are given the "\\?\" head: CreateDirectoryW refuses paths that
// leave no room for an 8.3 name below MAX_PATH, so the limit is taken with that margin.
constexpr std::size_t kClassicPathLimit = MAX_PATH - 12;

// Reads and writes go in pieces that a DWORD count can carry.
constexpr DWORD kIoChunk = 1u << 20;

bool IsPathSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

// "X:\..." with a drive letter.
bool HasDriveHead(const std::wstring& path) {
  return path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == L':' &&
         IsPathSeparator(path[2]);
}

// Position where the last component of the path starts (after its last separator, or after
// the colon of a bare drive such as "C:name").
std::size_t LastComponentStart(const std::wstring& path) {
  const std::size_t separator = path.find_last_of(L"\\/");
  if (separator != std::wstring::npos) return separator + 1;
  if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == L':') return 2;
  return 0;
}

// A last component that FindFirstFileW would not look up as the name it is: a pattern ("<",
// ">" and '"' are the DOS forms of "*", "?" and "."; none can be part of a real file name),
// or "." and "..", which name the folder itself or its parent.
bool NamesNoSingleEntry(std::wstring_view component) {
  return component.find_first_of(L"*?<>\"") != std::wstring_view::npos || component == L"." ||
         component == L"..";
}

// The wide text converted to code page 932 when every character survives the trip; nothing
// when some character has no Shift_JIS form (its "?" stand-in would name another file).
std::optional<std::string> ExactAnsi(const std::wstring& wide) {
  std::string ansi = ToAnsi(wide);
  if (ToWide(ansi) != wide) return std::nullopt;
  return ansi;
}

class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  ~Handle() { Close(); }
  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE Get() const { return handle_; }
  void Reset(HANDLE handle) {
    Close();
    handle_ = handle;
  }
  bool Close() {
    if (!Valid()) return true;
    const bool closed = CloseHandle(handle_) != FALSE;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

// An absolute path as the file functions take it: with the "\\?\" head once it is long.
std::wstring LongFormIfNeeded(const std::wstring& fullPath) {
  if (fullPath.size() < kClassicPathLimit || fullPath.rfind(L"\\\\?\\", 0) == 0 ||
      fullPath.rfind(L"\\\\.\\", 0) == 0)
    return fullPath;
  if (fullPath.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + fullPath.substr(2);
  return L"\\\\?\\" + fullPath;
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kIoChunk));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

// A name for a temporary file that no other writer in this or another process picks: the
// process id and a counter, tried with CREATE_NEW until one is free.
std::wstring TemporaryNameCandidate() {
  static std::atomic<unsigned> counter{0};
  wchar_t name[64];
  wsprintfW(name, L"~tb%lx-%lx-%x.tmp", GetCurrentProcessId(), GetTickCount(),
            counter.fetch_add(1));
  return name;
}

// Creates a new, empty temporary file in the folder (absolute, ending in a separator);
// returns its path in the form for the file functions, or empty when the folder refuses it.
std::wstring CreateTemporaryFileIn(const std::wstring& folder, Handle& out) {
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    std::wstring candidate = LongFormIfNeeded(folder + TemporaryNameCandidate());
    HANDLE file = CreateFileW(candidate.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      out.Reset(file);
      return candidate;
    }
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  return {};
}

}  // namespace

std::wstring FullPathWide(const std::wstring& path) {
  if (path.empty()) return {};
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(buffer.size()),
                                          buffer.data(), nullptr);
    if (length == 0) return {};
    if (length < buffer.size()) {
      buffer.resize(length);
      return buffer;
    }
    buffer.resize(length);  // the size needed, terminating zero included
  }
}

std::wstring ApiPath(const std::string& path) {
  std::wstring wide = ToWide(path);
  if (wide.size() < kClassicPathLimit) return wide;
  const std::wstring full = FullPathWide(wide);
  return full.empty() ? wide : LongFormIfNeeded(full);
}

bool Win32FileSystem::FileExists(const std::string& path) const {
  if (path.empty()) return false;
  const DWORD attributes = GetFileAttributesW(ApiPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::string> Win32FileSystem::ReadWholeFile(const std::string& path) const {
  if (path.empty()) return std::nullopt;
  Handle file(CreateFileW(ApiPath(path).c_str(), GENERIC_READ,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) return std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) size.QuadPart = 0;
  // A file larger than the memory can hold cannot be read: that is "nothing", not a crash.
  try {
    std::string content;
    if (size.QuadPart > 0) content.reserve(static_cast<std::size_t>(size.QuadPart));
    // Read until the end actually reached: the file may grow or shrink while it is read.
    // One piece is enough for a small file (one byte more shows its end at once).
    std::vector<char> chunk(static_cast<std::size_t>(
        std::min<LONGLONG>(kIoChunk, std::max<LONGLONG>(4096, size.QuadPart + 1))));
    for (;;) {
      DWORD read = 0;
      if (!ReadFile(file.Get(), chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr))
        return std::nullopt;
      if (read == 0) return content;
      content.append(chunk.data(), read);
    }
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  } catch (const std::length_error&) {
    return std::nullopt;
  }
}

bool Win32FileSystem::ReplaceFileWith(const std::string& path, std::string_view bytes) {
  const std::wstring target = FullPathWide(ToWide(path));
  const std::size_t nameStart = LastComponentStart(target);
  if (target.empty() || nameStart >= target.size()) return false;

  // A file that already exists under another letter case keeps its stored name: the move
  // below would otherwise give the replaced file the caller's spelling.
  std::wstring destination = target;
  if (const auto listed = ListedName(path))
    destination = target.substr(0, nameStart) + ToWide(*listed);

  // Windows refuses to move over a read-only file, Wine does not: refuse it on both, as
  // writing to the file in place would be refused.
  const DWORD attributes = GetFileAttributesW(LongFormIfNeeded(destination).c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
    return false;

  const std::wstring folder = target.substr(0, nameStart);
  Handle temporary(INVALID_HANDLE_VALUE);
  const std::wstring temporaryPath = CreateTemporaryFileIn(folder, temporary);
  if (temporaryPath.empty()) return false;

  const bool written = WriteAll(temporary.Get(), bytes) && FlushFileBuffers(temporary.Get());
  const bool closed = temporary.Close();
  if (written && closed &&
      MoveFileExW(temporaryPath.c_str(), LongFormIfNeeded(destination).c_str(),
                  MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return true;
  DeleteFileW(temporaryPath.c_str());
  return false;
}

bool Win32FileSystem::CopyFileReplacing(const std::string& from, const std::string& to) {
  if (from.empty() || to.empty()) return false;
  return CopyFileW(ApiPath(from).c_str(), ApiPath(to).c_str(), FALSE) != FALSE;
}

std::string Win32FileSystem::AbsolutePath(const std::string& path) const {
  return ToAnsi(FullPathWide(ToWide(path)));
}

namespace {

using UniversalNameQuery = DWORD(WINAPI*)(LPCWSTR, DWORD, LPVOID, LPDWORD);

// WNetGetUniversalNameW from mpr.dll, loaded at the first path on a network drive: most runs
// meet none, and loading the library at start-up costs every run the library and its network
// provider set-up. Null when the library or the function is missing.
UniversalNameQuery LoadUniversalNameQuery() {
  static const UniversalNameQuery query = []() -> UniversalNameQuery {
    const HMODULE mpr = LoadLibraryExW(L"mpr.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (mpr == nullptr) return nullptr;
    // The detour through void* is how a FARPROC becomes a function of another type.
    return reinterpret_cast<UniversalNameQuery>(
        reinterpret_cast<void*>(GetProcAddress(mpr, "WNetGetUniversalNameW")));
  }();
  return query;
}

}  // namespace

std::optional<std::string> Win32FileSystem::UncPathOfMappedDrive(const std::string& path) const {
  const std::wstring wide = ToWide(path);
  if (!HasDriveHead(wide)) return std::nullopt;
  // Only a drive connected to a share has a UNC form; asking the network provider about a
  // local drive costs time and some providers answer with the local path itself.
  const wchar_t root[] = {wide[0], L':', L'\\', L'\0'};
  if (GetDriveTypeW(root) != DRIVE_REMOTE) return std::nullopt;
  const UniversalNameQuery getUniversalName = LoadUniversalNameQuery();
  if (getUniversalName == nullptr) return std::nullopt;

  std::vector<unsigned char> buffer(1024);
  for (;;) {
    DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD result =
        getUniversalName(wide.c_str(), UNIVERSAL_NAME_INFO_LEVEL, buffer.data(), &size);
    if (result == ERROR_MORE_DATA && size > buffer.size()) {
      buffer.resize(size);
      continue;
    }
    if (result != NO_ERROR) return std::nullopt;
    const auto* info = reinterpret_cast<const UNIVERSAL_NAME_INFOW*>(buffer.data());
    // Only a "\\server\share" answer is a UNC form; some providers (Wine's among them) give
    // the local path back instead.
    if (info->lpUniversalName == nullptr || wcsncmp(info->lpUniversalName, L"\\\\", 2) != 0)
      return std::nullopt;
    return ExactAnsi(info->lpUniversalName);
  }
}

std::optional<std::string> Win32FileSystem::ListedName(const std::string& path) const {
  const std::wstring wide = ToWide(path);
  const std::size_t nameStart = LastComponentStart(wide);
  if (nameStart >= wide.size()) return std::nullopt;
  if (NamesNoSingleEntry(std::wstring_view(wide).substr(nameStart))) return std::nullopt;

  WIN32_FIND_DATAW found{};
  const HANDLE search = FindFirstFileW(ApiPath(path).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return std::nullopt;
  FindClose(search);
  if (found.cFileName[0] == L'\0') return std::nullopt;
  return ExactAnsi(found.cFileName);
}

}  // namespace platform::win32
