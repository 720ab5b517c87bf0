// Code detection, the conversions to EUC-JP and UTF-8, and URL escaping on arbitrary bytes,
// with what must hold for every input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "shared/jconvert.h"
#include "shared/jconvex.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// Well-formed UTF-8 of characters in the Basic Multilingual Plane, no surrogates, shortest form.
bool IsBmpUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    auto continuation = [&](std::size_t k) {
      return i + k < text.size() && (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    };
    if (c < 0x80) {
      i += 1;
    } else if (c >= 0xC2 && c <= 0xDF && continuation(1)) {
      i += 2;
    } else if ((c & 0xF0) == 0xE0 && continuation(1) && continuation(2)) {
      const unsigned unit = (c & 0x0Fu) << 12 |
                            (static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6 |
                            (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
      if (unit < 0x800 || (unit >= 0xD800 && unit <= 0xDFFF)) return false;
      i += 3;
    } else {
      return false;
    }
  }
  return true;
}

bool IsUrlAlphabet(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
         std::strchr("!$'()*-.@_+%", c) != nullptr;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;  // lower case never appears
}

// The escaped text decoded again must be the text up to its first zero byte.
void CheckUrlEscape(std::string_view text) {
  const std::string escaped = UrlEscape(text);
  const std::string_view untilZero = text.substr(0, text.find('\0'));
  Require(escaped.size() <= 3 * untilZero.size());
  std::string decoded;
  for (std::size_t i = 0; i < escaped.size(); ++i) {
    const auto c = static_cast<unsigned char>(escaped[i]);
    Require(IsUrlAlphabet(c));
    if (c == '+') {
      decoded.push_back(' ');
    } else if (c == '%') {
      Require(i + 2 < escaped.size());
      const int high = HexValue(escaped[i + 1]);
      const int low = HexValue(escaped[i + 2]);
      Require(high >= 0 && low >= 0);
      decoded.push_back(static_cast<char>(high * 16 + low));
      i += 2;
    } else {
      decoded.push_back(static_cast<char>(c));
    }
  }
  Require(decoded == untilZero);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // A block of exactly the input's size, so that the sanitizer sees any read past its end.
  const std::unique_ptr<char[]> copy(new char[size == 0 ? 1 : size]);
  if (size != 0) std::memcpy(copy.get(), data, size);
  const std::string_view text(copy.get(), size);

  const TKanjiCode code = DetectKanjiCode(text);
  Require(code >= kcAscii && code <= kcEucOrSjis);

  // Every byte gives one or two: the result lies between the text's length and twice it.
  const std::string euc = SjisToEuc(text);
  Require(euc.size() >= size && euc.size() <= 2 * size);

  // Escape sequences only ever disappear.
  const std::string fromJis = JisToEuc(text);
  Require(fromJis.size() <= size);

  const std::string converted = ConvertKanjiCode(text, kcEuc);
  if (code == kcSjis) {
    Require(converted == euc);
  } else if (code == kcJis || code == kcJisOld) {
    Require(converted == fromJis);
  } else {
    Require(converted == text);
  }
  Require(ConvertKanjiCode(text, kcSjis) == text);

  // One to three bytes for each byte, valid UTF-8 whatever the input.
  const std::string utf8 = SjisToUtf8(text);
  Require(utf8.size() <= 3 * size);
  Require(IsBmpUtf8(utf8));

  CheckUrlEscape(text);
  return 0;
}
