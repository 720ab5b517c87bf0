#pragma once
// Code page 932 (Windows' Shift_JIS) to UTF-16, decoding exactly as Windows'
// MultiByteToWideChar(932, 0, ...) does, including what it makes of broken input.
#include <cstddef>
#include <span>
#include <string_view>

#include "text/Sjis.h"

namespace cp932 {

// The lead bytes of double-byte characters (0x81-0x9F and 0xE0-0xFC), numbered from 0 in
// that order, for tables with a row per lead byte.
inline constexpr int kLeadByteCount = 60;
constexpr int LeadByteIndex(unsigned char lead) {
  return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + 31;
}

// What Windows gives for a byte sequence that is no character of the code page: "・".
inline constexpr char16_t kSubstitute = 0x30FB;

// The character of a byte that does not start a double-byte character (or that starts one
// with no trail byte after it). Besides ASCII and half-width katakana Windows maps five more
// bytes (0x80, 0xA0, 0xFD-0xFF); a lead byte on its own is the substitute.
constexpr char16_t DecodeSingleByte(unsigned char c) {
  if (c < 0x80) return c;
  if (c >= 0xA1 && c <= 0xDF) return static_cast<char16_t>(0xFF61 + (c - 0xA1));
  switch (c) {
    case 0x80:
      return 0x0080;
    case 0xA0:
      return 0xF8F0;
    case 0xFD:
      return 0xF8F1;
    case 0xFE:
      return 0xF8F2;
    case 0xFF:
      return 0xF8F3;
    default:
      return kSubstitute;
  }
}

// The character of a lead byte and the byte after it; the substitute when the pair is none.
char16_t DecodeDoubleByte(unsigned char lead, unsigned char trail);

struct Decoded {
  char16_t unit;
  unsigned length;  // bytes of the text taken, 1 or 2
};

// The character that starts at `pos`. A lead byte takes the byte after it whatever that is,
// except a zero byte or the end of the text: then the lead byte alone is the substitute and
// the zero byte stays a character of its own, as with Windows.
inline Decoded DecodeAt(std::string_view text, std::size_t pos) {
  const auto c = static_cast<unsigned char>(text[pos]);
  if (IsSjisLeadByte(c) && pos + 1 < text.size() && text[pos + 1] != 0) {
    return {DecodeDoubleByte(c, static_cast<unsigned char>(text[pos + 1])), 2};
  }
  return {DecodeSingleByte(c), 1};
}

// A character outside the code page that Windows writes as a similar one of it (UTF-16 to
// code page 932): the code of a single byte, or lead byte * 256 + trail byte.
struct BestFit {
  char16_t unit;
  unsigned short code;
};
// Every such character, in the order of their UTF-16 units.
std::span<const BestFit> BestFitCodes();

}  // namespace cp932
