#pragma once
// Text crosses into Windows as UTF-16, converted from and to code page 932 explicitly, so
// that the programs behave the same on a Windows of any language.
#include <string>

namespace platform::win32 {

constexpr unsigned kCodePage932 = 932;

std::wstring ToWide(const std::string& sjis);
std::string ToAnsi(const std::wstring& wide);

}  // namespace platform::win32
