// Registry values under HKEY_CURRENT_USER\Software\TobrinTest: read after being written here
// with RegSetValueExW in every form a value may have, and written and deleted by the code under
// test, then looked at with Windows' own functions.
#include "platform/win32/Win32Registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using platform::RegistryRoot;
using platform::RegistryValue;
using platform::RegistryValueKind;
using platform::win32::Win32Registry;

constexpr wchar_t kTestKey[] = L"Software\\TobrinTest";

class Win32RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key_, nullptr),
              ERROR_SUCCESS);
  }
  void TearDown() override {
    RegCloseKey(key_);
    RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
  }

  // Stores exactly these bytes under the name with the type.
  void Set(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetValueExW(key_, name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
  }
  // A string value; with its terminating zero unless told otherwise.
  void SetText(const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ,
               bool terminated = true) {
    Set(name, type, text.c_str(),
        static_cast<DWORD>((text.size() + (terminated ? 1 : 0)) * sizeof(wchar_t)));
  }

  std::optional<std::string> Read(const std::string& value,
                                  const std::string& key = "Software\\TobrinTest") const {
    return registry_.ReadText(RegistryRoot::CurrentUser, key, value);
  }

  HKEY key_ = nullptr;
  Win32Registry registry_;
};

TEST_F(Win32RegistryTest, ReadsStringValuesAsStored) {
  SetText(L"Plain", L"C:\\Program Files\\Viewer\\viewer.exe");
  SetText(L"日本語", L"トブリン＋表示");
  SetText(L"Expand", L"%TEMP%\\Tobrin", REG_EXPAND_SZ);
  SetText(L"Empty", L"");
  SetText(L"", L"default value");
  const std::wstring huge(100000, L'表');
  SetText(L"Huge", huge);

  EXPECT_EQ(Read("Plain"), "C:\\Program Files\\Viewer\\viewer.exe");
  EXPECT_EQ(Read("日本語"), "トブリン＋表示");
  EXPECT_EQ(Read("EXPAND"), "%TEMP%\\Tobrin");  // names match in any case; never expanded
  EXPECT_EQ(Read("Empty"), "");
  EXPECT_EQ(Read(""), "default value");
  const std::optional<std::string> hugeText = Read("Huge");
  ASSERT_TRUE(hugeText.has_value());
  EXPECT_EQ(hugeText->size(), 200000u);
  EXPECT_EQ(hugeText->substr(0, 4), "表表");
}

TEST_F(Win32RegistryTest, StringWithoutTerminatingZeroOrWithOddSizeIsReadWithinItsBytes) {
  SetText(L"Unterminated", L"abc", REG_SZ, false);
  Set(L"OddSize", REG_SZ, L"xyz", 5);  // two whole characters and half of a third
  Set(L"Zeroes", REG_SZ, L"ab\0cd", 5 * sizeof(wchar_t));
  Set(L"NoBytes", REG_SZ, L"", 0);

  EXPECT_EQ(Read("Unterminated"), "abc");
  EXPECT_EQ(Read("OddSize"), "xy");
  EXPECT_EQ(Read("Zeroes"), "ab");
  EXPECT_EQ(Read("NoBytes"), "");
}

TEST_F(Win32RegistryTest, NonStringValuesAndMissingOnesGiveNothing) {
  const DWORD number = 42;
  const unsigned char binary[] = {'a', 0, 'b', 0};  // looks like text, is no text
  Set(L"Number", REG_DWORD, &number, sizeof number);
  Set(L"Binary", REG_BINARY, binary, sizeof binary);
  Set(L"Multi", REG_MULTI_SZ, L"a\0b\0", 5 * sizeof(wchar_t));

  for (const char* name : {"Number", "Binary", "Multi", "Missing"}) {
    EXPECT_EQ(Read(name), std::nullopt) << name;
  }
  EXPECT_EQ(Read("", "Software\\TobrinTest"), std::nullopt);  // no default value set
  EXPECT_EQ(Read("Plain", "Software\\TobrinTest\\NoSuchKey"), std::nullopt);
}

TEST_F(Win32RegistryTest, LeadingBackslashIsDroppedAndMissingKeysAreNotCreated) {
  SetText(L"Value", L"found");
  EXPECT_EQ(Read("Value", "\\Software\\TobrinTest"), "found");
  EXPECT_EQ(Read("Value", "software\\tobrintest"), "found");

  EXPECT_EQ(Read("Value", "Software\\TobrinTest\\Created"), std::nullopt);
  HKEY probe = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\TobrinTest\\Created", 0, KEY_READ,
                          &probe),
            ERROR_SUCCESS);
}

TEST_F(Win32RegistryTest, OtherRootsAreReadToo) {
  // Present in every Windows and Wine prefix.
  const std::optional<std::string> root = registry_.ReadText(
      RegistryRoot::LocalMachine, "Software\\Microsoft\\Windows NT\\CurrentVersion",
      "SystemRoot");
  ASSERT_TRUE(root.has_value());
  EXPECT_EQ(root->size() > 3 ? root->substr(1, 2) : "", ":\\");
  EXPECT_TRUE(registry_.ReadText(RegistryRoot::ClassesRoot, "exefile", "").has_value());
}

