// The site list editor against the in-memory platform: the showing with the default list
// file, every button, the file dialogs and messages, and list files of any content.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/forms/Controls.h"
#include "platform/memory/MemoryPlatform.h"
#include "settings/UieSetList.h"

namespace platform::memory {
inline void PrintTo(const MemoryUi::Message& m, std::ostream* out) {
  *out << "{owner " << m.owner << ", \"" << m.text << "\", \"" << m.caption << "\", icon "
       << static_cast<int>(m.icon) << "}";
}
}  // namespace platform::memory

namespace {

using platform::MessageIcon;
using platform::RowRange;
using Message = platform::memory::MemoryUi::Message;
using Rows = std::vector<SiteListRow>;

constexpr const char* kFolder = "C:\\Program Files\\TobrinPlus\\";
constexpr const char* kDefaultList = "C:\\Program Files\\TobrinPlus\\MenuList.csv";
constexpr platform::WindowHandle kForeground = platform::memory::MemoryUi::kForegroundWindow;

// The site page's slots as the editor sees them: for each, the enabled box, the URL, the
// target and encoding lists and the display name.
struct SitePage : platform::Form {
  struct Slot {
    explicit Slot(Form& page)
        : enabled(page, "CB", {}, "site"),
          url(page, "TB_U", {}),
          target(page, "SB_T", {}, {"通常", "選択範囲"}, false),
          encoding(page, "SB_E", {}, {"なし", "EUC-JP", "UTF-8"}, false),
          name(page, "TB_N", {}) {}
    platform::CheckBox enabled;
    platform::Edit url;
    platform::ComboBox target;
    platform::ComboBox encoding;
    platform::Edit name;
  };
  struct SiteControls {
    platform::CheckBox& enabled;
    platform::Edit& url;
    platform::ComboBox& target;
    platform::ComboBox& encoding;
    platform::Edit& name;
  };

  SitePage() : Form("fmIE_Set", "", {578, 450}, platform::FormStyle::Page) {
    for (int i = 0; i < 5; ++i) slots.push_back(std::make_unique<Slot>(*this));
  }
  SiteControls Site(int i) {
    Slot& s = *slots.at(i);
    return {s.enabled, s.url, s.target, s.encoding, s.name};
  }
  std::vector<std::unique_ptr<Slot>> slots;
};

class SiteListEditorTest : public ::testing::Test {
 protected:
  platform::memory::MemoryPlatform m;
  SitePage page;
  TfmIE_List dialog{m.platform, [this](int slot) {
                      SitePage::Slot& s = *page.slots.at(slot);
                      return SiteSlotFields{s.url, s.target, s.encoding, s.name};
                    }};

  SiteListEditorTest() {
    m.files.AddFolder(kFolder);
    m.process.programPath = std::string(kFolder) + "TobrinPlus.exe";
    m.application.CreateForm(dialog);
  }

  void Show() {
    dialog.Show();
    dialog.Close();
  }
  // A click as the message loop delivers it: an error is reported, not thrown.
  void Click(platform::Button& button) {
    m.application.Guarded([&] { button.Click(); });
  }

  // The list file of the rows, written as the default list, and the dialog shown over it.
  void ShowList(const Rows& rows) {
    m.files.AddFile(kDefaultList, ComposeSiteList(rows));
    Show();
  }
  static Rows Numbered(int count) {
    Rows rows;
    for (int i = 1; i <= count; ++i) {
      rows.push_back({std::to_string(i), "name" + std::to_string(i),
                      "http://s" + std::to_string(i) + "/?q=", "選択範囲", "UTF-8"});
    }
    return rows;
  }
  std::vector<std::string> Column(int column) const {
    std::vector<std::string> cells;
    for (const SiteListRow& row : dialog.Rows()) cells.push_back(row[column]);
    return cells;
  }
  int UrlWidth() const { return dialog.ListGrid.Column(TfmIE_List::colUrl).width; }

