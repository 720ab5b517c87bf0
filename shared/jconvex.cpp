#include "shared/jconvex.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "shared/AsciiRun.h"
#include "text/Cp932Table.h"

namespace {

// The code page as one row of 256 UTF-16 units per lead byte, invalid trail bytes included,
// so that a pair is decoded by one load and no range check.
struct PairTable {
  std::array<unsigned char, 256> row{};  // of each lead byte
  std::array<std::array<char16_t, 256>, cp932::kLeadByteCount> unit{};
  std::array<char16_t, 256> single{};
};

const PairTable& ThePairTable() {
  static const PairTable table = [] {
    PairTable t;
    for (unsigned c = 0; c < 256; ++c) {
      const auto byte = static_cast<unsigned char>(c);
      t.single[c] = cp932::DecodeSingleByte(byte);
      if (!IsSjisLeadByte(byte)) continue;
      t.row[c] = static_cast<unsigned char>(cp932::LeadByteIndex(byte));
      for (unsigned trail = 0; trail < 256; ++trail) {
        t.unit[t.row[c]][trail] = cp932::DecodeDoubleByte(byte, static_cast<unsigned char>(trail));
      }
    }
    return t;
  }();
  return table;
}

// The character that starts with the byte `c`, followed by `next` (0 past the end), decoded
// as cp932::DecodeAt does, but without branches: in Japanese text the kind of the next
// character is unpredictable, and mispredicted branches would cost more than the work.
struct Step {
  char16_t unit;
  unsigned taken;
};

inline Step DecodeStep(const PairTable& table, unsigned c, unsigned next) {
  // Arithmetic rather than a table, as the position of the next step waits for it.
  const unsigned lead = static_cast<unsigned>(c - 0x81 <= 0x9F - 0x81) |
                        static_cast<unsigned>(c - 0xE0 <= 0xFC - 0xE0);
  const unsigned pair = lead & static_cast<unsigned>(next != 0);
  const char16_t asPair = table.unit[table.row[c]][next];
  const char16_t asSingle = table.single[c];
  const unsigned mask = 0u - pair;
  return {static_cast<char16_t>((asPair & mask) | (asSingle & ~mask)), 1 + pair};
}

// Every character of the code page lies in the Basic Multilingual Plane and outside the
// surrogates, so one UTF-16 unit gives one to three UTF-8 bytes.
inline unsigned Utf8Length(unsigned unit) { return 1 + (unit >= 0x80) + (unit >= 0x800); }

// Writes three bytes, of which the first Utf8Length(unit) count.
inline unsigned PutUtf8(unsigned unit, unsigned char* out) {
  static constexpr unsigned char kFirstPrefix[4] = {0, 0x00, 0xC0, 0xE0};
  static constexpr unsigned char kFirstShift[4] = {0, 0, 6, 12};
  static constexpr unsigned char kSecondShift[4] = {0, 0, 0, 6};
  const unsigned length = Utf8Length(unit);
  out[0] = static_cast<unsigned char>(kFirstPrefix[length] | (unit >> kFirstShift[length]));
  out[1] = static_cast<unsigned char>(0x80 | ((unit >> kSecondShift[length]) & 0x3F));
  out[2] = static_cast<unsigned char>(0x80 | (unit & 0x3F));
  return length;
}

// A first guess at the size of the UTF-8 form: ASCII keeps its size, a double-byte
// character grows by half and a half-width katakana triples. Three quarters of a byte more
// for each byte from 0x80 up fits Japanese prose (both bytes of most double-byte characters
// are from 0x80 up) with a little to spare; texts that need more grow the result. Counting is
// a loop the compiler vectorises, far cheaper than counting the characters exactly.
std::size_t GuessUtf8Size(const unsigned char* p, std::size_t length) {
  std::size_t high = 0;
  for (std::size_t i = 0; i < length; ++i) high += p[i] >> 7;
  return length + high - high / 4 + 16;
}

}  // namespace

