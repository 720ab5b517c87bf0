// The conversions checked against the C library's iconv(3), character by character.
// Native only: the cross build for Windows has no iconv.
#if !defined(_WIN32)

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <set>
#include <string>

#include "shared/jconvert.h"
#include "shared/jconvex.h"
#include "tests/native/ByteText.h"
#include "text/Sjis.h"

using bytetext::ToHex;

namespace {

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (valid()) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;

  bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // The whole input converted, or nothing when iconv rejects or cuts any of it.
  std::optional<std::string> Convert(const std::string& input) const {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string in = input;
    char out[64];
    char* inPtr = in.data();
    char* outPtr = out;
    std::size_t inLeft = in.size();
    std::size_t outLeft = sizeof out;
    if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return {};
    if (iconv(cd_, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return {};
    return std::string(out, outPtr);
  }

 private:
  iconv_t cd_;
};

std::string Pair(unsigned first, unsigned second) {
  return {static_cast<char>(first), static_cast<char>(second)};
}

}  // namespace

// JIS X 0208 is exactly the two-byte codes of EUC-JP, rows and cells 0xA1 to 0xFE. For each of
// its characters iconv gives the Shift_JIS code; from that code our conversion must give back
// the EUC-JP code, as iconv's own Shift_JIS to EUC-JP conversion does.
TEST(IconvOracle, ShiftJisToEucJpForEveryJisX0208Character) {
  const Iconv eucToSjis("SHIFT_JIS", "EUC-JP");
  const Iconv sjisToEuc("EUC-JP", "SHIFT_JIS");
  ASSERT_TRUE(eucToSjis.valid() && sjisToEuc.valid()) << "iconv lacks SHIFT_JIS or EUC-JP";
  int characters = 0;
  for (unsigned row = 0xA1; row <= 0xFE; ++row) {
    for (unsigned cell = 0xA1; cell <= 0xFE; ++cell) {
      const std::string euc = Pair(row, cell);
      const std::optional<std::string> sjis = eucToSjis.Convert(euc);
      if (!sjis) continue;  // no character at this place
      ++characters;
      ASSERT_EQ(sjis->size(), 2u) << ToHex(euc);
      EXPECT_EQ(ToHex(SjisToEuc(*sjis)), ToHex(euc)) << "Shift_JIS " << ToHex(*sjis);
      EXPECT_EQ(sjisToEuc.Convert(*sjis), euc) << "Shift_JIS " << ToHex(*sjis);
    }
  }
  // JIS X 0208:1997 has 6879 characters; fewer would mean the oracle left some out.
  EXPECT_EQ(characters, 6879);
}

// Every character of code page 932, single- and double-byte, against iconv's CP932. iconv
// leaves out five single bytes that Windows maps (0x80 to U+0080, 0xA0 and 0xFD-0xFF to the
// private use area); the program runs on Windows, so those follow Windows and are checked
// against Windows itself in the Wine tests. Everything else must agree, and iconv must know
// every double-byte character we do.
TEST(IconvOracle, ShiftJisToUtf8ForEveryCharacterOfCodePage932) {
  const Iconv cp932("UTF-8", "CP932");
  ASSERT_TRUE(cp932.valid()) << "iconv lacks CP932";
  const std::set<unsigned> windowsOnly = {0x80, 0xA0, 0xFD, 0xFE, 0xFF};

  for (unsigned c = 0; c < 0x100; ++c) {
    if (IsSjisLeadByte(static_cast<unsigned char>(c))) continue;
    const std::string single(1, static_cast<char>(c));
    const std::optional<std::string> expected = cp932.Convert(single);
    if (windowsOnly.count(c) != 0) {
      EXPECT_FALSE(expected) << "iconv now maps " << ToHex(single) << "; compare it";
      continue;
    }
    ASSERT_TRUE(expected) << ToHex(single);
    EXPECT_EQ(ToHex(SjisToUtf8(single)), ToHex(*expected)) << ToHex(single);
  }

  const std::string substitute = "\xE3\x83\xBB";  // U+30FB, for a pair that is no character
  int characters = 0;
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsSjisLeadByte(static_cast<unsigned char>(lead))) continue;
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      const std::string pair = Pair(lead, trail);
      const std::string ours = SjisToUtf8(pair);
      const std::optional<std::string> expected = cp932.Convert(pair);
      if (expected) {
        ++characters;
        EXPECT_EQ(ToHex(ours), ToHex(*expected)) << ToHex(pair);
      } else {
        // 0x8145 is "・" itself; everywhere else the substitute means "no character".
        EXPECT_EQ(ToHex(ours), ToHex(substitute)) << "iconv knows no " << ToHex(pair);
      }
    }
  }
  // JIS X 0208, NEC's row 13, NEC-selected IBM extensions, IBM extensions, user-defined area.
  EXPECT_EQ(characters, 6879 + 83 + 374 + 388 + 1880);
}

#endif  // !defined(_WIN32)
