#include "platform/memory/MemoryRegistry.h"

#include <gtest/gtest.h>

using platform::RegistryRoot;
using platform::memory::MemoryRegistry;

namespace {

TEST(MemoryRegistry, KeysAndValuesMatchWithoutLetterCaseAndLeadingBackslash) {
  MemoryRegistry reg;
  reg.SetText(RegistryRoot::CurrentUser, "Software\\Microsoft\\Internet Explorer\\MenuExt\\トブリン＋(&S)",
              "", "C:\\app\\Tobrin_Menu.html");
  reg.SetText(RegistryRoot::CurrentUser, "\\SOFTWARE\\Test", "Cache", "C:\\cache");
  struct Case { std::string key, value; std::optional<std::string> text; };
  const Case cases[] = {
      {"software\\MICROSOFT\\internet explorer\\menuext\\トブリン＋(&s)", "",
       "C:\\app\\Tobrin_Menu.html"},
      {"\\Software\\Microsoft\\Internet Explorer\\MenuExt\\トブリン＋(&S)", "",
       "C:\\app\\Tobrin_Menu.html"},
      {"Software\\Test", "cache", "C:\\cache"},
      {"Software\\Test", "CACHE", "C:\\cache"},
      {"Software\\Test", "", std::nullopt},         // no default value set
      {"Software\\Test", "Other", std::nullopt},
      {"Software\\Missing", "Cache", std::nullopt},
      {"Software\\Test\\Deeper", "Cache", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(reg.ReadText(RegistryRoot::CurrentUser, c.key, c.value), c.text) << c.key << c.value;
  }
  // Each root is its own tree.
  EXPECT_EQ(reg.ReadText(RegistryRoot::LocalMachine, "Software\\Test", "Cache"), std::nullopt);
  EXPECT_EQ(reg.SubkeyNames(RegistryRoot::CurrentUser, "software"),
            (std::vector<std::string>{"Microsoft", "Test"}));  // listed as created
}

TEST(MemoryRegistry, DoubleByteKeyNamesAreNotSplitOrFolded) {
  MemoryRegistry reg;
  reg.SetText(RegistryRoot::ClassesRoot, "表", "", "a");   // 0x95 0x5C
  reg.SetText(RegistryRoot::ClassesRoot, "ア", "", "b");   // 0x83 0x41
  EXPECT_EQ(reg.SubkeyNames(RegistryRoot::ClassesRoot, ""), (std::vector<std::string>{"ア", "表"}));
  EXPECT_EQ(reg.ReadText(RegistryRoot::ClassesRoot, "ヂ", ""), std::nullopt);  // 0x83 0x61
  EXPECT_FALSE(reg.KeyExists(RegistryRoot::ClassesRoot, "\x95"));
}

TEST(MemoryRegistry, NumbersAreNotText) {
  MemoryRegistry reg;
  reg.SetNumber(RegistryRoot::CurrentUser, "K", "contexts", 0x30);
  EXPECT_EQ(reg.ReadText(RegistryRoot::CurrentUser, "K", "contexts"), std::nullopt);
  EXPECT_EQ(reg.ValueData(RegistryRoot::CurrentUser, "K", "Contexts"), MemoryRegistry::Data(0x30u));
  // Setting again replaces the data and keeps the name as first written.
  reg.SetText(RegistryRoot::CurrentUser, "k", "CONTEXTS", "now text");
  EXPECT_EQ(reg.ReadText(RegistryRoot::CurrentUser, "K", "contexts"), "now text");
  EXPECT_EQ(reg.ValueNames(RegistryRoot::CurrentUser, "K"), std::vector<std::string>{"contexts"});
}

}  // namespace
