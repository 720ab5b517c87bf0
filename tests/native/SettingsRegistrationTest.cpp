// The registration steps of the apply: the view-source editor, the browser's context-menu
// entry and the Explorer component, with every key, value and type, and their messages.
#include <cstdint>
#include <string>
#include <vector>

#include "SettingsTestFixture.h"

namespace {

using Data = platform::memory::MemoryRegistry::Data;

constexpr const char* kEditorParent = "SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor";
constexpr const char* kEditorKey =
    "SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor\\Editor Name";
constexpr const char* kMenuKey = "Software\\Microsoft\\Internet Explorer\\MenuExt\\トブリン＋(&S)";
constexpr const char* kClsid = "{3C9B1E70-5A2D-4E86-9F41-B7D2C6A8E015}";
constexpr const char* kClassKey = "CLSID\\{3C9B1E70-5A2D-4E86-9F41-B7D2C6A8E015}";
constexpr const char* kServerKey = "CLSID\\{3C9B1E70-5A2D-4E86-9F41-B7D2C6A8E015}\\InProcServer32";
const char* const kHandlerKeys[] = {"*\\shellex\\ContextMenuHandlers\\TobrinPlus",
                                    "Directory\\shellex\\ContextMenuHandlers\\TobrinPlus",
                                    "Folder\\shellex\\ContextMenuHandlers\\TobrinPlus"};

}  // namespace

class RegistrationTest : public SettingsTest {
 protected:
  static constexpr const char* kFolder = "C:\\Program Files\\表 ソフト\\";

  RegistrationTest() { InstallIn(kFolder); }

  // Runs a step as the apply does (only while SetOK is true); true when it succeeded.
  bool Run(void (TfmMAIN::*step)()) {
    Main().SetOK = true;
    (Main().*step)();
    return Main().SetOK;
  }
  std::optional<Data> Value(Root root, const std::string& key, const std::string& value = "") {
    return m.registry.ValueData(root, key, value);
  }
  void InstallShellExtension(const std::string& handlerClass) {
    for (const char* key : kHandlerKeys) {
      m.registry.SetText(Root::ClassesRoot, key, "", handlerClass);
    }
    m.registry.SetText(Root::ClassesRoot, kServerKey, "", "C:\\old\\TobrinShellEX.dll");
  }
  bool ShellExtensionPresent() {
    bool all = true;
    for (const char* key : kHandlerKeys) all = all && m.registry.KeyExists(Root::ClassesRoot, key);
    return all && m.registry.KeyExists(Root::ClassesRoot, kServerKey);
  }
};

// --- SetVSE -------------------------------------------------------------------------------

TEST_F(RegistrationTest, ViewSourceEditorIsTheQuotedLauncherPath) {
  m.registry.SetText(Root::LocalMachine, std::string(kEditorParent) + "\\Old", "", "x");
  SetUpPage().CB_IE_View.SetChecked(true);
  EXPECT_TRUE(Run(&TfmMAIN::SetVSE));
  EXPECT_EQ(Value(Root::LocalMachine, kEditorKey),
            Data(std::string("\"C:\\Program Files\\表 ソフト\\Tobrin.exe\"")));
  // The old registration went first, with all its keys.
  EXPECT_EQ(m.registry.SubkeyNames(Root::LocalMachine, kEditorParent),
            std::vector<std::string>{"Editor Name"});
  EXPECT_EQ(m.registry.ValueNames(Root::LocalMachine, kEditorKey), std::vector<std::string>{""});
  EXPECT_TRUE(Messages().empty());
}

