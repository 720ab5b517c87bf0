#include "platform/memory/MemoryRegistry.h"

#include <gtest/gtest.h>

using platform::RegistryRoot;
using platform::RegistryValue;
using platform::RegistryValueKind;
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

TEST(MemoryRegistry, ValuesReadAsTextOtherOrMissing) {
  MemoryRegistry reg;
  reg.SetText(RegistryRoot::ClassesRoot, "txtfile", "", "Text Document");
  reg.SetNumber(RegistryRoot::ClassesRoot, "txtfile", "EditFlags", 0x10000);
  reg.SetBytes(RegistryRoot::ClassesRoot, "binfile", "", {'a', 0, 'b', 0});
  reg.AddKey(RegistryRoot::ClassesRoot, "emptykey");
  struct Case { std::string key, value; RegistryValueKind kind; std::string text; };
  const Case cases[] = {
      {"txtfile", "", RegistryValueKind::Text, "Text Document"},
      {"txtfile", "EditFlags", RegistryValueKind::Other, ""},
      {"binfile", "", RegistryValueKind::Other, ""},  // bytes that look like text are no text
      {"emptykey", "", RegistryValueKind::Missing, ""},
      {"nokey", "", RegistryValueKind::Missing, ""},
  };
  for (const auto& c : cases) {
    const RegistryValue read = reg.ReadValue(RegistryRoot::ClassesRoot, c.key, c.value);
    EXPECT_EQ(read.kind, c.kind) << c.key << "/" << c.value;
    EXPECT_EQ(read.text, c.text) << c.key << "/" << c.value;
  }
  EXPECT_EQ(reg.ReadText(RegistryRoot::ClassesRoot, "binfile", ""), std::nullopt);
}

TEST(MemoryRegistry, WritesCreateTheKeysAboveAndReplaceValues) {
  MemoryRegistry reg;
  const std::string key = "\\Software\\Microsoft\\Internet Explorer\\MenuExt\\トブリン＋(&S)";
  EXPECT_TRUE(reg.WriteText(RegistryRoot::CurrentUser, key, "", "C:\\表\\Tobrin_Menu.html"));
  EXPECT_TRUE(reg.WriteNumber(RegistryRoot::CurrentUser, key, "contexts", 0x31));
  EXPECT_TRUE(reg.KeyExists(RegistryRoot::CurrentUser, "Software\\Microsoft\\Internet Explorer"));
  EXPECT_EQ(reg.ReadText(RegistryRoot::CurrentUser, key, ""), "C:\\表\\Tobrin_Menu.html");
  EXPECT_EQ(reg.ValueData(RegistryRoot::CurrentUser, key, "contexts"), MemoryRegistry::Data(0x31u));

  EXPECT_TRUE(reg.WriteNumber(RegistryRoot::CurrentUser, key, "", 7));  // text becomes number
  EXPECT_EQ(reg.ReadValue(RegistryRoot::CurrentUser, key, "").kind, RegistryValueKind::Other);
}

TEST(MemoryRegistry, RefusedWritesAndDeletesChangeNothingUnderTheirRootOnly) {
  MemoryRegistry reg;
  reg.SetText(RegistryRoot::LocalMachine, "Software\\Kept\\Sub", "v", "old");
  reg.RefuseWrites(RegistryRoot::LocalMachine);
  reg.RefuseDeletes(RegistryRoot::LocalMachine);

  EXPECT_FALSE(reg.WriteText(RegistryRoot::LocalMachine, "Software\\New", "v", "x"));
  EXPECT_FALSE(reg.WriteNumber(RegistryRoot::LocalMachine, "Software\\Kept\\Sub", "v", 1));
  EXPECT_FALSE(reg.DeleteTree(RegistryRoot::LocalMachine, "Software\\Kept"));
  EXPECT_TRUE(reg.DeleteTree(RegistryRoot::LocalMachine, "Software\\Missing"));  // gone anyway
  EXPECT_FALSE(reg.KeyExists(RegistryRoot::LocalMachine, "Software\\New"));
  EXPECT_EQ(reg.ReadText(RegistryRoot::LocalMachine, "Software\\Kept\\Sub", "v"), "old");

  // The other roots are not refused.
  EXPECT_TRUE(reg.WriteText(RegistryRoot::CurrentUser, "Software\\New", "v", "x"));
  EXPECT_TRUE(reg.DeleteTree(RegistryRoot::CurrentUser, "Software\\New"));

  // Allowed again, the same calls go through.
  reg.RefuseWrites(RegistryRoot::LocalMachine, false);
  EXPECT_TRUE(reg.WriteNumber(RegistryRoot::LocalMachine, "Software\\Kept\\Sub", "v", 1));
  EXPECT_FALSE(reg.DeleteTree(RegistryRoot::LocalMachine, "Software\\Kept"));
  reg.RefuseDeletes(RegistryRoot::LocalMachine, false);
  EXPECT_TRUE(reg.DeleteTree(RegistryRoot::LocalMachine, "Software\\Kept"));
}

TEST(MemoryRegistry, DeleteTreeRemovesTheKeyWithItsSubkeysAndNothingElse) {
  MemoryRegistry reg;
  reg.SetText(RegistryRoot::ClassesRoot, "CLSID\\{A}\\InprocServer32", "", "a.dll");
  reg.SetText(RegistryRoot::ClassesRoot, "CLSID\\{A}", "", "A");
  reg.SetText(RegistryRoot::ClassesRoot, "CLSID\\{AB}", "", "AB");  // same start, other key
  reg.SetText(RegistryRoot::ClassesRoot, "表\\ア", "", "x");

  EXPECT_TRUE(reg.DeleteTree(RegistryRoot::ClassesRoot, "\\clsid\\{a}"));
  EXPECT_FALSE(reg.KeyExists(RegistryRoot::ClassesRoot, "CLSID\\{A}\\InprocServer32"));
  EXPECT_FALSE(reg.KeyExists(RegistryRoot::ClassesRoot, "CLSID\\{A}"));
  EXPECT_EQ(reg.SubkeyNames(RegistryRoot::ClassesRoot, "CLSID"), std::vector<std::string>{"{AB}"});

  EXPECT_TRUE(reg.DeleteTree(RegistryRoot::ClassesRoot, "表"));
  EXPECT_TRUE(reg.DeleteTree(RegistryRoot::ClassesRoot, "表"));  // a missing key is gone
  EXPECT_TRUE(reg.DeleteTree(RegistryRoot::ClassesRoot, "NoParent\\NoKey"));
  // A root itself is never deleted.
  for (const char* root : {"", "\\"}) {
    EXPECT_FALSE(reg.DeleteTree(RegistryRoot::ClassesRoot, root)) << root;
  }
  EXPECT_TRUE(reg.KeyExists(RegistryRoot::ClassesRoot, "CLSID\\{AB}"));
}

}  // namespace
