#include "platform/memory/MemoryCodePage.h"

#include <array>
#include <memory>

#include "text/Cp932Table.h"

namespace platform::memory {

namespace {

constexpr unsigned short kNoCode = 0xFFFF;

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Where a character has two codes, Windows writes the lower one, except that the IBM
// extensions (0xFA40-0xFC4B) win over the NEC-selected copies of them (0xED40-0xEEFC).
bool Prefer(unsigned candidate, unsigned current) {
  auto necSelected = [](unsigned code) { return code >= 0xED00 && code <= 0xEEFF; };
  if (current == kNoCode) return true;
  if (necSelected(candidate) != necSelected(current)) return !necSelected(candidate);
  return candidate < current;
}

using ReverseTable = std::array<unsigned short, 0x10000>;

std::unique_ptr<ReverseTable> BuildReverseTable() {
  auto table = std::make_unique<ReverseTable>();
  table->fill(kNoCode);
  for (unsigned c = 0; c < 0x100; ++c) {
    if (IsSjisLeadByte(static_cast<unsigned char>(c))) continue;
    (*table)[cp932::DecodeSingleByte(static_cast<unsigned char>(c))] =
        static_cast<unsigned short>(c);
  }
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsSjisLeadByte(static_cast<unsigned char>(lead))) continue;
    for (unsigned trail = 0; trail <= 0xFF; ++trail) {
      const char16_t unit = cp932::DecodeDoubleByte(static_cast<unsigned char>(lead),
                                                    static_cast<unsigned char>(trail));
      const unsigned code = lead << 8 | trail;
      // Pairs that are no character decode to the substitute; 0x8145 is "・" itself.
      if (unit == cp932::kSubstitute && code != 0x8145) continue;
      if (Prefer(code, (*table)[unit])) (*table)[unit] = static_cast<unsigned short>(code);
    }
  }
  for (const cp932::BestFit& fit : cp932::BestFitCodes()) {
    unsigned short& slot = (*table)[fit.unit];
    if (slot == kNoCode) slot = fit.code;
  }
  return table;
}

const ReverseTable& Reverse() {
  static const std::unique_ptr<ReverseTable> table = BuildReverseTable();
  return *table;
}

}  // namespace

std::u16string MemoryCodePage::AnsiToWide(const std::string& text) const {
  std::u16string wide;
  wide.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const cp932::Decoded decoded = cp932::DecodeAt(text, i);
    wide.push_back(decoded.unit);
    i += decoded.length;
  }
  return wide;
}

std::string MemoryCodePage::WideToUtf8(const std::u16string& text) const {
  std::string utf8;
  utf8.reserve(text.size());
  auto put = [&utf8](unsigned byte) { utf8.push_back(static_cast<char>(byte)); };
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
      c = 0xFFFD;  // a surrogate without its partner is no character
    }
    if (c < 0x80) {
      put(c);
    } else if (c < 0x800) {
      put(0xC0 | (c >> 6));
      put(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      put(0xE0 | (c >> 12));
      put(0x80 | ((c >> 6) & 0x3F));
      put(0x80 | (c & 0x3F));
    } else {
      put(0xF0 | (c >> 18));
      put(0x80 | ((c >> 12) & 0x3F));
      put(0x80 | ((c >> 6) & 0x3F));
      put(0x80 | (c & 0x3F));
    }
  }
  return utf8;
}

// Each UTF-16 unit on its own: a character outside the code page, and each half of a
// surrogate pair, becomes "?".
std::string MemoryCodePage::WideToAnsi(const std::u16string& text) const {
  const ReverseTable& reverse = Reverse();
  std::string ansi;
  ansi.reserve(text.size());
  for (char16_t unit : text) {
    const unsigned code = reverse[unit];
    if (code == kNoCode) {
      ansi.push_back('?');
    } else {
      if (code > 0xFF) ansi.push_back(static_cast<char>(code >> 8));
      ansi.push_back(static_cast<char>(code & 0xFF));
    }
  }
  return ansi;
}

}  // namespace platform::memory
