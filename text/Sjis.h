#pragma once
// Stepping through Shift_JIS text (code page 932) and its lines.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// True for a byte that starts a double-byte character of code page 932.
constexpr bool IsSjisLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length in bytes of the character that starts at `pos` (2 for a lead byte with a byte after
// it, else 1).
inline std::size_t SjisCharLength(std::string_view text, std::size_t pos) {
  return IsSjisLeadByte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
}

// Position of the last character that is one of the ASCII bytes in `set`, never taking the
// second byte of a double-byte character for one; npos when there is none.
std::size_t SjisFindLastOf(std::string_view text, std::string_view set);

// True when the text ends in a real backslash (not the second byte of 表 or ソ).
bool SjisEndsWithBackslash(std::string_view text);

// The lines of a text: CR LF, a lone CR and a lone LF each end a line, a zero byte ends the
// text, and the last line needs no line end.
std::vector<std::string> SplitLines(std::string_view text);

// Every line followed by CR LF, the last one included.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// The same as JoinLinesCrLf(SplitLines(text)), without building the list of lines.
std::string NormalizeLineBreaks(std::string_view text);
