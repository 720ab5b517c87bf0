// Settings files travel between our reader and writer and Windows' own profile functions
// (GetPrivateProfileStringA / WritePrivateProfileStringA, code page 932): each reads what
// the other wrote.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "ScratchFolder.h"
#include "platform/win32/Win32FileSystem.h"
#include "shared/TIniGT.h"

namespace {

using platform::win32::Win32FileSystem;

// Values as the settings program writes them, and what Windows' reader gives back for each.
// Windows drops one pair of enclosing quotes and the blanks around a value; ours keeps every
// byte, which is what reading back our own file needs.
struct ValueCase {
  const char* key;
  std::string value;
  std::string windowsReads;
};

const ValueCase kValues[] = {
    {"CHK_IE", "2", "2"},
    {"IE_Set_T[0]", "-1", "-1"},
    {"IE_View_E[0]", "C:\\Program Files\\秀丸\\Hidemaru.exe", "C:\\Program Files\\秀丸\\Hidemaru.exe"},
    {"IE_Set_N[1]", "トブリン＋表示ソ", "トブリン＋表示ソ"},  // second bytes 0x5C
    {"IE_Set_U[2]", "http://example.jp/?q=", "http://example.jp/?q="},
    {"IE_View_O[1]", "a<DELIMITER>b<DELIMITER>", "a<DELIMITER>b<DELIMITER>"},
    {"IE_View_O[2]", "-e \"%s\" -x", "-e \"%s\" -x"},
    {"IE_Set_N[3]", "say \"表\"", "say \"表\""},
    {"EXP_View_N[0]", "", ""},
    {"EXP_View_O[0]", "\"C:\\a b\\c.exe\"", "C:\\a b\\c.exe"},
    {"EXP_View_O[1]", "  padded  ", "padded"},
};

// Windows' writer drops the blanks around a value, so such a value is only written by ours.
bool HasBlanksAround(const std::string& value) {
  return !value.empty() && (value.front() == ' ' || value.back() == ' ');
}

class IniInteropTest : public ::testing::Test {
 protected:
  IniInteropTest() : ini(files, folder.Path() + "設定表\\", "TobrinPlus.ini") {
    CreateDirectoryW(folder.At(L"設定表").c_str(), nullptr);
  }

  std::string WindowsReads(const char* section, const char* key) const {
    char buffer[4096];
    const DWORD length = GetPrivateProfileStringA(section, key, "<default>", buffer,
                                                  sizeof buffer, ini.FilePath().c_str());
    return std::string(buffer, length);
  }
  void WindowsWrites(const char* section, const char* key, const std::string& value) const {
    ASSERT_TRUE(WritePrivateProfileStringA(section, key, value.c_str(), ini.FilePath().c_str()));
    // Windows may keep the file in a cache of its own: write it out now.
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.FilePath().c_str());
  }

  scratch::Folder folder;
  Win32FileSystem files;
  TIniGT ini;
};

TEST_F(IniInteropTest, WindowsReadsWhatWeWrite) {
  for (const ValueCase& c : kValues) ini.WriteString("EDIT", c.key, c.value);
  ini.WriteInteger("CHK", "CHK_IE_Sel", 1);

  for (const ValueCase& c : kValues) {
    SCOPED_TRACE(c.key);
    EXPECT_EQ(WindowsReads("EDIT", c.key), c.windowsReads);
    EXPECT_EQ(ini.ReadString("EDIT", c.key, "<default>"), c.value);
  }
  // Names match in any letter case, the file's name included.
  EXPECT_EQ(WindowsReads("chk", "Chk_IE_Sel"), "1");
  char buffer[64];
  GetPrivateProfileStringA("Chk", "CHK_IE_SEL", "", buffer, sizeof buffer,
                           (folder.Path() + "設定表\\Tobrinplus.ini").c_str());
  EXPECT_STREQ(buffer, "1");
  EXPECT_EQ(WindowsReads("EDIT", "NoSuchKey"), "<default>");
}

TEST_F(IniInteropTest, WeReadWhatWindowsWrites) {
  for (const ValueCase& c : kValues) {
    if (!HasBlanksAround(c.value)) WindowsWrites("EDIT", c.key, c.value);
  }
  WindowsWrites("CHK", "CHK_IE", "2");

  for (const ValueCase& c : kValues) {
    if (HasBlanksAround(c.value)) continue;
    SCOPED_TRACE(c.key);
    EXPECT_EQ(ini.ReadString("EDIT", c.key, "<default>"), c.value);
  }
  // The settings program writes CHK_IE, the launcher asks for Chk_IE.
  EXPECT_EQ(ini.ReadInteger("Chk", "Chk_IE", 0), 2);
  EXPECT_EQ(ini.ReadString("edit", "ie_set_n[1]", ""), "トブリン＋表示ソ");
}

TEST_F(IniInteropTest, EachSideChangesTheOthersFileInPlace) {
  WindowsWrites("CHK", "CHK_IE", "0");
  WindowsWrites("EDIT", "IE_View_E[0]", "first.exe");
  ini.WriteString("Edit", "ie_view_e[0]", "秀丸.exe");  // replaces Windows' entry
  ini.WriteString("FORM", "Form.X", "220");
  WindowsWrites("CHK", "CHK_IE", "1");                  // replaces in our file
  WindowsWrites("EDIT", "IE_Set_N[0]", "検索表");

  EXPECT_EQ(WindowsReads("EDIT", "IE_View_E[0]"), "秀丸.exe");
  EXPECT_EQ(WindowsReads("form", "form.x"), "220");
  EXPECT_EQ(ini.ReadInteger("CHK", "CHK_IE", -1), 1);
  EXPECT_EQ(ini.ReadString("EDIT", "IE_Set_N[0]", ""), "検索表");
  EXPECT_EQ(ini.ReadString("EDIT", "IE_View_E[0]", ""), "秀丸.exe");

  // One entry per key, whichever side wrote last.
  const std::string file = scratch::ReadRaw(folder.At(L"設定表\\TobrinPlus.ini"));
  EXPECT_EQ(file.find("IE_View_E[0]="), file.rfind("IE_View_E[0]=")) << file;
  EXPECT_EQ(file.find("ie_view_e[0]="), std::string::npos) << file;
}

}  // namespace
