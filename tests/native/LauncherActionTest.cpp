// The actions behind the popup menu's entries.
#include <string>
#include <vector>

#include "LauncherTestFixture.h"
#include "launcher/SelectionFileName.h"

TEST(SelectionFileName, HostGivesTheBaseAndTheExtensionFollows) {
  struct Case { std::string host, extension, name; };
  const Case cases[] = {
      {"a.b.c", "txt", "~a.txt"},
      {"www.b.c", "txt", "~b.txt"},
      {"www.b.c", "", "~b"},
      {"b.c", "", "~b"},
      {"WWW.b.c", "htm", "~WWW.htm"},
      {"localhost", "", "~localhost"},
      {"日本.jp", "txt", "~日本.txt"},
      {"表ソ.jp", "", "~表ソ"},  // second bytes 0x5C are no backslash
      // No usable label: a fixed name in the temporary folder.
      {"", "txt", "~selection.txt"},
      {"www", "", "~selection"},
      {"www.", "", "~selection"},
      {"...", "", "~selection"},
      {".b.c", "", "~selection"},
      {"[::1]", "txt", "~selection.txt"},
      // Characters that cannot stand in a file name never lead elsewhere.
      {"evil\\..\\..\\x.com", "", "~evil_"},
      {"C:\\x", "", "~C__x"},
      {"a:b*c?d\"e<f>g|h/i", "", "~a_b_c_d_e_f_g_h_i"},
      {std::string("a\r\nb\0c", 6), "", "~a__b_c"},
      {"a\x81", "", "~a_"},          // a lead byte cut off at the end
      {"a\x81\x0A" "b", "", "~a__b"},  // a lead byte before a byte that cannot follow it
      {"a.b", "t/x", "~a.t_x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SelectionFileName(c.host, c.extension), c.name) << c.host << " " << c.extension;
  }
}

class MenuActionTest : public LauncherTest {
 protected:
  // Viewer slot 2 selected; site 0 takes the page, site 1 the selection in UTF-8.
  void WriteMenuSettings(const std::string& options, const std::string& extension) {
    WriteSettings({"[CHK]", "Chk_IE=2", "CHK_IE_Menu=1", "CHK_IE_Sel=1", "CHK_IE_Web=1",
                   "Chk_IE_Set_S[0]=1", "Chk_IE_Set_S[1]=1", "[EDIT]",
                   "IE_View_E[0]=C:\\zero.exe", "IE_View_T[0]=zero",
                   "IE_View_E[2]=C:\\Tools\\viewer.exe", "IE_View_O[2]=" + options,
                   "IE_View_T[2]=" + extension,
                   "IE_Set_U[0]=http://page/?u=", "IE_Set_T[0]=0", "IE_Set_N[0]=page",
                   "IE_Set_U[1]=http://sel/?q=", "IE_Set_T[1]=1", "IE_Set_E[1]=2",
                   "IE_Set_N[1]=sel"});
  }

  void Choose(int position) {
    m.popupMenu.choice = position;
    m.application.losesActivation = false;
    EXPECT_EQ(Run({}), 0);
  }

  std::optional<std::string> TempFile(const std::string& name) {
    return m.files.Read(std::string(kTemp) + name);
  }
};

TEST_F(MenuActionTest, SelectionEntriesWriteTheFileAndOpenItInTheViewer) {
  // Bytes 85 40 are no character of code page 932 and must reach the file unchanged.
  const std::string html = "<p>表\n示</p>\r";
  const std::string text = "表\n示\x85\x40";
  struct Case { int position; std::string options, extension, file, content, parameters; };
  const std::string temp = kTemp;
  const Case cases[] = {
      {0, "", "htm", "~b.htm", "<p>表\r\n示</p>\r\n", "\"" + temp + "~b.htm\""},
      {1, "", "htm", "~b.htm", "表\r\n示\x85\x40\r\n", "\"" + temp + "~b.htm\""},
      {1, "-e utf8", "", "~b", "表\r\n示\x85\x40\r\n", " -e utf8 \"" + temp + "~b\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.position);
    m.shell.executions.clear();
    WriteMenuSettings(c.options, c.extension);
    WriteHandOff("http%3A//www.b.c/", "www.b.c", html, text);
    Choose(c.position);
    EXPECT_EQ(TempFile(c.file), c.content);
    EXPECT_EQ(m.shell.executions,
              std::vector<Execution>{Open("C:\\Tools\\viewer.exe", c.parameters)});
    EXPECT_TRUE(Terminated());
    EXPECT_TRUE(m.ui.messages.empty());
    EXPECT_TRUE(m.application.reportedErrors.empty());
  }
}

TEST_F(MenuActionTest, EmptySelectionTextIsWrittenAsOneLineEnd) {
  WriteMenuSettings("", "txt");
  WriteHandOff("a", "b.c", "<br>", "");
  Choose(1);
  EXPECT_EQ(TempFile("~b.txt"), "\r\n");
}

TEST_F(MenuActionTest, SiteEntriesOpenTheirAddressWithoutParameters) {
  struct Case { std::string html, text; int position; std::string address; };
  const Case cases[] = {
      {"", "", 3, "http://page/?u=http%3A//www.b.c/%u8868"},
      {"<b>", "a b\n", 4, "http://sel/?q=a+b%0D%0A"},
  };
  for (const Case& c : cases) {
    m.shell.executions.clear();
    WriteMenuSettings("", "");
    WriteHandOff("http%3A//www.b.c/%u8868", "www.b.c", c.html, c.text);
    Choose(c.position);
    EXPECT_EQ(m.shell.executions, std::vector<Execution>{Open(c.address, "")});
    EXPECT_TRUE(Terminated());
    EXPECT_EQ(m.ui.processMessagesCount, 1);
    m.ui.processMessagesCount = 0;
  }
}

TEST_F(MenuActionTest, ResultTwoIsReportedAndTheProgramEnds) {
  struct Case { std::string html; int position; std::string message; };
  const Case cases[] = {
      {"<b>", 0, "ファイルが見つかりません"},
      {"<b>", 1, "ファイルが見つかりません"},
      {"", 3, "ページが見つかりません"},
      {"<b>", 4, "ページが見つかりません"},
  };
  for (const Case& c : cases) {
    m.ui.messages.clear();
    m.shell.scriptedResults = {2};
    WriteMenuSettings("", "");
    WriteHandOff("a", "b.c", c.html, "t");
    Choose(c.position);
    EXPECT_EQ(m.ui.messages, std::vector<Message>{Error(kDesktop, c.message)}) << c.position;
    EXPECT_TRUE(Terminated());
  }
}

TEST_F(MenuActionTest, AFileThatCannotBeWrittenStopsTheActionUntilDeactivation) {
  WriteMenuSettings("", "txt");
  WriteHandOff("a", "b.c", "<b>", "t");
  m.files.RefuseWrites(std::string(kTemp) + "~b.txt");
  m.popupMenu.choice = 0;
  m.application.losesActivation = false;
  Run({});
  EXPECT_EQ(m.application.reportedErrors,
            std::vector<std::string>{std::string(kTemp) + "~b.txt に書き込めません"});
  EXPECT_TRUE(m.shell.executions.empty());
  EXPECT_FALSE(Terminated());

  m.application.reportedErrors.clear();
  m.application.losesActivation = true;
  Run({});
  EXPECT_EQ(m.application.reportedErrors.size(), 1u);
  EXPECT_TRUE(Terminated());
}

TEST_F(MenuActionTest, ALaterSelectionReplacesTheEarlierFile) {
  WriteMenuSettings("", "txt");
  WriteHandOff("a", "www.b.c", "<b>source</b>", "text");
  Choose(0);
  EXPECT_EQ(TempFile("~b.txt"), "<b>source</b>\r\n");
  Choose(1);
  EXPECT_EQ(TempFile("~b.txt"), "text\r\n");
}

TEST_F(MenuActionTest, NothingIsWrittenOutsideTheTemporaryFolder) {
  const std::string hosts[] = {"..", "..\\..\\x", "C:\\Windows\\win", "a/../../b", "[::1]",
                               "\\\\server\\share\\x", std::string(1, '\0')};
  for (const std::string& host : hosts) {
    WriteMenuSettings("", "..\\..\\ini");
    WriteHandOff("a", host, "<b>", "t");
    Choose(1);
  }
  for (const std::string& file : m.files.AllFiles()) {
    const bool inTemp = file.rfind(kTemp, 0) == 0;
    const bool setUp = file == kSettingsPath || file == std::string(kProgramFolder) + "Tobrin.exe";
    EXPECT_TRUE(inTemp || setUp) << file;
  }
}
