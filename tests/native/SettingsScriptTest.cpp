// The context-menu script Tobrin_Menu.html, byte for byte.
#include <string>
#include <vector>

#include "ByteText.h"
#include "SettingsTestFixture.h"
#include "settings/ContextMenuScript.h"

namespace {

// The script as Internet Explorer must get it, for the two lines that depend on the machine.
std::string ExpectedScript(const std::string& line19, const std::string& line25) {
  const std::vector<std::string> lines{
      "<HTML>",
      "<HEAD>",
      R"(<META http-equiv="Content-Type" content="text/html; charset=Shift_JIS">)",
      "</HEAD>",
      R"(<SCRIPT LANGUAGE="JavaScript">)",
      "//<!--",
      "var obj = external.menuArguments;",
      "var objSel = obj.document.selection.createRange();",
      "var objHref = obj.location.href;",
      "var objHost = obj.location.hostname;",
      "var selHtml = objSel.htmlText;",
      "var selText = objSel.text;",
      "",
      R"(var prm = escape(objHref) + "<DELIMITER>";)",
      R"(prm = prm + objHost + "<DELIMITER>";)",
      R"(prm = prm + selHtml + "<DELIMITER>";)",
      "prm = prm + selText;",
      "",
      line19,
      R"(var fs = new ActiveXObject("Scripting.FileSystemObject");)",
      "var stream = fs.CreateTextFile(tmpPath, true);",
      "stream.Write(prm);",
      "stream.Close();",
      "",
      line25,
      R"(var WSHShell = new ActiveXObject("WScript.Shell");)",
      "var Return = WSHShell.Run(exePath, 1, true);",
      "//-->",
      "</SCRIPT>",
      "</HTML>",
  };
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace

TEST(DoubleBackslashes, OnlyRealBackslashesAreDoubled) {
  struct Case {
    std::string path, doubled;
  };
  const Case cases[] = {
      {"", ""},
      {"C:\\", "C:\\\\"},
      {"\\\\server\\share\\", "\\\\\\\\server\\\\share\\\\"},
      {"C:\\表\\", "C:\\\\表\\\\"},    // 表 is 95 5C
      {"C:\\ソフト", "C:\\\\ソフト"},  // ソ is 83 5C
      {"―\\", "―\\\\"},                // ― is 81 5C
      {"C:\\a b\\", "C:\\\\a b\\\\"},
      {"C:\\\x95", "C:\\\\\x95"},  // a lead byte at the very end
      {"ｱ\\", "ｱ\\\\"},            // a single-byte kana
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DoubleBackslashes(c.path), c.doubled) << bytetext::ToHex(c.path);
  }
  EXPECT_EQ(bytetext::ToHex(DoubleBackslashes("表\\")), "95 5C 5C 5C");
}

TEST(ContextMenuScript, ThirtyLinesWithOnlyTheTwoPathsDependingOnTheMachine) {
  const std::string script = BuildContextMenuScript("C:\\Temp\\", "C:\\Program Files\\表 ソフト\\");
  EXPECT_EQ(script,
            ExpectedScript(R"(var tmpPath = "C:\\Temp\\Tobrin_Menu.tmp";)",
                           R"(var exePath = "\"C:\\Program Files\\表 ソフト\\Tobrin.exe\"";)"));
  for (const auto& folders : {std::pair<std::string, std::string>{"", ""},
                              {"D:\\" + std::string(1000, 'x') + "\\", "\\\\srv\\share\\"}}) {
    const std::string text = BuildContextMenuScript(folders.first, folders.second);
    std::size_t lineEnds = 0;
    for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2) {
      ++lineEnds;
    }
    EXPECT_EQ(lineEnds, 30u);
    EXPECT_EQ(text.substr(text.size() - 9), "</HTML>\r\n");
  }
}

// Every apply writes the script into the program folder with the user's temporary folder in
// its long form; the folders here hold blanks and a character whose second byte is 5C.
TEST_F(SettingsTest, ApplyWritesTheScriptForThisMachine) {
  const std::string folder = "C:\\Program Files\\表 ソフト\\";
  InstallIn(folder);
  m.files.AddFolder("C:\\Users\\表示 太郎\\AppData\\Local\\Temp");
  m.files.AddShortName("C:\\Users\\表示 太郎", "A5C~1");
  m.folders.SetKernelTempPath("C:\\Users\\A5C~1\\AppData\\Local\\Temp");
  Start();
  Apply();
  const std::string expected = ExpectedScript(
      R"(var tmpPath = "C:\\Users\\表示 太郎\\AppData\\Local\\Temp\\Tobrin_Menu.tmp";)",
      R"(var exePath = "\"C:\\Program Files\\表 ソフト\\Tobrin.exe\"";)");
  EXPECT_EQ(m.files.Read(folder + "Tobrin_Menu.html"), expected);
  // Whatever the sites hold, the next apply writes the same script again.
  IeSet().sites[0].CB_Ie_S.SetChecked(true);
  IeSet().sites[0].TB_Ie_U.SetText("http://例.jp/?q=\\\"");
  m.files.AddFile(folder + "Tobrin_Menu.html", "old");
  Apply();
  EXPECT_EQ(m.files.Read(folder + "Tobrin_Menu.html"), expected);
  EXPECT_EQ(Messages(), (std::vector<Message>{Info("設定しました"), Info("設定しました")}));
}

// A read-only program folder: the first write already fails, is reported, and nothing of the
// apply happens.
TEST_F(SettingsTest, ReadOnlyProgramFolderReportsTheFirstWriteAndStops) {
  m.files.RefuseWrites(kProgramFolder);
  Start();
  SetUpPage().BTN_CHKClick();
  Apply();
  EXPECT_EQ(m.application.reportedErrors,
            std::vector<std::string>{std::string(kSettingsPath) + " に書き込めません"});
  EXPECT_FALSE(m.files.FileExists(kSettingsPath));
  EXPECT_FALSE(m.files.FileExists(kScriptPath));
  EXPECT_TRUE(m.registry.SubkeyNames(Root::LocalMachine, "").empty());
  EXPECT_TRUE(Messages().empty());
}
