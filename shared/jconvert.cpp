#include "shared/jconvert.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "shared/AsciiRun.h"

namespace {

using ascii_run::kHighBits;
using ascii_run::Load8;

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;

// True when one of the eight bytes of `word` is zero. Exact as long as no byte has its high
// bit set, which the callers have checked before.
constexpr bool HasZeroByte(std::uint64_t word) { return ((word - kOnes) & ~word & kHighBits) != 0; }

// Eight bytes that the detection passes over without a decision: 0x08 to 0x7F but ESC.
bool AllUndecisive(std::uint64_t word) {
  if ((word & kHighBits) != 0) return false;
  const bool below08 = ((word - kOnes * 0x08) & ~word & kHighBits) != 0;
  return !below08 && !HasZeroByte(word ^ (kOnes * 0x1B));
}

bool InRange(unsigned c, unsigned low, unsigned high) { return c >= low && c <= high; }

// The first step of the detection: a byte below 0x08 or 0xFF among the first 512 bytes, the
// last byte of the text excepted.
bool LooksLikeBinary(const unsigned char* p, std::size_t length) {
  const std::size_t end = length == 0 ? 0 : std::min<std::size_t>(512, length - 1);
  for (std::size_t i = 0; i < end; ++i) {
    if (p[i] < 0x08 || p[i] == 0xFF) return true;
  }
  return false;
}

}  // namespace

TKanjiCode DetectKanjiCode(std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t length = text.size();
  if (LooksLikeBinary(p, length)) return kcNonText;
  auto byteAt = [&](std::size_t i) -> unsigned { return i < length ? p[i] : 0; };

  TKanjiCode code = kcAscii;
  std::size_t i = 0;
  // The last byte never starts a step, so a step runs while i + 1 < length.
  while ((code == kcAscii || code == kcEucOrSjis) && i + 1 < length) {
    while (i + 9 <= length && AllUndecisive(Load8(p + i))) i += 8;
    if (i + 1 >= length) break;
    const unsigned c = p[i];
    if (c == 0x1B) {
      if (p[i + 1] == '$') {
        const unsigned set = byteAt(i + 2);
        if (set == 'B') {
          code = kcJis;
        } else if (set == '@') {
          code = kcJisOld;
        }
        i += 3;
      } else {
        i += 2;
      }
    } else if (c < 0x08 || c == 0xFF) {
      code = kcNonText;
    } else if (c <= 0x7F || c == 0x80 || c == 0xA0) {
      i += 1;
    } else if (InRange(c, 0x81, 0x8D) || InRange(c, 0x8F, 0x9F)) {
      code = kcSjis;
    } else if (c == 0x8E) {
      const unsigned d = p[i + 1];
      if (InRange(d, 0x40, 0x7E) || InRange(d, 0x80, 0xA0) || InRange(d, 0xE0, 0xFC)) {
        code = kcSjis;
      } else if (InRange(d, 0xA1, 0xDF)) {
        code = kcEucOrSjis;
      }
      i += 2;
    } else if (InRange(c, 0xA1, 0xDF)) {
      const unsigned d = p[i + 1];
      i += 2;
      if (InRange(d, 0xF0, 0xFE)) {
        code = kcEuc;
      } else if (InRange(d, 0xA1, 0xDF)) {
        code = kcEucOrSjis;
      } else if (InRange(d, 0xE0, 0xEF)) {
        // A run of bytes from 0x40 up decides between the two as soon as one fits only one;
        // the byte that ends the run is taken with it.
        code = kcEucOrSjis;
        while (i < length && p[i] >= 0x40 && code == kcEucOrSjis) {
          if (InRange(p[i], 0x81, 0x8D) || InRange(p[i], 0x8F, 0x9C)) {
            code = kcSjis;
          } else if (p[i] == 0xFD || p[i] == 0xFE) {
            code = kcEuc;
          }
          ++i;
        }
        ++i;
      } else if (d <= 0x9F) {
        code = kcSjis;
      }
    } else if (InRange(c, 0xF0, 0xFE)) {
      code = kcEuc;
    } else {  // 0xE0 to 0xEF
      const unsigned d = p[i + 1];
      if (InRange(d, 0x40, 0x7E) || InRange(d, 0x80, 0xA0)) {
        code = kcSjis;
      } else if (d == 0xFD || d == 0xFE) {
        code = kcEuc;
      } else if (InRange(d, 0xA1, 0xFC)) {
        code = kcEucOrSjis;
      }
      i += 2;
    }
  }
  return code;
}

std::string ConvertKanjiCode(std::string_view text, TKanjiCode target) {
  if (target != kcEuc) return std::string(text);
  switch (DetectKanjiCode(text)) {
    case kcJis:
    case kcJisOld:
      return JisToEuc(text);
    case kcSjis:
      return SjisToEuc(text);
    default:
      return std::string(text);
  }
}

