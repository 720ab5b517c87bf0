// Stand-in for a program that the launcher starts: a viewer, or the handler of a web address.
// It appends one record to a record file and exits at once. A record holds the whole command
// line as code page 932 bytes and, when the last argument names a readable file, that file's
// bytes, so that a test can compare exactly what was handed over.
//
// The record file is named by the environment variable RECORD_VARIABLE (inherited from the
// test driver through the launcher and the shell) or, without it, lies beside this program.
#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <string>

#ifndef RECORD_VARIABLE
#error "RECORD_VARIABLE names the environment variable that holds the record file path"
#endif
#define WIDEN2(x) L##x
#define WIDEN(x) WIDEN2(x)

namespace {

constexpr DWORD kNoFile = 0xFFFFFFFFu;
constexpr DWORD kMaxContent = 16u * 1024u * 1024u;

std::string ToCodePage932(const wchar_t* wide) {
  const int length = WideCharToMultiByte(932, 0, wide, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return {};
  std::string bytes(static_cast<std::size_t>(length - 1), '\0');
  WideCharToMultiByte(932, 0, wide, -1, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

std::wstring RecordPath() {
  wchar_t buffer[32768];
  const DWORD length = GetEnvironmentVariableW(WIDEN(RECORD_VARIABLE), buffer, 32768);
  if (length > 0 && length < 32768) return std::wstring(buffer, length);
  const DWORD size = GetModuleFileNameW(nullptr, buffer, 32768);
  std::wstring path(buffer, size);
  return path.substr(0, path.find_last_of(L'\\') + 1) + WIDEN(RECORD_VARIABLE) L".bin";
}

// The bytes of the file named by the last argument, or nothing when there is no such file.
bool ReadLastArgumentFile(std::string& content) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments == nullptr) return false;
  bool found = false;
  if (count > 1) {
    HANDLE file = CreateFileW(arguments[count - 1], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      LARGE_INTEGER size{};
      if (GetFileSizeEx(file, &size) && size.QuadPart <= kMaxContent) {
        content.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD read = 0;
        found = content.empty() ||
                (::ReadFile(file, content.data(), static_cast<DWORD>(content.size()), &read, nullptr) &&
                 read == content.size());
      }
      CloseHandle(file);
    }
  }
  LocalFree(arguments);
  return found;
}

void AppendLength(std::string& record, DWORD value) {
  for (int shift = 0; shift < 32; shift += 8) record.push_back(static_cast<char>((value >> shift) & 0xFF));
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const std::string commandLine = ToCodePage932(GetCommandLineW());
  std::string content;
  const bool hasFile = ReadLastArgumentFile(content);

  std::string record = "REC1";
  AppendLength(record, static_cast<DWORD>(commandLine.size()));
  record += commandLine;
  AppendLength(record, hasFile ? static_cast<DWORD>(content.size()) : kNoFile);
  if (hasFile) record += content;

  // Appending the record in one write keeps records whole even if two stand-ins run at once.
  HANDLE out = CreateFileW(RecordPath().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (out == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const BOOL ok = WriteFile(out, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  CloseHandle(out);
  return ok && written == record.size() ? 0 : 1;
}
