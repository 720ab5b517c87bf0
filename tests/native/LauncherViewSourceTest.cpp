// View-source mode: the launcher started with one page file.
#include <string>
#include <vector>

#include "LauncherTestFixture.h"
#include "launcher/ViewSource.h"
#include "launcher/ViewerSettings.h"

namespace {

constexpr const char* kCache = "C:\\Users\\taro\\Temporary Internet Files";
constexpr const char* kCachedPage =
    "C:\\Users\\taro\\Temporary Internet Files\\Content.IE5\\AB12\\index[1].htm";
constexpr const char* kLocalPage = "D:\\site\\page[1].htm";
constexpr const char* kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

}  // namespace

TEST(ViewerParameters, OptionsGoBeforeTheQuotedPathWhichIsNeverCut) {
  const std::string longPath = "C:\\" + std::string(300, 'a') + "\\表.htm";
  struct Case { std::string options, path, parameters; };
  const Case cases[] = {
      {"", "C:\\a b\\x.htm", "\"C:\\a b\\x.htm\""},
      {"-n -r", "C:\\a b\\x.htm", " -n -r \"C:\\a b\\x.htm\""},
      {"", longPath, "\"" + longPath + "\""},
      {"/x", longPath, " /x \"" + longPath + "\""},
      {"", "", "\"\""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BuildViewerParameters(c.options, c.path), c.parameters) << c.options << c.path;
  }
}

class ViewSourceTest : public LauncherTest {
 protected:
  ViewSourceTest() {
    m.registry.SetText(platform::RegistryRoot::CurrentUser, kShellFolders, "Cache", kCache);
    m.files.AddFile(kCachedPage, "<html>cached</html>");
    m.files.AddFile(kLocalPage, "<html>local</html>");
  }

  // Settings with the viewer slot 1 set up and slots 0 and 2 holding other viewers.
  void WriteViewer(const std::string& chkIe, const std::string& options,
                   const std::string& extension) {
    WriteSettings({"[CHK]", "CHK_IE=" + chkIe, "[EDIT]",
                   "IE_View_E[0]=C:\\zero.exe", "IE_View_O[0]=-zero", "IE_View_T[0]=zero",
                   "IE_View_E[1]=C:\\Tools\\viewer.exe", "IE_View_O[1]=" + options,
                   "IE_View_T[1]=" + extension,
                   "IE_View_E[2]=C:\\two.exe", "IE_View_O[2]=-two", "IE_View_T[2]=two"});
  }
};