namespace {

// What one step of the conversion writes first: the byte itself for ASCII, 0x8E before a
// half-width katakana, and for the first byte of a pair the first EUC-JP byte, which depends
// also on whether the trail byte is below 0x9F (one row further up). Computed modulo 256, so
// every pair, valid or not, gets a result.
struct EucTables {
  std::array<unsigned char, 256> firstByte[2]{};  // [trail byte below 0x9F][byte]
  std::array<unsigned char, 256> secondByte{};    // of a pair, by its trail byte
};

constexpr bool IsHalfWidthKatakana(unsigned c) { return c >= 0xA1 && c <= 0xDF; }

constexpr EucTables MakeEucTables() {
  EucTables tables;
  for (unsigned c = 0; c < 256; ++c) {
    const unsigned j1 = c < 0xA0 ? 2 * (c - 0x70) : 2 * (c - 0xB0);
    const bool pair = c >= 0x80 && !IsHalfWidthKatakana(c);
    const unsigned single = c < 0x80 ? c : 0x8E;
    tables.firstByte[0][c] = static_cast<unsigned char>(pair ? (j1 & 0xFF) | 0x80 : single);
    tables.firstByte[1][c] = static_cast<unsigned char>(pair ? ((j1 - 1) & 0xFF) | 0x80 : single);
    const unsigned j2 = c >= 0x9F ? c - 0x7E : c > 0x7F ? c - 0x20 : c - 0x1F;
    tables.secondByte[c] = static_cast<unsigned char>((j2 & 0xFF) | 0x80);
  }
  return tables;
}

constexpr EucTables kEuc = MakeEucTables();

// One character from `c`, whose next byte is `next` (0 past the end). Always writes two
// bytes and returns how many of them count; the step takes two input bytes for a pair, else
// one. Written with masks rather than conditions, which the compiler would turn into branches
// that Japanese text, mixing the three kinds at random, mispredicts all the time.
inline unsigned PutEucCharacter(unsigned c, unsigned next, unsigned char* out, std::size_t& i) {
  const unsigned notAscii = c >> 7;
  const unsigned katakana = static_cast<unsigned>(c - 0xA1 <= 0xDF - 0xA1);
  const unsigned pair = notAscii & (katakana ^ 1);
  const unsigned pairMask = 0u - pair;
  out[0] = kEuc.firstByte[next < 0x9F ? 1 : 0][c];
  out[1] = static_cast<unsigned char>((kEuc.secondByte[next] & pairMask) | (c & ~pairMask));
  i += 1 + pair;
  return 1 + notAscii;
}

// Each byte of the text gives one byte of the result, a half-width katakana two, and a lead
// byte cut off at the end two. Counting every byte from 0xA1 to 0xDF (trail bytes as well)
// bounds the length without finding the characters, in a loop the compiler vectorises; the
// bound exceeds the result by the trail bytes in that range only, and keeps the block small
// enough to be reused rather than fetched fresh from the kernel and touched anew each time.
std::size_t EucLengthBound(const unsigned char* p, std::size_t length) {
  std::size_t katakanaRange = 0;
  for (std::size_t i = 0; i < length; ++i) {
    katakanaRange += static_cast<unsigned char>(p[i] - 0xA1) <= 0xDF - 0xA1;
  }
  return length + katakanaRange + 1;
}

}  // namespace

std::string SjisToEuc(std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t length = text.size();
  if (length == 0) return {};
  std::string result(EucLengthBound(p, length), '\0');
  auto* const begin = reinterpret_cast<unsigned char*>(result.data());
  unsigned char* out = begin;
  std::size_t i = 0;
  // Two characters a step where four bytes are at hand: where the second one starts is
  // known from the first byte alone, so both are decoded from one set of loads.
  while (i + 3 < length) {
    ascii_run::Copy(p, i, length - 3, out);
    if (i + 3 >= length) break;
    const unsigned c0 = p[i], c1 = p[i + 1], c2 = p[i + 2], c3 = p[i + 3];
    const unsigned secondAtTwo = 0u - static_cast<unsigned>((c0 >> 7) & (c0 - 0xA1 > 0xDF - 0xA1));
    out += PutEucCharacter(c0, c1, out, i);
    out += PutEucCharacter((c2 & secondAtTwo) | (c1 & ~secondAtTwo),
                           (c3 & secondAtTwo) | (c2 & ~secondAtTwo), out, i);
  }
  while (i + 1 < length) out += PutEucCharacter(p[i], p[i + 1], out, i);
  if (i < length) out += PutEucCharacter(p[i], 0, out, i);  // the last byte reads 0 after it
  result.resize(static_cast<std::size_t>(out - begin));
  return result;
}

std::string JisToEuc(std::string_view text) {
  std::string result(text.size(), '\0');
  std::size_t written = 0;
  bool doubleByte = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == 0x1B) {
      // ESC and two more bytes; the first of them picks the mode, the second is skipped.
      if (i + 2 >= text.size()) break;
      if (text[i + 1] == '$') {
        doubleByte = true;
      } else if (text[i + 1] == '(') {
        doubleByte = false;
      }
      i += 2;
    } else if (doubleByte && c >= 0x21 && c <= 0x7E) {
      result[written++] = static_cast<char>(c | 0x80);
    } else {
      result[written++] = static_cast<char>(c);
    }
  }
  result.resize(written);
  return result;
}