TEST_F(RegistrationTest, ViewSourceSwitchedOffRemovesTheEditor) {
  m.registry.SetText(Root::LocalMachine, kEditorKey, "", "\"C:\\old\\Tobrin.exe\"");
  EXPECT_TRUE(Run(&TfmMAIN::SetVSE));
  EXPECT_FALSE(m.registry.KeyExists(Root::LocalMachine, kEditorParent));
  EXPECT_TRUE(m.registry.KeyExists(Root::LocalMachine, "SOFTWARE\\Microsoft\\Internet Explorer"));
  // Nothing to remove is no failure.
  EXPECT_TRUE(Run(&TfmMAIN::SetVSE));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(RegistrationTest, ViewSourceRefusals) {
  struct Case {
    const char* what;
    bool switchOn, keyPresent, writesRefused, deletesRefused, ok;
  };
  const Case cases[] = {
      {"write refused", true, false, true, false, false},
      {"delete refused, key present", false, true, false, true, false},
      {"delete refused, switched on", true, true, false, true, false},
      {"delete refused, no key", false, false, false, true, true},
      {"write refused, switched off", false, true, true, false, true},
  };
  for (const Case& c : cases) {
    m.registry.RefuseDeletes(Root::LocalMachine, false);
    m.registry.DeleteTree(Root::LocalMachine, kEditorParent);
    if (c.keyPresent) m.registry.SetText(Root::LocalMachine, kEditorKey, "", "\"old\"");
    m.registry.RefuseWrites(Root::LocalMachine, c.writesRefused);
    m.registry.RefuseDeletes(Root::LocalMachine, c.deletesRefused);
    SetUpPage().CB_IE_View.SetChecked(c.switchOn);
    Messages().clear();
    EXPECT_EQ(Run(&TfmMAIN::SetVSE), c.ok) << c.what;
    EXPECT_EQ(Messages(), c.ok ? std::vector<Message>{}
                               : std::vector<Message>{Error("IEのメニュー登録に失敗しました")})
        << c.what;
  }
}

// --- SetMENU ------------------------------------------------------------------------------

TEST_F(RegistrationTest, ContextMenuEntryNamesTheScriptAndItsContexts) {
  struct Site {
    bool enabled;
    int target;
  };
  struct Case {
    const char* what;
    std::vector<Site> sites;  // slots 0.. in order
    std::uint32_t contexts;
  };
  const Case cases[] = {
      {"no site enabled", {}, 0x10},
      {"enabled on the selection", {{true, 1}, {true, 1}}, 0x10},
      {"one enabled on the page", {{true, 1}, {false, 0}, {true, 0}}, 0x11},
      {"on the page but off", {{false, 0}, {false, 0}}, 0x10},
      {"last slot on the page", {{false, 1}, {false, 1}, {false, 1}, {false, 1}, {true, 0}}, 0x11},
      {"no target chosen", {{true, -1}}, 0x10},
  };
  SetUpPage().CB_IE_Menu.SetChecked(true);
  for (const Case& c : cases) {
    IeSet().BTN_CLSClick();
    IeSet().sites[0].SB_Ie_T.SetItemIndex(1);  // the cleared page's 通常 must not count
    for (std::size_t i = 0; i < c.sites.size(); ++i) {
      IeSet().sites[i].CB_Ie_S.SetChecked(c.sites[i].enabled);
      IeSet().sites[i].SB_Ie_T.SetItemIndex(c.sites[i].target);
    }
    EXPECT_TRUE(Run(&TfmMAIN::SetMENU)) << c.what;
    EXPECT_EQ(Value(Root::CurrentUser, kMenuKey),
              Data(std::string("C:\\Program Files\\表 ソフト\\Tobrin_Menu.html")));
    EXPECT_EQ(Value(Root::CurrentUser, kMenuKey, "contexts"), Data(c.contexts)) << c.what;
  }
  EXPECT_TRUE(Messages().empty());
}

TEST_F(RegistrationTest, ContextMenuSwitchedOffRemovesTheEntryOnly) {
  m.registry.SetText(Root::CurrentUser, std::string(kMenuKey) + "\\Sub", "", "x");
  m.registry.SetText(Root::CurrentUser, "Software\\Microsoft\\Internet Explorer\\MenuExt\\Other",
                     "", "y");
  EXPECT_TRUE(Run(&TfmMAIN::SetMENU));
  EXPECT_FALSE(m.registry.KeyExists(Root::CurrentUser, kMenuKey));
  EXPECT_TRUE(m.registry.KeyExists(Root::CurrentUser,
                                   "Software\\Microsoft\\Internet Explorer\\MenuExt\\Other"));
  EXPECT_TRUE(Messages().empty());
}

// The write failure is owned by the main window; the deletion failure by the foreground
// window; the write is tried whether or not the deletion succeeded.
TEST_F(RegistrationTest, ContextMenuRefusals) {
  struct Case {
    const char* what;
    bool switchOn, writesRefused, deletesRefused;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"write refused", true, true, false, {"IE拡張メニューの登録に失敗しました"}},
      {"delete refused, switched off", false, false, true, {"IE拡張メニューの削除に失敗しました"}},
      {"both refused",
       true,
       true,
       true,
       {"IE拡張メニューの削除に失敗しました", "IE拡張メニューの登録に失敗しました"}},
      {"write refused, switched off", false, true, false, {}},
  };
  for (const Case& c : cases) {
    m.registry.RefuseDeletes(Root::CurrentUser, false);
    m.registry.SetText(Root::CurrentUser, kMenuKey, "", "old");
    m.registry.RefuseWrites(Root::CurrentUser, c.writesRefused);
    m.registry.RefuseDeletes(Root::CurrentUser, c.deletesRefused);
    SetUpPage().CB_IE_Menu.SetChecked(c.switchOn);
    Messages().clear();
    EXPECT_EQ(Run(&TfmMAIN::SetMENU), c.messages.empty()) << c.what;
    std::vector<Message> expected;
    for (const std::string& text : c.messages) {
      expected.push_back(Error(
          text, text == "IE拡張メニューの登録に失敗しました" ? Main().Handle() : kForeground));
    }
    EXPECT_EQ(Messages(), expected) << c.what;
  }
  EXPECT_NE(Main().Handle(), kForeground);
  EXPECT_NE(Main().Handle(), 0u);
}

