#include "driver/Files.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace e2e {

std::wstring Widen(const std::string& sjis) {
  if (sjis.empty()) return {};
  const int size = static_cast<int>(sjis.size());
  const int length = MultiByteToWideChar(932, 0, sjis.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(932, 0, sjis.data(), size, wide.data(), length);
  return wide;
}

std::string Narrow(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(932, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string sjis(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(932, 0, wide.data(), size, sjis.data(), length, nullptr, nullptr);
  return sjis;
}

std::string Quoted(const std::string& text) {
  std::string quoted;
  quoted.reserve(text.size() + 2);
  quoted.append(1, '"').append(text).append(1, '"');
  return quoted;
}

std::wstring WindowsPathOfHostPath(const std::string& hostPath) {
  std::wstring path = L"Z:";
  for (char c : hostPath) path.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c)));
  return path;
}

std::wstring DriverFolder() {
  wchar_t buffer[32768];
  const DWORD size = GetModuleFileNameW(nullptr, buffer, 32768);
  std::wstring path(buffer, size);
  return path.substr(0, path.find_last_of(L'\\') + 1);
}

std::wstring TemporaryFolder() {
  wchar_t shortForm[MAX_PATH + 1];
  const DWORD size = GetTempPathW(MAX_PATH + 1, shortForm);
  wchar_t longForm[32768];
  const DWORD length = GetLongPathNameW(shortForm, longForm, 32768);
  std::wstring folder = length > 0 && length < 32768 ? std::wstring(longForm, length) : std::wstring(shortForm, size);
  if (folder.empty() || folder.back() != L'\\') folder.push_back(L'\\');
  return folder;
}

std::optional<std::string> ReadBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot create " << Narrow(path);
  DWORD written = 0;
  const BOOL ok = bytes.empty() || WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_TRUE(ok && (bytes.empty() || written == bytes.size())) << "cannot write " << Narrow(path);
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void RemoveFile(const std::wstring& path) { DeleteFileW(path.c_str()); }

void MakeFolders(const std::wstring& path) {
  for (std::size_t at = path.find(L'\\', 3); at != std::wstring::npos; at = path.find(L'\\', at + 1)) {
    CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
  }
  CreateDirectoryW(path.c_str(), nullptr);
}

void CopyFileOrFail(const std::wstring& from, const std::wstring& to) {
  ASSERT_TRUE(CopyFileW(from.c_str(), to.c_str(), FALSE)) << "cannot copy " << Narrow(from) << " to " << Narrow(to);
}

}  // namespace e2e
