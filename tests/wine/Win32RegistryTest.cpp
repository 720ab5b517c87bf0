// Reading registry values under HKEY_CURRENT_USER\Software\TobrinTest, written here with
// RegSetValueExW in every form a value may have.
#include "platform/win32/Win32Registry.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using platform::RegistryRoot;
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

}  // namespace