// --- SetDLL -------------------------------------------------------------------------------

TEST_F(RegistrationTest, ShellExtensionRegistersHandlersAndClass) {
  m.registry.SetText(Root::ClassesRoot, kHandlerKeys[1], "", "{OLD}");
  SetUpPage().CB_SHELL.SetChecked(true);
  EXPECT_TRUE(Run(&TfmMAIN::SetDLL));
  for (const char* key : kHandlerKeys) {
    EXPECT_EQ(Value(Root::ClassesRoot, key), Data(std::string(kClsid))) << key;
  }
  EXPECT_EQ(Value(Root::ClassesRoot, kClassKey),
            Data(std::string("TobrinPlus ContextMenu ShellExtension")));
  EXPECT_EQ(Value(Root::ClassesRoot, kServerKey),
            Data(std::string("C:\\Program Files\\表 ソフト\\TobrinShellEX.dll")));
  EXPECT_EQ(Value(Root::ClassesRoot, kServerKey, "ThreadingModel"), Data(std::string("Apartment")));
  EXPECT_EQ(m.registry.ValueNames(Root::ClassesRoot, kServerKey),
            (std::vector<std::string>{"", "ThreadingModel"}));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(RegistrationTest, ShellExtensionWriteRefused) {
  m.registry.RefuseWrites(Root::ClassesRoot);
  SetUpPage().CB_SHELL.SetChecked(true);
  EXPECT_FALSE(Run(&TfmMAIN::SetDLL));
  EXPECT_EQ(Messages(), std::vector<Message>{Error("DLLの登録に失敗しました")});
  EXPECT_FALSE(m.registry.KeyExists(Root::ClassesRoot, kClassKey));
}

// Removed only when the handler for all files names exactly our class.
TEST_F(RegistrationTest, ShellExtensionIsRemovedOnlyWhenItIsOurs) {
  struct Case {
    const char* what;
    std::optional<std::string> handlerClass;  // nothing: no handler key
    bool removed;
  };
  const Case cases[] = {
      {"ours", std::string(kClsid), true},
      {"lower case", std::string("{3c9b1e70-5a2d-4e86-9f41-b7d2c6a8e015}"), false},
      {"another class", std::string("{00000000-0000-0000-0000-000000000000}"), false},
      {"empty", std::string(), false},
  };
  for (const Case& c : cases) {
    for (const char* key : {kHandlerKeys[0], kHandlerKeys[1], kHandlerKeys[2], kClassKey}) {
      m.registry.DeleteTree(Root::ClassesRoot, key);
    }
    InstallShellExtension(c.handlerClass.value_or(""));
    Messages().clear();
    EXPECT_TRUE(Run(&TfmMAIN::SetDLL)) << c.what;
    EXPECT_EQ(ShellExtensionPresent(), !c.removed) << c.what;
    EXPECT_EQ(m.registry.KeyExists(Root::ClassesRoot, kClassKey), !c.removed) << c.what;
    EXPECT_TRUE(m.registry.KeyExists(Root::ClassesRoot, "Directory\\shellex")) << c.what;
    EXPECT_TRUE(Messages().empty()) << c.what;
  }
}

TEST_F(RegistrationTest, ShellExtensionMissingHandlerLeavesTheRestAlone) {
  m.registry.SetText(Root::ClassesRoot, kHandlerKeys[2], "", kClsid);
  m.registry.SetText(Root::ClassesRoot, kClassKey, "", "TobrinPlus ContextMenu ShellExtension");
  EXPECT_TRUE(Run(&TfmMAIN::SetDLL));
  EXPECT_TRUE(m.registry.KeyExists(Root::ClassesRoot, kHandlerKeys[2]));
  EXPECT_TRUE(m.registry.KeyExists(Root::ClassesRoot, kClassKey));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(RegistrationTest, ShellExtensionRemovalFailures) {
  struct Case {
    const char* what;
    bool handlerNotText, deletesRefused;
  };
  const Case cases[] = {
      {"handler value is no text", true, false},
      {"deletion refused", false, true},
  };
  for (const Case& c : cases) {
    m.registry.RefuseDeletes(Root::ClassesRoot, false);
    InstallShellExtension(kClsid);
    if (c.handlerNotText) {
      m.registry.SetBytes(Root::ClassesRoot, kHandlerKeys[0], "", {0x7B, 0x33});
    }
    m.registry.RefuseDeletes(Root::ClassesRoot, c.deletesRefused);
    Messages().clear();
    EXPECT_FALSE(Run(&TfmMAIN::SetDLL)) << c.what;
    EXPECT_EQ(Messages(), std::vector<Message>{Error("DLLの解除に失敗しました")}) << c.what;
    EXPECT_TRUE(m.registry.KeyExists(Root::ClassesRoot, kClassKey)) << c.what;
  }
}
