#pragma once
// The fast path of the conversions: runs of ASCII, eight bytes at a time.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace ascii_run {

inline constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

inline std::uint64_t Load8(const unsigned char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  return word;
}

// Copies eight bytes from `i` on to `out` and moves both on, as long as all eight are ASCII
// and lie before `end`.
inline void Copy(const unsigned char* p, std::size_t& i, std::size_t end, unsigned char*& out) {
  for (std::uint64_t word; i + 8 <= end && ((word = Load8(p + i)) & kHighBits) == 0;
       i += 8, out += 8) {
    std::memcpy(out, &word, sizeof word);
  }
}

}  // namespace ascii_run