// One pass into a result sized by a close guess (grown when the guess falls short, and cut
// to the written size at the end): a block much larger than needed would be fetched from the
// kernel and touched for nothing, and an exact count would mean decoding twice.
std::string SjisToUtf8(std::string_view text) {
  constexpr std::size_t kStepRoom = 3;  // a step writes three bytes
  const PairTable& table = ThePairTable();
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t length = text.size();
  std::string result(GuessUtf8Size(p, length) + kStepRoom, '\0');
  std::size_t written = 0;
  std::size_t i = 0;
  while (i < length) {
    if (result.size() - written < kStepRoom + 8) result.resize(result.size() + result.size() / 2);
    auto* const begin = reinterpret_cast<unsigned char*>(result.data());
    unsigned char* out = begin + written;
    unsigned char* const end = begin + result.size() - kStepRoom;
    // Steps (of at most six bytes) while the room left is surely enough; then the loop above
    // makes more room.
    while (i < length && end - out >= 8) {
      ascii_run::Copy(p, i, std::min(length, i + static_cast<std::size_t>(end - out)), out);
      if (i >= length || end - out < 8) break;  // the run may have used up the room
      if (i + 3 < length) {
        // Two characters from one set of loads: where the second starts is known from the
        // first byte alone.
        const unsigned c0 = p[i], c1 = p[i + 1], c2 = p[i + 2], c3 = p[i + 3];
        const Step first = DecodeStep(table, c0, c1);
        const unsigned secondAtTwo = 0u - (first.taken - 1);
        const Step second = DecodeStep(table, (c2 & secondAtTwo) | (c1 & ~secondAtTwo),
                                       (c3 & secondAtTwo) | (c2 & ~secondAtTwo));
        out += PutUtf8(first.unit, out);
        out += PutUtf8(second.unit, out);
        i += first.taken + second.taken;
        continue;
      }
      const Step step = DecodeStep(table, p[i], i + 1 < length ? p[i + 1] : 0);
      out += PutUtf8(step.unit, out);
      i += step.taken;
    }
    written = static_cast<std::size_t>(out - begin);
  }
  result.resize(written);
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
    if (StaysAsIs(c))
      escapes[c] = {static_cast<char>(c), 0, 0, 1};
    else if (c == ' ')
      escapes[c] = {'+', 0, 0, 1};
    else
      escapes[c] = {'%', kHex[c >> 4], kHex[c & 15], 3};
  }
  return escapes;
}

constexpr std::array<Escape, 256> kEscapes = MakeEscapes();

// Japanese text is mostly bytes from 0x80 up, each escaped; eight of them in a row take a path
// of their own, without a length to look up per byte.
bool EightHighBytes(const unsigned char* p) {
  return (ascii_run::Load8(p) & ascii_run::kHighBits) == ascii_run::kHighBits;
}

std::size_t EscapedSize(const unsigned char* p, std::size_t length) {
  std::size_t size = 0;
  std::size_t i = 0;
  for (; i + 8 <= length; i += 8) {
    if (EightHighBytes(p + i)) {
      size += 8 * 3;
      continue;
    }
    for (std::size_t k = 0; k < 8; ++k) size += static_cast<unsigned char>(kEscapes[p[i + k]][3]);
  }
  for (; i < length; ++i) size += static_cast<unsigned char>(kEscapes[p[i]][3]);
  return size;
}

// Writes all four bytes of the entry (the next one overwrites what does not count).
inline void PutEscape(unsigned char c, char*& out) {
  std::memcpy(out, kEscapes[c].data(), 4);
  out += kEscapes[c][3];
}

}  // namespace

std::string UrlEscape(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t length = text.size();
  const std::size_t size = EscapedSize(p, length);
  std::string result(size + 3, '\0');  // room for the excess of the last entry
  char* out = result.data();
  std::size_t i = 0;
  for (; i + 8 <= length; i += 8) {
    if (EightHighBytes(p + i)) {
      for (std::size_t k = 0; k < 8; ++k, out += 3) std::memcpy(out, kEscapes[p[i + k]].data(), 3);
      continue;
    }
    for (std::size_t k = 0; k < 8; ++k) PutEscape(p[i + k], out);
  }
  for (; i < length; ++i) PutEscape(p[i], out);
  result.resize(size);
  return result;
}
