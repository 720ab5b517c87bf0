// The Explorer context menu planned from the settings and the selection: which entries, in
// which order, with which separators and submenu; the commands' verbs and help texts.
#include "shellext/ContextMenuPlan.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/memory/MemoryCodePage.h"

namespace {

const platform::memory::MemoryCodePage kCodePage;

// The lines as one text: "|" between lines, "-" a separator, "トブリン＋[...]" a submenu.
std::u16string Render(const std::vector<MenuLine>& lines) {
  std::u16string text;
  for (const MenuLine& line : lines) {
    if (!text.empty()) text += u'|';
    if (line.kind == MenuLine::kSeparator) text += u'-';
    if (line.kind == MenuLine::kCommand) text += line.caption;
    if (line.kind == MenuLine::kSubmenu) text += line.caption + u'[' + Render(line.lines) + u']';
  }
  return text;
}

std::string Readable(const std::u16string& text) { return kCodePage.WideToUtf8(text); }

// Five slots: 0 any file, 1 ".txt" files (extension stored in capitals), 2 folders only,
// 3 without executable, 4 ".htm" files (extension typed with its dot) and folders.
ExplorerSettings SlotsOnly() {
  ExplorerSettings s;
  s.slots[0] = {"C:\\Tools\\viewer.exe", "", "", "", true, false};
  s.slots[1] = {"C:\\秀丸\\Hidemaru.exe", "/r", "TXT", "秀丸", true, false};
  s.slots[2] = {"C:\\Tools\\tree.exe", "", "", "ツリー", false, true};
  s.slots[3] = {"", "", "", "空", true, true};
  s.slots[4] = {"C:\\Tools\\all.exe", "", ".htm", "全部", true, true};
  return s;
}

ExplorerSettings With(std::function<void(ExplorerSettings&)> change) {
  ExplorerSettings s = SlotsOnly();
  change(s);
  return s;
}

void AllCommands(ExplorerSettings& s) {
  s.fileList = s.pathCopy = s.commandPrompt = s.explorer = true;
}

const std::set<std::u16string> kFolders = {u"C:\\データ", u"D:\\"};

Selection Select(std::vector<std::u16string> paths) {
  return Selection(std::move(paths),
                   [](const std::u16string& path) { return kFolders.count(path) > 0; });
}

const std::u16string kTxt = u"C:\\データ\\メモ.txt";
const std::u16string kHtm = u"C:\\データ\\page.HTM";
const std::u16string kFolder = u"C:\\データ";

TEST(ExplorerMenuPlan, EntriesSeparatorsAndSubmenu) {
  const struct {
    const char* what;
    ExplorerSettings settings;
    std::vector<std::u16string> selection;
    std::u16string menu;
  } cases[] = {
      {"every switch off", {}, {kTxt}, u""},
      {"only the menu switches on",
       With([](auto& s) { s.submenu = s.separatorsAround = s.separatorAfterViewers = true; }),
       {kTxt},
       u""},
      {"viewer slots set but viewers off",
       With(AllCommands),
       {kTxt},
       u"ファイルリスト|パスコピー|コマンドプロンプト起動|エクスプローラ起動"},
      {"one command", With([](auto& s) { s.pathCopy = true; }), {kTxt}, u"パスコピー"},
      {"viewers for a .txt file, separator before the commands",
       With([](auto& s) { s.viewers = s.separatorAfterViewers = s.fileList = true; }),
       {kTxt},
       u"viewer|秀丸|-|ファイルリスト"},
      {"no separator after the viewers when no command follows",
       With([](auto& s) { s.viewers = s.separatorAfterViewers = true; }),
       {kHtm},
       u"viewer|全部"},
      {"no separator when no viewer is offered",
       With([](auto& s) {
         s.viewers = s.separatorAfterViewers = s.fileList = true;
         s.slots[0].forFiles = s.slots[1].forFiles = false;
       }),
       {kTxt},
       u"ファイルリスト"},
      {"viewers for a folder", With([](auto& s) { s.viewers = true; }), {kFolder}, u"ツリー|全部"},
      {"a drive is a folder", With([](auto& s) { s.viewers = true; }), {u"D:\\"}, u"ツリー|全部"},
      {"a viewer must take every item of a mixed selection",
       With([](auto& s) { s.viewers = s.fileList = true; }),
       {kHtm, kFolder},
       u"全部|ファイルリスト"},
      {"file without extension",
       With([](auto& s) { s.viewers = true; }),
       {u"C:\\データ\\README"},
       u"viewer"},
      {"extension letter case ignored",
       With([](auto& s) { s.viewers = true; }),
       {u"C:\\a.tXt", u"C:\\b.TXT"},
       u"viewer|秀丸"},
      {"an extension is the part after the last dot",
       With([](auto& s) { s.viewers = true; }),
       {u"C:\\a.txt.bak"},
       u"viewer"},
      {"separators above and below",
       With([](auto& s) { s.separatorsAround = s.explorer = true; }),
       {kTxt},
       u"-|エクスプローラ起動|-"},
      {"submenu",
       With([](auto& s) { s.submenu = s.viewers = true; }),
       {kFolder},
       u"トブリン＋[ツリー|全部]"},
      {"everything on",
       With([](auto& s) {
         AllCommands(s);
         s.submenu = s.separatorsAround = s.separatorAfterViewers = s.viewers = true;
       }),
       {kTxt},
       u"-|トブリン＋[viewer|秀丸|-|ファイルリスト|パスコピー|コマンドプロンプト起動|"
       u"エクスプローラ起動]|-"},
      {"everything on, nothing selected",
       With([](auto& s) {
         AllCommands(s);
         s.submenu = s.separatorsAround = s.viewers = true;
       }),
       {},
       u""},
  };
  for (const auto& c : cases) {
    const ContextMenuPlan plan = PlanContextMenu(c.settings, Select(c.selection), kCodePage);
    EXPECT_EQ(Render(plan.lines), c.menu) << c.what << ": " << Readable(Render(plan.lines));
  }
}

// Each viewer start is a program of its own: beyond Explorer's limit for opening several
// items at once the viewers are not offered, and the items are not even looked at.
TEST(ExplorerMenuPlan, ViewersOnlyForFewItems) {
  const ExplorerSettings settings = With([](auto& s) { s.viewers = s.fileList = true; });
  for (std::size_t count : {kMostItemsForViewers, kMostItemsForViewers + 1, std::size_t{5000}}) {
    int folderQuestions = 0;
    const Selection selection(std::vector<std::u16string>(count, kTxt),
                              [&](const std::u16string&) { return ++folderQuestions, false; });
    const ContextMenuPlan plan = PlanContextMenu(settings, selection, kCodePage);
    const bool offered = count <= kMostItemsForViewers;
    EXPECT_EQ(Render(plan.lines), offered ? u"viewer|秀丸|ファイルリスト" : u"ファイルリスト")
        << count;
    EXPECT_EQ(folderQuestions, offered ? static_cast<int>(count) : 0) << count;
  }
}

TEST(ExplorerMenuPlan, CommandsCarryVerbsAndHelpTexts) {
  const ExplorerSettings settings = With([](auto& s) {
    AllCommands(s);
    s.viewers = s.submenu = s.separatorAfterViewers = true;
  });
  const ContextMenuPlan plan = PlanContextMenu(settings, Select({kTxt}), kCodePage);
  const struct {
    TShellCommand kind;
    int slot;
    const char* verb;
    std::u16string help;
  } expected[] = {
      {scViewer, 0, "TobrinViewer1", u"選択した項目を「viewer」で開きます"},
      {scViewer, 1, "TobrinViewer2", u"選択した項目を「秀丸」で開きます"},
      {scFileList, -1, "TobrinFileList", u"選択した項目の名前をクリップボードにコピーします"},
      {scPathCopy, -1, "TobrinPathCopy", u"選択した項目のフルパスをクリップボードにコピーします"},
      {scCommandPrompt, -1, "TobrinCommandPrompt", u"このフォルダでコマンドプロンプトを起動します"},
      {scExplorer, -1, "TobrinExplorer", u"このフォルダを新しいエクスプローラで開きます"},
  };
  ASSERT_EQ(plan.commands.size(), std::size(expected));
  for (std::size_t offset = 0; offset < std::size(expected); ++offset) {
    const ShellCommand& command = plan.commands[offset];
    EXPECT_EQ(command.kind, expected[offset].kind) << offset;
    EXPECT_EQ(command.slot, expected[offset].slot) << offset;
    EXPECT_EQ(command.verb, expected[offset].verb) << offset;
    EXPECT_EQ(command.helpText, expected[offset].help) << offset;
    EXPECT_EQ(plan.FindVerb(std::u16string(command.verb.begin(), command.verb.end())), offset);
  }
  // Each command line of the submenu names its own offset.
  const std::vector<MenuLine>& inner = plan.lines.at(0).lines;
  std::vector<std::size_t> offsets;
  for (const MenuLine& line : inner) {
    if (line.kind == MenuLine::kCommand) offsets.push_back(line.command);
  }
  EXPECT_EQ(offsets, (std::vector<std::size_t>{0, 1, 2, 3, 4, 5}));

  EXPECT_EQ(plan.FindVerb(u"tobrinpathcopy"), 3u) << "verbs match in any letter case";
  EXPECT_EQ(plan.FindVerb(u"TobrinViewer3"), std::nullopt) << "a viewer not offered";
  EXPECT_EQ(plan.FindVerb(u"TobrinPathCopy2"), std::nullopt);
  EXPECT_EQ(plan.FindVerb(u""), std::nullopt);
}

}  // namespace