  static Message Info(const std::string& text) {
    return {kForeground, text, "トブリン＋", MessageIcon::Information};
  }
};

TEST_F(SiteListEditorTest, HasItsControls) {
  EXPECT_EQ(dialog.Name(), "fmIE_List");
  EXPECT_EQ(dialog.Caption(), "メニューリスト");
  EXPECT_EQ(dialog.ClientSize(), (platform::Size{792, 362}));
  const std::pair<platform::Button*, const char*> buttons[] = {
      {&dialog.BTN_INS_END, "追加"},   {&dialog.BTN_INS, "選択行挿入"},
      {&dialog.BTN_DEL, "選択行削除"}, {&dialog.BTN_NO_INI, "No設定"},
      {&dialog.BTN_COPY, "コピー"},    {&dialog.BTN_CANCEL, "閉じる"},
      {&dialog.BTN_LOAD, "読込"},      {&dialog.BTN_SAVE, "保存"}};
  for (const auto& [button, caption] : buttons) {
    EXPECT_EQ(button->Caption(), caption);
    EXPECT_EQ(button->GetBounds().width, 66);
    EXPECT_EQ(button->GetBounds().height, 33);
  }
  EXPECT_EQ(dialog.SB_Ie_S.Items(),
            (std::vector<std::string>{"サイト１", "サイト２", "サイト３", "サイト４", "サイト５"}));
  EXPECT_FALSE(dialog.SB_Ie_S.Editable());
  const char* captions[] = {" No", "表示名", "URL", "対象", "エンコード"};
  for (int c = 0; c < 5; ++c) EXPECT_EQ(dialog.ListGrid.Column(c).caption, captions[c]);
  EXPECT_EQ(dialog.ListGrid.Column(0).align, platform::TextAlign::Center);
  EXPECT_EQ(dialog.ListGrid.Column(3).colour, platform::GridColour::ButtonFace);
  EXPECT_EQ(dialog.ListGrid.Column(4).items, (std::vector<std::string>{"なし", "EUC-JP", "UTF-8"}));
  EXPECT_EQ(dialog.ListGrid.FixedColumnCount(), 1);
  EXPECT_EQ(dialog.ListGrid.GetBounds().width, 777);
  EXPECT_EQ(dialog.ListGrid.GetBounds().height, 276);
}

TEST_F(SiteListEditorTest, ShowReadsTheDefaultListAndFitsTheUrlColumn) {
  struct Case {
    int rows;
    int urlWidth;  // 388 while every row fits: 13 rows with the caption row
  };
  for (const Case c : {Case{1, 388}, Case{12, 388}, Case{13, 372}, Case{40, 372}}) {
    dialog.ListGrid.SetColumnWidth(1, 10);
    dialog.SB_Ie_S.SetItemIndex(-1);
    ShowList(Numbered(c.rows));
    EXPECT_EQ(dialog.Rows(), Numbered(c.rows));
    EXPECT_EQ(UrlWidth(), c.urlWidth) << c.rows;
    EXPECT_EQ(dialog.ListGrid.Column(1).width, 190);
    EXPECT_EQ(dialog.SB_Ie_S.Text(), "サイト１");
    EXPECT_EQ(dialog.ListFileName(), kDefaultList);
  }
  EXPECT_TRUE(m.ui.messages.empty());
}

TEST_F(SiteListEditorTest, ShowWithoutTheDefaultListWarnsAndKeepsWhatWasThere) {
  Show();
  EXPECT_EQ(m.ui.messages, (std::vector<Message>{{kForeground, "ファイルが存在しません",
                                                  "トブリン＋", MessageIcon::Warning}}));
  EXPECT_EQ(dialog.Rows(), Rows(1)) << "one empty row the first time";
  EXPECT_EQ(dialog.SB_Ie_S.ItemIndex(), -1);
  EXPECT_EQ(dialog.ListFileName(), "");

  // Edits and a loaded file survive a showing while the default list is missing.
  m.files.AddFile("D:\\lists\\mine.csv", "7,a,b,通常,なし\r\n");
  m.fileDialogs.answers = {"D:\\lists\\mine.csv"};
  Click(dialog.BTN_LOAD);
  dialog.ListGrid.SetCell(0, 1, "edited");
  Show();
  EXPECT_EQ(m.ui.messages.size(), 3u);
  EXPECT_EQ(dialog.ListGrid.Cell(0, 1), "edited");
  EXPECT_EQ(dialog.ListFileName(), "D:\\lists\\mine.csv");
  // "読込" still starts at the default list's path.
  Click(dialog.BTN_LOAD);
  EXPECT_EQ(m.fileDialogs.shown.back().options.initialFile, kDefaultList);
}

TEST_F(SiteListEditorTest, ShowOfADefaultListThatCannotBeReadReportsAndKeepsTheGrid) {
  // A file that exists but cannot be read (held open by another program, say).
  struct Unreadable : platform::memory::MemoryFileSystem {
    std::optional<std::string> ReadWholeFile(const std::string&) const override {
      return std::nullopt;
    }
  } files;
  files.AddFile(kDefaultList, "1,a,b,c,d\r\n");
  platform::Platform patched{files, m.folders, m.codePage,  m.registry,    m.shell,
                             m.ui,  m.process, m.popupMenu, m.application, m.fileDialogs};
  TfmIE_List other(patched, [](int) -> SiteSlotFields { throw std::logic_error("no copy"); });
  other.ListGrid.SetCell(0, 1, "kept");
  other.Show();
  EXPECT_EQ(m.application.reportedErrors,
            std::vector<std::string>{std::string(kDefaultList) + " を読み込めません"});
  EXPECT_EQ(other.ListGrid.Cell(0, 1), "kept");
  EXPECT_TRUE(other.Shown()) << "the dialog opens all the same";
  EXPECT_TRUE(m.ui.messages.empty());
}

TEST_F(SiteListEditorTest, AddNumbersTheNewLastRowAndWidensNoMoreThanTheRule) {
  ShowList(Numbered(11));
  dialog.ListGrid.SelectRows(2, 2);
  Click(dialog.BTN_INS_END);
  EXPECT_EQ(dialog.Rows().back(), (SiteListRow{"12", "", "", "通常", "なし"}));
  EXPECT_EQ(UrlWidth(), 388) << "13 rows with the caption row still fit";
  Click(dialog.BTN_INS_END);
  EXPECT_EQ(dialog.Rows().back(), (SiteListRow{"13", "", "", "通常", "なし"}));
  EXPECT_EQ(UrlWidth(), 372);
  EXPECT_EQ(dialog.ListGrid.Selection(), (RowRange{2, 2}));
  // Deleting back to 13 rows with the caption row makes room again.
  dialog.ListGrid.SelectRows(0, 0);
  Click(dialog.BTN_DEL);
  EXPECT_EQ(UrlWidth(), 388);
}

TEST_F(SiteListEditorTest, InsertPutsAsManyRowsAsSelectedInFrontAndNumbersTheFirst) {
  ShowList(Numbered(5));
  dialog.ListGrid.SelectRows(3, 1);
  Click(dialog.BTN_INS);
  EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "8", "", "", "2", "3", "4", "5"}));
  EXPECT_EQ(Column(3), (std::vector<std::string>{"選択範囲", "通常", "", "", "選択範囲", "選択範囲",
                                                 "選択範囲", "選択範囲"}));
  EXPECT_EQ(Column(4)[1], "なし");
  EXPECT_EQ(dialog.ListGrid.Selection(), (RowRange{4, 6})) << "the selected rows moved down";
  EXPECT_EQ(UrlWidth(), 388);
  dialog.ListGrid.SelectRows(0, 7);
  Click(dialog.BTN_INS);
  EXPECT_EQ(dialog.ListGrid.RowCount(), 16);
  EXPECT_EQ(dialog.ListGrid.Cell(0, 0), "16");
  EXPECT_EQ(UrlWidth(), 372);
}

