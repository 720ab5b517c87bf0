#include "platform/forms/GridSortOrder.h"

#include <algorithm>
#include <cstdint>

#include "text/AsciiCase.h"
#include "text/Sjis.h"

namespace platform {

namespace {

// A cell as a number column orders it: a whole number (its sign and its digits without
// leading zeros, so numbers of any length compare exactly) or a text.
struct NumberKey {
  std::string_view text;
  std::string_view digits;
  bool isNumber = false;
  bool negative = false;
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

NumberKey NumberKeyOf(std::string_view text) {
  NumberKey key;
  key.text = text;
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  if (begin < end && (text[begin] == '-' || text[begin] == '+')) {
    key.negative = text[begin] == '-';
    ++begin;
  }
  if (begin == end) return key;
  for (std::size_t i = begin; i < end; ++i) {
    if (text[i] < '0' || text[i] > '9') return key;
  }
  while (begin + 1 < end && text[begin] == '0') ++begin;
  key.digits = text.substr(begin, end - begin);
  key.isNumber = true;
  if (key.digits == "0") key.negative = false;  // -0 is 0
  return key;
}

int CompareMagnitude(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b);
}

int CompareNumberKeys(const NumberKey& a, const NumberKey& b) {
  if (a.isNumber != b.isNumber) return a.isNumber ? -1 : 1;
  if (!a.isNumber) return CompareTextIgnoringCase(a.text, b.text);
  if (a.negative != b.negative) return a.negative ? -1 : 1;
  const int magnitude = CompareMagnitude(a.digits, b.digits);
  return a.negative ? -magnitude : magnitude;
}

// A text column's key: the first 16 bytes of the text with its ASCII letters folded as
// CompareTextIgnoringCase folds them, padded with zero bytes and packed into two numbers in
// byte order, so that most comparisons are decided by comparing two numbers without reaching
// the text; equal prefixes fall back to the whole texts.
struct TextKey {
  static constexpr std::size_t kPrefix = 16;
  std::uint64_t high = 0;
  std::uint64_t low = 0;
  const std::string* text;

  explicit TextKey(const std::string& whole) : text(&whole) {
    unsigned char prefix[kPrefix] = {};
    const std::size_t length = std::min(whole.size(), kPrefix);
    for (std::size_t i = 0; i < length;) {
      const auto c = static_cast<unsigned char>(whole[i]);
      if (IsSjisLeadByte(c) && i + 1 < whole.size()) {
        prefix[i] = c;
        if (i + 1 < kPrefix) prefix[i + 1] = static_cast<unsigned char>(whole[i + 1]);
        i += 2;
      } else {
        prefix[i] = ToUpperAscii(c);
        ++i;
      }
    }
    for (std::size_t i = 0; i < 8; ++i) {
      high = high << 8 | prefix[i];
      low = low << 8 | prefix[8 + i];
    }
  }
};

int CompareTextKeys(const TextKey& a, const TextKey& b) {
  if (a.high != b.high) return a.high < b.high ? -1 : 1;
  if (a.low != b.low) return a.low < b.low ? -1 : 1;
  return CompareTextIgnoringCase(*a.text, *b.text);
}

// Sorts the keys with their row positions and gives the positions in their new order.
template <typename Key, typename Compare>
std::vector<std::size_t> SortKeys(std::vector<std::pair<Key, std::uint32_t>> keyed, Compare compare,
                                  bool descending) {
  if (descending) {
    std::stable_sort(keyed.begin(), keyed.end(),
                     [&](const auto& a, const auto& b) { return compare(b.first, a.first) < 0; });
  } else {
    std::stable_sort(keyed.begin(), keyed.end(),
                     [&](const auto& a, const auto& b) { return compare(a.first, b.first) < 0; });
  }
  std::vector<std::size_t> order;
  order.reserve(keyed.size());
  for (const auto& entry : keyed) order.push_back(entry.second);
  return order;
}

}  // namespace

int CompareTextIgnoringCase(std::string_view a, std::string_view b) {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x == y) {
      // Equal lead bytes: the trail bytes compare as they are, never folded.
      if (IsSjisLeadByte(x) && i + 1 < common) {
        ++i;
        if (a[i] != b[i])
          return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]) ? -1 : 1;
      }
      continue;
    }
    const unsigned char fx = ToUpperAscii(x), fy = ToUpperAscii(y);
    if (fx != fy) return fx < fy ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

std::vector<std::size_t> SortedRowOrder(const std::vector<std::string>& cells,
                                        std::size_t columnCount, std::size_t column, bool numbers,
                                        bool descending) {
  const std::size_t rows = columnCount == 0 ? 0 : cells.size() / columnCount;
  if (numbers) {
    std::vector<std::pair<NumberKey, std::uint32_t>> keyed;
    keyed.reserve(rows);
    for (std::size_t r = 0; r < rows; ++r) {
      keyed.emplace_back(NumberKeyOf(cells[r * columnCount + column]),
                         static_cast<std::uint32_t>(r));
    }
    return SortKeys(std::move(keyed), CompareNumberKeys, descending);
  }
  std::vector<std::pair<TextKey, std::uint32_t>> keyed;
  keyed.reserve(rows);
  for (std::size_t r = 0; r < rows; ++r) {
    keyed.emplace_back(TextKey(cells[r * columnCount + column]), static_cast<std::uint32_t>(r));
  }
  return SortKeys(std::move(keyed), CompareTextKeys, descending);
}

}  // namespace platform
