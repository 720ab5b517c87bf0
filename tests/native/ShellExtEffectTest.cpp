// What the Explorer component's commands do with the selection: clipboard texts and program
// starts, and the path pieces they are made of.
#include "shellext/CommandEffect.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "platform/memory/MemoryCodePage.h"

namespace {

const platform::memory::MemoryCodePage kCodePage;
const SystemPrograms kPrograms = {u"C:\\Windows\\system32\\cmd.exe", u"C:\\Windows\\explorer.exe"};
const std::set<std::u16string> kFolders = {u"C:\\データ", u"C:\\", u"\\\\server\\share"};

Selection Select(std::vector<std::u16string> paths) {
  return Selection(std::move(paths),
                   [](const std::u16string& path) { return kFolders.count(path) > 0; });
}

ShellCommand Command(TShellCommand kind, int slot = -1) { return {kind, slot, {}, {}, {}}; }

CommandEffect EffectOf(const ShellCommand& command, const std::vector<std::u16string>& paths,
                       const ExplorerSettings& settings = {}) {
  return PlanCommandEffect(command, settings, Select(paths), kPrograms, kCodePage);
}

TEST(ExplorerPaths, NamesExtensionsAndFolders) {
  const struct {
    std::u16string path;
    std::u16string name;
    std::u16string extension;
    std::u16string parent;
  } cases[] = {
      {u"C:\\データ\\メモ.txt", u"メモ.txt", u"txt", u"C:\\データ"},
      {u"C:\\a.b\\README", u"README", u"", u"C:\\a.b"},
      {u"C:\\x.tar.GZ", u"x.tar.GZ", u"GZ", u"C:\\"},
      {u"C:\\データ\\", u"データ", u"", u"C:\\"},
      {u"C:\\", u"C:\\", u"", u"C:\\"},
      {u"\\\\server\\share\\doc.txt", u"doc.txt", u"txt", u"\\\\server\\share"},
      {u"\\\\?\\C:\\long\\x.txt", u"x.txt", u"txt", u"\\\\?\\C:\\long"},
      {u"\\\\?\\C:\\x.txt", u"x.txt", u"txt", u"\\\\?\\C:\\"},
      {u"C:\\😀\\é.txt", u"é.txt", u"txt", u"C:\\😀"},  // outside code page 932
  };
  for (const auto& c : cases) {
    const std::string readable = kCodePage.WideToUtf8(c.path);
    EXPECT_EQ(ItemName(c.path), c.name) << readable;
    EXPECT_EQ(ItemExtension(c.path), c.extension) << readable;
    EXPECT_EQ(ParentFolder(c.path), c.parent) << readable;
  }
  EXPECT_TRUE(EqualIgnoringAsciiCase(u"TxT", u"txt"));
  EXPECT_FALSE(EqualIgnoringAsciiCase(u"txt", u"tx"));
  EXPECT_FALSE(EqualIgnoringAsciiCase(u"ｔｘｔ", u"txt"));
}

// A name outside code page 932. (GCC converts a UTF-16 literal that also holds escapes through
// the narrow execution character set, so such names stand in literals of their own.)
const std::u16string kForeignName = u"é.txt";
const std::u16string kForeignPath = u"C:\\😀\\" + kForeignName;

TEST(ExplorerEffects, ClipboardTexts) {
  const std::vector<std::u16string> items = {u"C:\\データ\\メモ.txt", u"C:\\データ", u"C:\\",
                                             kForeignPath};
  EXPECT_EQ(EffectOf(Command(scFileList), items).clipboardText,
            u"メモ.txt\r\nデータ\r\nC:\\\r\n" + kForeignName);
  EXPECT_EQ(EffectOf(Command(scPathCopy), items).clipboardText,
            u"C:\\データ\\メモ.txt\r\nC:\\データ\r\nC:\\\r\n" + kForeignPath);
  EXPECT_EQ(EffectOf(Command(scPathCopy), {u"C:\\a.txt"}).clipboardText, u"C:\\a.txt")
      << "one item: no line end after it";
  EXPECT_TRUE(EffectOf(Command(scPathCopy), items).starts.empty());

  const std::vector<std::u16string> many(5000, u"C:\\データ\\メモ.txt");
  const auto text = EffectOf(Command(scFileList), many).clipboardText;
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(text->size(), 5000 * std::u16string(u"メモ.txt\r\n").size() - 2);
}

TEST(ExplorerEffects, ProgramStarts) {
  ExplorerSettings settings;
  settings.slots[3] = {"C:\\表\\ソ.exe", "-r /x", "", "", true, true};
  settings.slots[4] = {"viewer.exe", "", "", "", true, true};
  const std::u16string file = u"C:\\データ\\メモ.txt";
  const std::u16string& foreign = kForeignPath;
  const struct {
    const char* what;
    ShellCommand command;
    std::vector<std::u16string> selection;
    std::vector<ProgramStart> starts;
  } cases[] = {
      {"viewer with options, once per item",
       Command(scViewer, 3),
       {file, foreign},
       {{u"C:\\表\\ソ.exe", u" -r /x \"" + file + u"\"", u""},
        {u"C:\\表\\ソ.exe", u" -r /x \"" + foreign + u"\"", u""}}},
      {"viewer without options",
       Command(scViewer, 4),
       {u"C:\\データ"},
       {{u"viewer.exe", u"\"C:\\データ\"", u""}}},
      {"viewer slot out of range", Command(scViewer, 5), {file}, {}},
      {"command prompt in the folder of a file",
       Command(scCommandPrompt),
       {file, u"D:\\x"},
       {{kPrograms.commandPrompt, u"", u"C:\\データ"}}},
      {"command prompt in a selected folder",
       Command(scCommandPrompt),
       {u"C:\\データ"},
       {{kPrograms.commandPrompt, u"", u"C:\\データ"}}},
      {"command prompt at a drive's root",
       Command(scCommandPrompt),
       {u"C:\\a.txt"},
       {{kPrograms.commandPrompt, u"", u"C:\\"}}},
      {"command prompt on a share",
       Command(scCommandPrompt),
       {u"\\\\server\\share"},
       {{kPrograms.commandPrompt, u"", u"\\\\server\\share"}}},
      {"Explorer with the file selected",
       Command(scExplorer),
       {file},
       {{kPrograms.explorer, u"/select,\"" + file + u"\"", u"C:\\データ"}}},
      {"Explorer in a selected folder",
       Command(scExplorer),
       {u"C:\\データ", file},
       {{kPrograms.explorer, u"\"C:\\データ\"", u"C:\\データ"}}},
      {"Explorer with a name outside code page 932",
       Command(scExplorer),
       {foreign},
       {{kPrograms.explorer, u"/select,\"" + foreign + u"\"", u"C:\\😀"}}},
      {"nothing selected", Command(scExplorer), {}, {}},
  };
  for (const auto& c : cases) {
    const CommandEffect effect = EffectOf(c.command, c.selection, settings);
    EXPECT_FALSE(effect.clipboardText.has_value()) << c.what;
    EXPECT_EQ(effect.starts, c.starts) << c.what;
  }
}

}  // namespace
