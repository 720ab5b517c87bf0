// Our code page 932 conversions against Windows' own (MultiByteToWideChar and
// WideCharToMultiByte), for every single byte, every two-byte sequence from a byte 0x80 up,
// and every UTF-16 unit.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "platform/memory/MemoryCodePage.h"
#include "shared/jconvex.h"
#include "tests/native/ByteText.h"

using bytetext::ToHex;

namespace {

std::u16string WindowsToWide(const std::string& sjis) {
  if (sjis.empty()) return {};
  const int size = static_cast<int>(sjis.size());
  const int length = MultiByteToWideChar(932, 0, sjis.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(932, 0, sjis.data(), size, wide.data(), length);
  return std::u16string(wide.begin(), wide.end());
}

std::string WindowsFromWide(unsigned codePage, const std::u16string& text) {
  if (text.empty()) return {};
  const std::wstring wide(text.begin(), text.end());
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(codePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

std::string WindowsSjisToUtf8(const std::string& sjis) {
  return WindowsFromWide(CP_UTF8, WindowsToWide(sjis));
}

std::string HexOfUnits(const std::u16string& text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit >> 8));
    bytes.push_back(static_cast<char>(unit & 0xFF));
  }
  return ToHex(bytes);
}

// Every input the byte-level oracles try: each byte alone, each byte from 0x80 up followed by
// any byte, and a lead byte followed by a zero byte and more text.
std::vector<std::string> ByteSequences() {
  std::vector<std::string> inputs;
  for (unsigned first = 0; first < 0x100; ++first) {
    inputs.push_back(std::string(1, static_cast<char>(first)));
    if (first < 0x80) continue;
    for (unsigned second = 0; second < 0x100; ++second) {
      inputs.push_back({static_cast<char>(first), static_cast<char>(second)});
    }
    inputs.push_back(std::string{static_cast<char>(first), '\0', 'a', static_cast<char>(first)});
  }
  return inputs;
}

// Collects disagreements and reports the first few, so that a wrong table does not flood
// the output with tens of thousands of lines.
class Disagreements {
 public:
  void Add(const std::string& message) {
    if (count_++ < 20) ADD_FAILURE() << message;
  }
  int count() const { return count_; }

 private:
  int count_ = 0;
};

}  // namespace

TEST(Cp932Oracle, ShiftJisToUtf8AgreesWithWindows) {
  Disagreements disagreements;
  for (const std::string& sjis : ByteSequences()) {
    const std::string windows = WindowsSjisToUtf8(sjis);
    const std::string ours = SjisToUtf8(sjis);
    if (ours != windows) {
      disagreements.Add(ToHex(sjis) + ": ours " + ToHex(ours) + ", Windows " + ToHex(windows));
    }
  }
  EXPECT_EQ(disagreements.count(), 0);
}

TEST(Cp932Oracle, MemoryCodePageAgreesWithWindows) {
  const platform::memory::MemoryCodePage codePage;
  Disagreements disagreements;
  for (const std::string& sjis : ByteSequences()) {
    const std::u16string windows = WindowsToWide(sjis);
    const std::u16string ours = codePage.AnsiToWide(sjis);
    if (ours != windows) {
      disagreements.Add("to UTF-16 " + ToHex(sjis) + ": ours " + HexOfUnits(ours) + ", Windows " +
                        HexOfUnits(windows));
    }
  }
  // Every UTF-16 unit on its own (surrogates included), then a whole surrogate pair.
  std::vector<std::u16string> texts;
  for (unsigned unit = 1; unit < 0x10000; ++unit)
    texts.push_back(std::u16string(1, static_cast<char16_t>(unit)));
  texts.push_back(u"\xD83D\xDE00");
  texts.push_back(
      u"a\xDE00"
      u"b\xD83D");
  for (const std::u16string& text : texts) {
    const std::string ansi = codePage.WideToAnsi(text);
    const std::string windowsAnsi = WindowsFromWide(932, text);
    if (ansi != windowsAnsi) {
      disagreements.Add("to Shift_JIS " + HexOfUnits(text) + ": ours " + ToHex(ansi) +
                        ", Windows " + ToHex(windowsAnsi));
    }
    const std::string utf8 = codePage.WideToUtf8(text);
    const std::string windowsUtf8 = WindowsFromWide(CP_UTF8, text);
    if (utf8 != windowsUtf8) {
      disagreements.Add("to UTF-8 " + HexOfUnits(text) + ": ours " + ToHex(utf8) + ", Windows " +
                        ToHex(windowsUtf8));
    }
  }
  EXPECT_EQ(disagreements.count(), 0);
}
