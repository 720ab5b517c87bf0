#include "platform/win32/Win32Text.h"

#include <windows.h>

namespace platform::win32 {

std::wstring ToWide(const std::string& sjis) {
  if (sjis.empty()) return {};
  const int size = static_cast<int>(sjis.size());
  const int length = MultiByteToWideChar(kCodePage932, 0, sjis.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kCodePage932, 0, sjis.data(), size, wide.data(), length);
  return wide;
}

std::string ToAnsi(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(kCodePage932, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string sjis(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kCodePage932, 0, wide.data(), size, sjis.data(), length, nullptr, nullptr);
  return sjis;
}

}  // namespace platform::win32