TEST_F(ViewSourceTest, OpensThePageOrAFreshCopyInTheTemporaryFolder) {
  const std::string temp = kTemp;
  struct Case {
    std::string page, options, extension;
    std::string openPath;  // empty: the page itself
  };
  const Case cases[] = {
      {kLocalPage, "", "", ""},
      {kLocalPage, "-r", "", ""},
      {kLocalPage, "", "html", temp + "~page[1].htm.html"},
      {kCachedPage, "", "", temp + "~index[1].htm"},
      {kCachedPage, "-r", "txt", temp + "~index[1].htm.txt"},
      // The cache folder must occur with its letter case.
      {"c:\\users\\taro\\temporary internet files\\x.htm", "", "", ""},
      // An extension that would name a folder is made harmless.
      {kLocalPage, "", "..\\..\\x", temp + "~page[1].htm..._.._x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.page + " " + c.options + " " + c.extension);
    m.files.AddFile("c:\\users\\taro\\temporary internet files\\x.htm", "x");
    m.shell.executions.clear();
    WriteViewer("1", c.options, c.extension);
    EXPECT_EQ(Run({c.page}), 0);
    const std::string openPath = c.openPath.empty() ? c.page : c.openPath;
    const std::string parameters =
        (c.options.empty() ? "" : " " + c.options + " ") + "\"" + openPath + "\"";
    EXPECT_EQ(m.shell.executions,
              std::vector<Execution>{Open("C:\\Tools\\viewer.exe", parameters)});
    if (!c.openPath.empty()) {
      EXPECT_EQ(m.files.Read(c.openPath), m.files.Read(c.page));
    }
    EXPECT_TRUE(m.ui.messages.empty());
    EXPECT_EQ(m.ui.processMessagesCount, 1);
    m.ui.processMessagesCount = 0;
  }
}

TEST_F(ViewSourceTest, ACopyReplacesAnOlderCopyOfTheSameName) {
  m.files.AddFile(std::string(kTemp) + "~index[1].htm", "older page");
  WriteViewer("1", "", "");
  Run({kCachedPage});
  EXPECT_EQ(m.files.Read(std::string(kTemp) + "~index[1].htm"), "<html>cached</html>");
}

TEST_F(ViewSourceTest, AFailedCopyOpensThePageItselfNotAStaleCopy) {
  const std::string copy = std::string(kTemp) + "~index[1].htm";
  m.files.AddFile(copy, "another page");
  m.files.RefuseWrites(copy);
  WriteViewer("1", "", "");
  Run({kCachedPage});
  EXPECT_EQ(m.shell.executions,
            std::vector<Execution>{Open("C:\\Tools\\viewer.exe",
                                        std::string("\"") + kCachedPage + "\"")});
}

TEST_F(ViewSourceTest, WithoutATemporaryFolderThePageItselfIsOpened) {
  m.folders.SetKernelTempPath("");
  WriteViewer("1", "", "txt");
  const int writesBefore = m.files.WriteCount();
  Run({kCachedPage});
  EXPECT_EQ(m.shell.executions,
            std::vector<Execution>{Open("C:\\Tools\\viewer.exe",
                                        std::string("\"") + kCachedPage + "\"")});
  EXPECT_EQ(m.files.WriteCount(), writesBefore);
}

TEST_F(ViewSourceTest, AMissingPageIsHandedOnAsItIs) {
  const std::string missing = "C:\\nowhere\\ページ" + std::string(300, 'x') + ".htm";
  WriteViewer("1", "", "");
  Run({missing});
  EXPECT_EQ(m.shell.executions,
            std::vector<Execution>{Open("C:\\Tools\\viewer.exe", "\"" + missing + "\"")});
  WriteViewer("1", "", "txt");
  m.shell.executions.clear();
  Run({missing});  // the copy fails: the viewer still gets the page path
  EXPECT_EQ(m.shell.executions,
            std::vector<Execution>{Open("C:\\Tools\\viewer.exe", "\"" + missing + "\"")});
  EXPECT_TRUE(m.ui.messages.empty());
}

TEST_F(ViewSourceTest, ChkIeSelectsTheSlotAndFallsBackToTheFirst) {
  struct Case { std::string chkIe, executable, parameters; };
  const std::string zeroCopy = std::string(kTemp) + "~page[1].htm.zero";
  const Case cases[] = {
      {"0", "C:\\zero.exe", " -zero \"" + zeroCopy + "\""},
      {"1", "C:\\Tools\\viewer.exe", std::string("\"") + kLocalPage + "\""},
      {"2", "C:\\two.exe", " -two \"" + std::string(kTemp) + "~page[1].htm.two\""},
      {"3", "C:\\zero.exe", " -zero \"" + zeroCopy + "\""},
      {"-1", "C:\\zero.exe", " -zero \"" + zeroCopy + "\""},
      {"2147483647", "C:\\zero.exe", " -zero \"" + zeroCopy + "\""},
      {"abc", "C:\\zero.exe", " -zero \"" + zeroCopy + "\""},
  };
  for (const Case& c : cases) {
    m.shell.executions.clear();
    WriteViewer(c.chkIe, "", "");
    Run({kLocalPage});
    EXPECT_EQ(m.shell.executions, std::vector<Execution>{Open(c.executable, c.parameters)})
        << c.chkIe;
  }
}

TEST_F(ViewSourceTest, MissingSettingsFileWarnsAndStartsNothing) {
  EXPECT_EQ(Run({kLocalPage}), 0);
  EXPECT_EQ(m.ui.messages,
            std::vector<Message>{Warning(kForeground, "設定ファイルが存在しません")});
  EXPECT_TRUE(m.shell.executions.empty());
}

TEST_F(ViewSourceTest, EmptyOrDamagedSettingsGiveTheEmptyViewerOfSlotZero) {
  const std::string damaged[] = {"", std::string("\0\xFF[CHK\r\n=\x81", 10),
                                 std::string(100000, '[')};
  for (const std::string& bytes : damaged) {
    m.files.AddFile(kSettingsPath, bytes);
    m.shell.executions.clear();
    Run({kLocalPage});
    EXPECT_EQ(m.shell.executions, std::vector<Execution>{Open("", std::string("\"") +
                                                                      kLocalPage + "\"")});
  }
}

TEST_F(ViewSourceTest, OnlyResultTwoOfTheShellIsReported) {
  WriteViewer("1", "", "");
  struct Case { int result; std::vector<Message> messages; };
  const Case cases[] = {
      {2, {Error(kDesktop, "ファイルが見つかりません")}},
      {3, {}},
      {0, {}},
      {42, {}},
  };
  for (const Case& c : cases) {
    m.ui.messages.clear();
    m.shell.scriptedResults = {c.result};
    EXPECT_EQ(Run({kLocalPage}), 0);
    EXPECT_EQ(m.ui.messages, c.messages) << c.result;
  }
}

TEST_F(ViewSourceTest, NoCacheFolderValueMeansNoCopyWithoutExtension) {
  m.registry.SetText(platform::RegistryRoot::CurrentUser, kShellFolders, "Cache", "");
  WriteViewer("1", "", "");
  Run({kCachedPage});
  EXPECT_EQ(m.shell.executions.at(0).parameters, std::string("\"") + kCachedPage + "\"");
}

TEST_F(ViewSourceTest, TwoArgumentsTakeTheMenuMode) {
  WriteViewer("1", "", "");
  Run({kLocalPage, kLocalPage});
  EXPECT_TRUE(m.shell.executions.empty());
  EXPECT_EQ(m.ui.messages,
            std::vector<Message>{Warning(kForeground, "テンポラリファイルが存在しません")});
}
