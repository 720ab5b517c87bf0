#include "shared/jconvex.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "shared/Cp932Table.h"

namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

bool EightAsciiBytes(const unsigned char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return (word & kHighBits) == 0;
}

std::size_t SkipAscii(const unsigned char* p, std::size_t i, std::size_t length) {
  while (i + 8 <= length && EightAsciiBytes(p + i)) i += 8;
  return i;
}

// Every character of the code page lies in the Basic Multilingual Plane and outside the
// surrogates, so one UTF-16 unit gives one to three UTF-8 bytes.
std::size_t Utf8Length(char16_t unit) { return unit < 0x80 ? 1 : unit < 0x800 ? 2 : 3; }

unsigned char* PutUtf8(unsigned char* out, char16_t unit) {
  if (unit < 0x80) {
    *out++ = static_cast<unsigned char>(unit);
  } else if (unit < 0x800) {
    *out++ = static_cast<unsigned char>(0xC0 | (unit >> 6));
    *out++ = static_cast<unsigned char>(0x80 | (unit & 0x3F));
  } else {
    *out++ = static_cast<unsigned char>(0xE0 | (unit >> 12));
    *out++ = static_cast<unsigned char>(0x80 | ((unit >> 6) & 0x3F));
    *out++ = static_cast<unsigned char>(0x80 | (unit & 0x3F));
  }
  return out;
}

}  // namespace

// Two passes over the text: the first sizes the result exactly, so that no larger block than
// needed is taken (and touched) for a large text.
std::string SjisToUtf8(std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t length = text.size();
  std::size_t size = 0;
  for (std::size_t i = 0; i < length;) {
    if (p[i] < 0x80) {
      const std::size_t end = SkipAscii(p, i + 1, length);
      size += end - i;
      i = end;
    } else {
      const cp932::Decoded decoded = cp932::DecodeAt(text, i);
      size += Utf8Length(decoded.unit);
      i += decoded.length;
    }
  }

  std::string result(size, '\0');
  auto* out = reinterpret_cast<unsigned char*>(result.data());
  for (std::size_t i = 0; i < length;) {
    if (p[i] < 0x80) {
      const std::size_t end = SkipAscii(p, i + 1, length);
      std::memcpy(out, p + i, end - i);
      out += end - i;
      i = end;
    } else {
      const cp932::Decoded decoded = cp932::DecodeAt(text, i);
      out = PutUtf8(out, decoded.unit);
      i += decoded.length;
    }
  }
  return result;
}

namespace {

// The escaped form of each byte, with its length in the last slot.
using Escape = std::array<char, 4>;

constexpr bool StaysAsIs(unsigned c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) return true;
  for (char kept : std::string_view("!$'()*-.@_")) {
    if (c == static_cast<unsigned char>(kept)) return true;
  }
  return false;
}

constexpr std::array<Escape, 256> MakeEscapes() {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::array<Escape, 256> escapes{};
  for (unsigned c = 0; c < 256; ++c) {
    if (StaysAsIs(c)) escapes[c] = {static_cast<char>(c), 0, 0, 1};
    else if (c == ' ') escapes[c] = {'+', 0, 0, 1};
    else escapes[c] = {'%', kHex[c >> 4], kHex[c & 15], 3};
  }
  return escapes;
}

constexpr std::array<Escape, 256> kEscapes = MakeEscapes();

}  // namespace

std::string UrlEscape(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::size_t size = 0;
  for (unsigned char c : text) size += static_cast<unsigned char>(kEscapes[c][3]);

  std::string result(size, '\0');
  char* out = result.data();
  char* const end = out + size;
  std::size_t i = 0;
  // Three bytes are written for every byte, and the pointer moves on by the escape's length;
  // near the end, where that would write past the result, only the escape's own bytes are.
  for (; i < text.size() && end - out >= 3; ++i) {
    const Escape& escape = kEscapes[static_cast<unsigned char>(text[i])];
    std::memcpy(out, escape.data(), 3);
    out += escape[3];
  }
  for (; i < text.size(); ++i) {
    const Escape& escape = kEscapes[static_cast<unsigned char>(text[i])];
    std::memcpy(out, escape.data(), static_cast<std::size_t>(escape[3]));
    out += escape[3];
  }
  return result;
}