TEST_F(SiteListEditorTest, DeleteRemovesTheSelectionAndKeepsOneEmptyRowOfAll) {
  struct Case {
    RowRange selection;
    std::vector<std::string> numbers;
  };
  const Case cases[] = {
      {{1, 2}, {"1", "4"}}, {{3, 3}, {"1", "2", "3"}}, {{2, 0}, {"4"}}, {{0, 3}, {""}}};
  for (const Case& c : cases) {
    ShowList(Numbered(4));
    dialog.ListGrid.SelectRows(c.selection.first, c.selection.last);
    Click(dialog.BTN_DEL);
    EXPECT_EQ(Column(0), c.numbers);
  }
  // The one row left is empty, and saving it writes one line of four commas.
  EXPECT_EQ(dialog.Rows(), Rows(1));
  m.fileDialogs.answers = {"C:\\out.csv"};
  Click(dialog.BTN_SAVE);
  EXPECT_EQ(m.files.Read("C:\\out.csv"), ",,,,\r\n");
}

TEST_F(SiteListEditorTest, RenumberCountsFromOne) {
  ShowList({{"1", "a"}, {"2", "b"}, {"5", "c"}, {"x", "d"}});
  Click(dialog.BTN_NO_INI);
  EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2", "3", "4"}));
  EXPECT_EQ(Column(1), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST_F(SiteListEditorTest, CopyWritesTheTopSelectedRowIntoTheChosenSlot) {
  struct Case {
    const char* target;
    const char* encoding;
    int targetIndex;
    int encodingIndex;
  };
  const Case cases[] = {
      {"選択範囲", "UTF-8", 1, 2}, {"通常", "utf-8", 0, 2}, {"通常", "euc-jp", 0, 1},
      {"検索", "なし", -1, 0},     {"", "UTF8", -1, -1},
  };
  for (const Case& c : cases) {
    ShowList({{"1", "first", "http://first/", "通常", "なし"},
              {"9", "Ｗ検索", "https://w.example.jp/?q=", c.target, c.encoding},
              {"3", "third", "http://third/", "通常", "なし"}});
    dialog.ListGrid.SelectRows(2, 1);
    dialog.SB_Ie_S.SetItemIndex(1);
    page.slots[1]->enabled.SetChecked(true);
    page.slots[1]->target.SetItemIndex(1);
    page.slots[1]->encoding.SetItemIndex(1);
    Click(dialog.BTN_COPY);
    const SitePage::Slot& slot = *page.slots[1];
    EXPECT_EQ(slot.url.Text(), "https://w.example.jp/?q=");
    EXPECT_EQ(slot.name.Text(), "Ｗ検索");
    EXPECT_EQ(slot.target.ItemIndex(), c.targetIndex) << c.target;
    EXPECT_EQ(slot.encoding.ItemIndex(), c.encodingIndex) << c.encoding;
    EXPECT_TRUE(slot.enabled.Checked());
  }
  EXPECT_TRUE(m.ui.messages.empty());
  for (int i : {0, 2, 3, 4}) EXPECT_EQ(page.slots[i]->url.Text(), "") << i;

  // With no site chosen nothing happens.
  page.slots[1]->url.SetText("kept");
  dialog.SB_Ie_S.SetItemIndex(-1);
  Click(dialog.BTN_COPY);
  EXPECT_EQ(page.slots[1]->url.Text(), "kept");
}

TEST_F(SiteListEditorTest, LoadAsksFromTheDefaultListAndReplacesTheRows) {
  ShowList(Numbered(20));
  dialog.ListGrid.SetColumnWidth(2, 300);
  m.files.AddFile("D:\\other.csv", "1,a,http://a/,選択範囲,EUC-JP\r\n2,b\r\n");
  m.fileDialogs.answers = {std::nullopt, "D:\\other.csv"};
  Click(dialog.BTN_LOAD);  // cancelled
  EXPECT_EQ(dialog.Rows(), Numbered(20));
  EXPECT_EQ(dialog.ListFileName(), kDefaultList);
  EXPECT_TRUE(m.ui.messages.empty());

  Click(dialog.BTN_LOAD);
  EXPECT_EQ(dialog.Rows(), (Rows{{"1", "a", "http://a/", "選択範囲", "EUC-JP"}, {"2", "b"}}));
  EXPECT_EQ(dialog.ListFileName(), "D:\\other.csv");
  EXPECT_EQ(m.ui.messages, std::vector<Message>{Info("メニューリストを読込ました")});
  EXPECT_EQ(UrlWidth(), 300) << "loading leaves the widths";

  ASSERT_EQ(m.fileDialogs.shown.size(), 2u);
  const auto& shown = m.fileDialogs.shown[1];
  EXPECT_EQ(shown.kind, platform::memory::MemoryFileDialogs::Kind::Open);
  EXPECT_EQ(shown.owner, dialog.Handle());
  platform::FileDialogOptions expected;
  expected.filter = "CSVファイル|*.csv|すべてのファイル|*.*";
  expected.defaultExtension = "csv";
  expected.initialFile = kDefaultList;
  expected.hideReadOnly = expected.pathMustExist = expected.fileMustExist = true;
  EXPECT_EQ(shown.options, expected);
}

TEST_F(SiteListEditorTest, SaveWritesTheRowsToTheChosenFileAndKeepsItsName) {
  Show();  // no default list: nothing to offer yet
  dialog.SetRows({{"1", "名前", "http://a/?q=", "通常", "なし"}, {"2", "a,b", "\"q\""}});
  m.fileDialogs.answers = {std::nullopt, "D:\\saved.csv", "D:\\again.csv"};
  Click(dialog.BTN_SAVE);
  EXPECT_FALSE(m.files.Exists("D:\\saved.csv"));
  EXPECT_EQ(dialog.ListFileName(), "");
  m.files.AddFolder("D:\\");
  Click(dialog.BTN_SAVE);
  // A cell that would not read back bare is quoted, so loading gives every cell back.
  EXPECT_EQ(m.files.Read("D:\\saved.csv"),
            "1,名前,http://a/?q=,通常,なし\r\n2,\"a,b\",\"\"\"q\"\"\",,\r\n");
  EXPECT_EQ(dialog.ListFileName(), "D:\\saved.csv");
  EXPECT_EQ(m.ui.messages.back(), Info("メニューリストを保存しました"));
  Click(dialog.BTN_SAVE);
  ASSERT_EQ(m.fileDialogs.shown.size(), 3u);
  EXPECT_EQ(m.fileDialogs.shown[0].options.initialFile, "");
  EXPECT_EQ(m.fileDialogs.shown[2].options.initialFile, "D:\\saved.csv");

  platform::FileDialogOptions expected;
  expected.filter = "CSVファイル|*.csv|すべてのファイル|*.*";
  expected.defaultExtension = "csv";
  expected.initialFile = "D:\\saved.csv";
  expected.overwritePrompt = expected.hideReadOnly = expected.createPrompt = true;
  expected.noReadOnlyReturn = expected.enableSizing = true;
  EXPECT_EQ(m.fileDialogs.shown[2].options, expected);
  EXPECT_EQ(m.fileDialogs.shown[2].kind, platform::memory::MemoryFileDialogs::Kind::Save);

  const Rows saved = dialog.Rows();
  m.fileDialogs.answers = {"D:\\saved.csv"};
  Click(dialog.BTN_LOAD);
  EXPECT_EQ(dialog.Rows(), saved);
}

TEST_F(SiteListEditorTest, AFailedSaveReportsAndLeavesTheOldFile) {
  ShowList(Numbered(3));
  dialog.ListGrid.SetCell(0, 1, "changed");
  m.files.RefuseWrites(kDefaultList);
  m.fileDialogs.answers = {kDefaultList};
  const int messages = static_cast<int>(m.ui.messages.size());
  Click(dialog.BTN_SAVE);
  EXPECT_EQ(m.application.reportedErrors,
            std::vector<std::string>{std::string(kDefaultList) + " に書き込めません"});
  EXPECT_EQ(m.files.Read(kDefaultList), ComposeSiteList(Numbered(3)));
  EXPECT_EQ(static_cast<int>(m.ui.messages.size()), messages) << "no success message";
  EXPECT_EQ(dialog.ListGrid.Cell(0, 1), "changed");
}

TEST_F(SiteListEditorTest, ALoadThatFailsReportsAndKeepsTheRows) {
  ShowList(Numbered(2));
  m.fileDialogs.answers = {"D:\\gone.csv"};
  Click(dialog.BTN_LOAD);
  EXPECT_EQ(m.application.reportedErrors,
            std::vector<std::string>{"D:\\gone.csv を読み込めません"});
  EXPECT_EQ(dialog.Rows(), Numbered(2));
  EXPECT_EQ(dialog.ListFileName(), "D:\\gone.csv") << "the name is taken before the read";
  EXPECT_TRUE(m.ui.messages.empty());
}

TEST_F(SiteListEditorTest, CloseEndsTheModalShowingWithoutSaving) {
  ShowList(Numbered(2));
  const int writes = m.files.WriteCount();
  m.application.dialogSession = [&](platform::Form&) {
    dialog.ListGrid.SetCell(0, 1, "unsaved");
    Click(dialog.BTN_CANCEL);
    EXPECT_FALSE(dialog.Shown());
  };
  m.application.ShowModal(dialog);
  EXPECT_EQ(m.files.WriteCount(), writes);
  // The next showing reads the default list again.
  m.application.dialogSession = nullptr;
  m.application.ShowModal(dialog);
  EXPECT_EQ(dialog.ListGrid.Cell(0, 1), "name1");
}

// List files of any content: the grid holds at least one row, nothing crashes, and saving
// what was read and reading it again gives the same rows.
TEST_F(SiteListEditorTest, ReadsAnyFileAndSavesItBackUnchanged) {
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 37 + 11) % 256);
  std::string manyRows;
  for (int i = 0; i < 100000; ++i) manyRows += std::to_string(i) + ",n,u,通常,なし\r\n";
  std::string manyFields;
  for (int i = 0; i < 5000; ++i) manyFields += "f" + std::to_string(i) + ",";
  struct Case {
    const char* what;
    std::string bytes;
    int rows;
  };
  const Case cases[] = {
      {"empty file", "", 1},
      {"binary", binary, -1},
      {"NUL bytes end the text", std::string("1,a\r\n2,b\0\r\n3,c", 15), 2},
      {"cut lead byte at the end", "1,表\x95", 1},
      {"lead byte before the comma", "1,\x95,x\r\n", 1},
      {"1 MB line", "1," + std::string(1 << 20, 'x') + ",u\r\n", 1},
      {"thousands of fields", manyFields, 1},
      {"CR only", "1,a\r2,b\r3,c\r", 3},
      {"LF only", "1,a\n2,b\n3,c", 3},
      {"100 000 rows", manyRows, 100000},
      {"quote never closed", "1,\"abc", 1},
  };
  for (const Case& c : cases) {
    ShowList({});
    m.files.AddFile(kDefaultList, c.bytes);
    Show();
    if (c.rows >= 0) {
      EXPECT_EQ(dialog.ListGrid.RowCount(), c.rows) << c.what;
    }
    EXPECT_GE(dialog.ListGrid.RowCount(), 1) << c.what;
    const Rows read = dialog.Rows();
    m.fileDialogs.answers = {std::string(kFolder) + "copy.csv"};
    Click(dialog.BTN_SAVE);
    m.fileDialogs.answers = {std::string(kFolder) + "copy.csv"};
    Click(dialog.BTN_LOAD);
    EXPECT_EQ(dialog.Rows(), read) << c.what;
  }
  EXPECT_TRUE(m.application.reportedErrors.empty());
}

}  // namespace
