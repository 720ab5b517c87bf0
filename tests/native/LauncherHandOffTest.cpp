// The hand-off file of the context-menu script and the start of the menu mode.
#include <string>
#include <vector>

#include "LauncherTestFixture.h"
#include "launcher/HandOffFile.h"

TEST(HandOffFile, FieldsAfterLineBreaksBecomeCrLf) {
  using Fields = std::vector<std::string>;
  struct Case { std::string bytes; Fields fields; };
  const Case cases[] = {
      {"", {}},
      {"a<DELIMITER>h<DELIMITER><DELIMITER>", {"a", "h", "", "\r\n"}},
      {"a<DELIMITER>h<DELIMITER>x<DELIMITER>y", {"a", "h", "x", "y\r\n"}},
      {"a<DELIMITER>h<DELIMITER>x\ny\n<DELIMITER>p\nq", {"a", "h", "x\r\ny\r\n", "p\r\nq\r\n"}},
      {"a<DELIMITER>h<DELIMITER>x\ry<DELIMITER>p\n\rq", {"a", "h", "x\r\ny", "p\r\n\r\nq\r\n"}},
      {"a<DELIMITER>h<DELIMITER>x", {"a", "h", "x\r\n"}},
      {"a<DELIMITER>h<DELIMITER>x<DELIMITER>y<DELIMITER>z", {"a", "h", "x", "y", "z\r\n"}},
      // A zero byte ends the text.
      {"a<DELIMITER>h<DELIMITER>x<DELIMITER>y" + std::string(1, '\0') + "<DELIMITER>z",
       {"a", "h", "x", "y\r\n"}},
      // A lead byte cut off at the end stays as it is.
      {"a<DELIMITER>h<DELIMITER>x<DELIMITER>\x82", {"a", "h", "x", "\x82\r\n"}},
      // Double-byte characters beside the delimiter stay whole.
      {"表<DELIMITER>ソ<DELIMITER>あ<DELIMITER>い", {"表", "ソ", "あ", "い\r\n"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitHandOff(c.bytes), c.fields) << c.bytes;
}

TEST(HandOffFile, MissingFieldsAreTakenAsEmpty) {
  const HandOffValues values = HandOffValuesOf({"a", "h"});
  EXPECT_EQ(values.pageAddress, "a");
  EXPECT_EQ(values.hostName, "h");
  EXPECT_EQ(values.selectionHtml, "");
  EXPECT_EQ(values.selectionText, "");
}

class MenuStartTest : public LauncherTest {};

TEST_F(MenuStartTest, OnlyAFileOfFourFieldsStartsTheMenu) {
  struct Case { std::string bytes; bool starts; };
  const Case cases[] = {
      {"", false},
      {"a<DELIMITER>h<DELIMITER>", false},
      {"a<DELIMITER>h<DELIMITER><DELIMITER>", true},
      {"a<DELIMITER>h<DELIMITER>s<DELIMITER>t\n", true},
      {"a<DELIMITER>h<DELIMITER>s <DELIMITER> s<DELIMITER>t", false},
      {std::string(1, '\0') + "<DELIMITER>h<DELIMITER>s<DELIMITER>t", false},
      {std::string("\xFF\xFE\x00\x01", 4) + "<DELIMITER>\x82", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    m.ui.messages.clear();
    m.application.runForms.clear();
    WriteHandOff(c.bytes);
    EXPECT_EQ(Run({}), 0);
    if (c.starts) {
      EXPECT_EQ(m.application.runForms, std::vector<std::string>{"fmIE_Menu"});
      EXPECT_EQ(m.application.Title(), "トブリン＋");
    } else {
      EXPECT_TRUE(m.application.runForms.empty());
      EXPECT_EQ(m.ui.messages, std::vector<Message>{Error(kDesktop, "パラメータが不正です")});
    }
  }
}

TEST_F(MenuStartTest, MissingFileWarnsWhateverTheArguments) {
  const std::vector<std::string> argumentLists[] = {{}, {"a", "b"}, {"a", "b", "c"}};
  for (const auto& arguments : argumentLists) {
    m.ui.messages.clear();
    EXPECT_EQ(Run(arguments), 0);
    EXPECT_EQ(m.ui.messages,
              std::vector<Message>{Warning(kForeground, "テンポラリファイルが存在しません")});
    EXPECT_TRUE(m.application.runForms.empty());
  }
}

TEST_F(MenuStartTest, AFolderNamedLikeTheFileIsNoHandOffFile) {
  m.files.AddFolder(kHandOffPath);
  Run({});
  EXPECT_EQ(m.ui.messages,
            std::vector<Message>{Warning(kForeground, "テンポラリファイルが存在しません")});
}

TEST_F(MenuStartTest, AHugeSelectionIsReadWhole) {
  std::string text;
  for (int i = 0; i < (1 << 20); ++i) text += "表示\n";  // 5 MiB, 1 Mi lines
  WriteSettings({"[CHK]", "CHK_IE_Menu=1", "CHK_IE_Sel=1"});
  WriteHandOff("a", "www.example.com", "<b>x</b>", text);
  m.popupMenu.choice = 1;
  Run({});
  const auto written = m.files.Read(std::string(kTemp) + "~example");
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(written->size(), text.size() + (1 << 20));
}
