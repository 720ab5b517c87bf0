#include "platform/win32/Win32CodePage.h"

#include <windows.h>

#include "platform/win32/Win32Text.h"

namespace platform::win32 {
namespace {

// wchar_t is UTF-16 on Windows, so the two string kinds share their code units.
std::wstring AsWide(const std::u16string& text) { return {text.begin(), text.end()}; }
std::u16string AsU16(const std::wstring& text) { return {text.begin(), text.end()}; }

}  // namespace

std::u16string Win32CodePage::AnsiToWide(const std::string& text) const {
  return AsU16(ToWide(text));
}

std::string Win32CodePage::WideToUtf8(const std::u16string& text) const {
  if (text.empty()) return {};
  const std::wstring wide = AsWide(text);
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

std::string Win32CodePage::WideToAnsi(const std::u16string& text) const {
  return ToAnsi(AsWide(text));
}

}  // namespace platform::win32