TEST_F(Win32RegistryTest, ValueKindsTellTextFromOtherTypesAndMissing) {
  const DWORD number = 42;
  const unsigned char binary[] = {'a', 0, 'b', 0};
  SetText(L"Text", L"表");
  SetText(L"Expand", L"%TEMP%", REG_EXPAND_SZ);
  Set(L"Number", REG_DWORD, &number, sizeof number);
  Set(L"", REG_BINARY, binary, sizeof binary);  // a default value that is no string
  struct Case { const char* value; RegistryValueKind kind; std::string text; };
  const Case cases[] = {
      {"Text", RegistryValueKind::Text, "表"},
      {"Expand", RegistryValueKind::Text, "%TEMP%"},
      {"Number", RegistryValueKind::Other, ""},
      {"", RegistryValueKind::Other, ""},
      {"Missing", RegistryValueKind::Missing, ""},
  };
  for (const auto& c : cases) {
    const RegistryValue read =
        registry_.ReadValue(RegistryRoot::CurrentUser, "Software\\TobrinTest", c.value);
    EXPECT_EQ(read.kind, c.kind) << c.value;
    EXPECT_EQ(read.text, c.text) << c.value;
  }
  EXPECT_EQ(registry_.ReadValue(RegistryRoot::CurrentUser, "Software\\TobrinTest\\No", "").kind,
            RegistryValueKind::Missing);
}

// The type and bytes of a value as Windows itself reads them; type REG_NONE when missing.
struct Stored {
  DWORD type = REG_NONE;
  std::vector<BYTE> bytes;
};
Stored ReadBack(const std::wstring& key, const std::wstring& value) {
  Stored stored;
  DWORD size = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                   &stored.type, nullptr, &size) != ERROR_SUCCESS) {
    return {};
  }
  stored.bytes.resize(size);
  if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), value.c_str(), RRF_RT_ANY | RRF_NOEXPAND,
                   &stored.type, stored.bytes.data(), &size) != ERROR_SUCCESS) {
    return {};
  }
  stored.bytes.resize(size);
  return stored;
}

std::vector<BYTE> BytesOf(const std::wstring& text) {  // with the terminating zero
  const auto* first = reinterpret_cast<const BYTE*>(text.c_str());
  return {first, first + (text.size() + 1) * sizeof(wchar_t)};
}

TEST_F(Win32RegistryTest, WritesCreateJapaneseKeysWithStringsAndNumbersAsWindowsReadsThem) {
  const std::string key = "\\Software\\TobrinTest\\MenuExt\\トブリン＋(&S)";
  const std::wstring wideKey = L"Software\\TobrinTest\\MenuExt\\トブリン＋(&S)";
  EXPECT_TRUE(registry_.WriteText(RegistryRoot::CurrentUser, key, "", "C:\\表\\Tobrin_Menu.html"));
  EXPECT_TRUE(registry_.WriteNumber(RegistryRoot::CurrentUser, key, "contexts", 0x31));
  EXPECT_TRUE(registry_.WriteNumber(RegistryRoot::CurrentUser, key, "Max", 0xFFFFFFFFu));
  EXPECT_TRUE(registry_.WriteText(RegistryRoot::CurrentUser, key, "日本語", ""));

  const Stored text = ReadBack(wideKey, L"");
  EXPECT_EQ(text.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(text.bytes, BytesOf(L"C:\\表\\Tobrin_Menu.html"));
  const Stored empty = ReadBack(wideKey, L"日本語");
  EXPECT_EQ(empty.type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(empty.bytes, BytesOf(L""));
  for (const auto& [name, number] : {std::pair{L"contexts", 0x31u}, {L"Max", 0xFFFFFFFFu}}) {
    const Stored stored = ReadBack(wideKey, name);
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
    ASSERT_EQ(stored.bytes.size(), sizeof(DWORD));
    DWORD read = 0;
    std::memcpy(&read, stored.bytes.data(), sizeof read);
    EXPECT_EQ(read, number);
  }

  // Writing again replaces the value, also with the other type.
  EXPECT_TRUE(registry_.WriteNumber(RegistryRoot::CurrentUser, key, "", 5));
  EXPECT_EQ(ReadBack(wideKey, L"").type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(Read("", key.substr(1)), std::nullopt);
}

TEST_F(Win32RegistryTest, RefusedWritesGiveFalse) {
  // A key name longer than the registry allows (255 characters) cannot be created.
  const std::string tooLong = "Software\\TobrinTest\\" + std::string(300, 'k');
  EXPECT_FALSE(registry_.WriteText(RegistryRoot::CurrentUser, tooLong, "v", "x"));
  EXPECT_FALSE(registry_.WriteNumber(RegistryRoot::CurrentUser, tooLong, "v", 1));
}

TEST_F(Win32RegistryTest, DeleteTreeRemovesSubkeysAndCountsMissingKeysAsGone) {
  const std::string base = "Software\\TobrinTest\\";
  for (const char* key : {"Tree\\トブリン＋(&S)\\Deep\\Deeper", "Tree\\表", "TreeNext"}) {
    ASSERT_TRUE(registry_.WriteText(RegistryRoot::CurrentUser, base + key, "v", "x")) << key;
  }
  EXPECT_TRUE(registry_.DeleteTree(RegistryRoot::CurrentUser, "\\" + base + "TREE"));

  HKEY probe = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\TobrinTest\\Tree", 0, KEY_READ, &probe),
            ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(Read("v", base + "TreeNext"), "x");  // a key of the same start is kept

  EXPECT_TRUE(registry_.DeleteTree(RegistryRoot::CurrentUser, base + "Tree"));
  EXPECT_TRUE(registry_.DeleteTree(RegistryRoot::CurrentUser, base + "No\\Such\\Key"));
  // A root is never emptied.
  for (const char* root : {"", "\\"}) {
    EXPECT_FALSE(registry_.DeleteTree(RegistryRoot::CurrentUser, root)) << root;
  }
  EXPECT_EQ(Read("v", base + "TreeNext"), "x");
}

}  // namespace
