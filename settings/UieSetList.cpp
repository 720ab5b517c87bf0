#include "settings/UieSetList.h"

#include <optional>
#include <string>
#include <utility>

#include "settings/SettingsProgram.h"
#include "settings/SettingsTexts.h"
#include "settings/UieSet.h"
#include "shared/ProductTexts.h"
#include "shared/TbError.h"
#include "text/AsciiCase.h"

namespace {

using platform::Bounds;
using platform::GridColour;
using platform::GridColumn;
using platform::GridEditor;
using platform::GridSortKind;
using platform::TextAlign;

using settings_text::kSiteEncodingItems;
using settings_text::kSiteTargetItems;

const std::vector<std::string> kSiteItems = {"サイト１", "サイト２", "サイト３", "サイト４",
                                             "サイト５"};
constexpr const char* kListFilter = "CSVファイル|*.csv|すべてのファイル|*.*";
constexpr const char* kListExtension = "csv";

constexpr int kButtonWidth = 66;
constexpr int kButtonHeight = 33;

Bounds TopButton(int index) { return {8 + 70 * index, 8, kButtonWidth, kButtonHeight}; }
Bounds BottomButton(int left) { return {left, 326, kButtonWidth, kButtonHeight}; }

std::vector<GridColumn> SiteListColumns() {
  return {
      {.caption = " No", .width = 50, .align = TextAlign::Center, .sortKind = GridSortKind::Number},
      {.caption = "表示名", .width = 190, .editor = GridEditor::Text},
      {.caption = "URL", .width = TfmIE_List::kUrlWidthWithScrollBar, .editor = GridEditor::Text},
      {.caption = "対象",
       .width = 60,
       .colour = GridColour::ButtonFace,
       .editor = GridEditor::List,
       .items = kSiteTargetItems},
      {.caption = "エンコード",
       .width = 80,
       .colour = GridColour::ButtonFace,
       .editor = GridEditor::List,
       .items = kSiteEncodingItems},
  };
}

platform::FileDialogOptions ListDialogOptions() {
  platform::FileDialogOptions options;
  options.filter = kListFilter;
  options.defaultExtension = kListExtension;
  options.hideReadOnly = true;
  return options;
}

platform::FileDialogOptions OpenDialogOptions() {
  platform::FileDialogOptions options = ListDialogOptions();
  options.pathMustExist = true;
  options.fileMustExist = true;
  return options;
}

platform::FileDialogOptions SaveDialogOptions() {
  platform::FileDialogOptions options = ListDialogOptions();
  options.overwritePrompt = true;
  options.createPrompt = true;
  options.noReadOnlyReturn = true;
  options.enableSizing = true;
  return options;
}

// The position of the text among the items, letter case ignored; -1 when it is none of them.
int ItemPositionIgnoringCase(const std::vector<std::string>& items, const std::string& text) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (EqualIgnoringAsciiCase(items[i], text)) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

TfmIE_List::TfmIE_List(platform::Platform& platform, TfmIE_Set& fmIE_Set)
    : TfmIE_List(platform, [&fmIE_Set](int slot) {
        const TfmIE_Set::SiteControls site = fmIE_Set.Site(slot);
        return SiteSlotFields{site.url, site.target, site.encoding, site.name};
      }) {}

TfmIE_List::TfmIE_List(platform::Platform& platform, std::function<SiteSlotFields(int)> siteSlot)
    : Form("fmIE_List", "メニューリスト", {792, 362}, platform::FormStyle::Dialog),
      BTN_INS_END(*this, "BTN_INS_END", TopButton(0), "追加"),
      BTN_INS(*this, "BTN_INS", TopButton(1), "選択行挿入"),
      BTN_DEL(*this, "BTN_DEL", TopButton(2), "選択行削除"),
      BTN_NO_INI(*this, "BTN_NO_INI", TopButton(3), "No設定"),
      LBL_Site(*this, "LBL_Site", {640, 6, 65, 12}, "サイト"),
      SB_Ie_S(*this, "SB_Ie_S", {640, 20, 65, 20}, kSiteItems, false),
      BTN_COPY(*this, "BTN_COPY", {712, 8, kButtonWidth, kButtonHeight}, "コピー"),
      ListGrid(*this, "ListGrid", {7, 46, 777, 276}, SiteListColumns(), 1),
      BTN_CANCEL(*this, "BTN_CANCEL", BottomButton(8), "閉じる"),
      BTN_LOAD(*this, "BTN_LOAD", BottomButton(640), "読込"),
      BTN_SAVE(*this, "BTN_SAVE", BottomButton(712), "保存"),
      OpenDialog1(OpenDialogOptions()),
      SaveDialog1(SaveDialogOptions()),
      platform_(platform),
      siteSlot_(std::move(siteSlot)) {
  LBL_Site.look.color = platform::TextColor::Olive;
  // The application shows an error of the showing and the dialog opens all the same.
  OnShow = [this] { platform_.application.Guarded([this] { FormShow(); }); };
  BTN_INS_END.OnClick = [this] { BTN_INS_ENDClick(); };
  BTN_INS.OnClick = [this] { BTN_INSClick(); };
  BTN_DEL.OnClick = [this] { BTN_DELClick(); };
  BTN_NO_INI.OnClick = [this] { BTN_NO_INIClick(); };
  BTN_COPY.OnClick = [this] { BTN_COPYClick(); };
  BTN_LOAD.OnClick = [this] { BTN_LOADClick(); };
  BTN_SAVE.OnClick = [this] { BTN_SAVEClick(); };
  BTN_CANCEL.OnClick = [this] { BTN_CANCELClick(); };
}

void TfmIE_List::FormShow() {
  const std::string path = DefaultListFile();
  if (!platform_.files.FileExists(path)) {
    ShowSettingsMessage(platform_, platform_.ui.ForegroundWindow(), settings_text::kFileMissing,
                        platform::MessageIcon::Warning);
    return;
  }
  listFileName_ = path;
  ReadListFile(path);
  const int widths[kColumnCount] = {50, 190, kUrlWidthWithScrollBar, 60, 80};
  for (int column = 0; column < kColumnCount; ++column) {
    ListGrid.SetColumnWidth(column, widths[column]);
  }
  if (RowsWithCaption() <= kRowsWithoutScrollBar) {
    ListGrid.SetColumnWidth(colUrl, kUrlWidthWithoutScrollBar);
  }
  SB_Ie_S.SetItemIndex(0);
}

void TfmIE_List::BTN_INS_ENDClick() {
  const int row = ListGrid.RowCount();
  ListGrid.InsertRows(row, 1);
  StartNewRow(row);
  if (RowsWithCaption() > kRowsWithoutScrollBar) {
    ListGrid.SetColumnWidth(colUrl, kUrlWidthWithScrollBar);
  }
}

void TfmIE_List::BTN_INSClick() {
  const platform::RowRange selection = ListGrid.Selection();
  ListGrid.InsertRows(selection.first, selection.Count());
  StartNewRow(selection.first);
  if (RowsWithCaption() > kRowsWithoutScrollBar) {
    ListGrid.SetColumnWidth(colUrl, kUrlWidthWithScrollBar);
  }
}

void TfmIE_List::BTN_DELClick() {
  // Deleting every row leaves one empty row: the grid always keeps one.
  ListGrid.DeleteRows(ListGrid.Selection());
  if (RowsWithCaption() <= kRowsWithoutScrollBar) {
    ListGrid.SetColumnWidth(colUrl, kUrlWidthWithoutScrollBar);
  }
}

void TfmIE_List::BTN_NO_INIClick() {
  ListGrid.SetColumnTexts(colNo, [](int row) { return std::to_string(row + 1); });
}

void TfmIE_List::BTN_COPYClick() {
  const int slot = SB_Ie_S.ItemIndex();
  if (slot < 0) return;
  const int row = ListGrid.Selection().first;
  SiteSlotFields site = siteSlot_(slot);
  site.url.SetText(ListGrid.Cell(row, colUrl));
  site.target.SetItemIndex(
      ItemPositionIgnoringCase(kSiteTargetItems, ListGrid.Cell(row, colTarget)));
  site.encoding.SetItemIndex(
      ItemPositionIgnoringCase(kSiteEncodingItems, ListGrid.Cell(row, colEncoding)));
  site.name.SetText(ListGrid.Cell(row, colName));
}

void TfmIE_List::BTN_LOADClick() {
  OpenDialog1.initialFile = DefaultListFile();
  const std::optional<std::string> path = platform_.fileDialogs.Open(Handle(), OpenDialog1);
  if (!path) return;
  listFileName_ = *path;
  ReadListFile(*path);
  Inform(settings_text::kSiteListLoaded);
}

void TfmIE_List::BTN_SAVEClick() {
  SaveDialog1.initialFile = listFileName_;
  const std::optional<std::string> path = platform_.fileDialogs.Save(Handle(), SaveDialog1);
  if (!path) return;
  listFileName_ = *path;
  WriteListFile(*path);
  Inform(settings_text::kSiteListSaved);
}

void TfmIE_List::BTN_CANCELClick() { Close(); }

std::vector<SiteListRow> TfmIE_List::Rows() const {
  std::vector<SiteListRow> rows(static_cast<std::size_t>(ListGrid.RowCount()));
  for (int row = 0; row < ListGrid.RowCount(); ++row) {
    for (int column = 0; column < kColumnCount; ++column) {
      rows[row][column] = ListGrid.Cell(row, column);
    }
  }
  return rows;
}

void TfmIE_List::SetRows(std::vector<SiteListRow> rows) {
  std::vector<std::string> cells;
  cells.reserve(rows.size() * kColumnCount);
  for (SiteListRow& row : rows) {
    for (std::string& cell : row) cells.push_back(std::move(cell));
  }
  ListGrid.AssignRows(std::move(cells));
}

std::string TfmIE_List::DefaultListFile() const {
  return ProgramFolder(platform_) + std::string(settings_text::kSiteListFileName);
}

void TfmIE_List::ReadListFile(const std::string& path) {
  const std::optional<std::string> bytes = platform_.files.ReadWholeFile(path);
  if (!bytes) throw TbError(path + std::string(settings_text::kCannotRead));
  SetRows(ParseSiteList(*bytes));
}

void TfmIE_List::WriteListFile(const std::string& path) {
  // The whole file is replaced in one step, so a failed write leaves the old file as it was.
  if (!platform_.files.ReplaceFileWith(path, ComposeSiteList(Rows()))) {
    throw TbError(path + std::string(product_text::kCannotWrite));
  }
}

void TfmIE_List::Inform(std::string_view text) {
  ShowSettingsMessage(platform_, platform_.ui.ForegroundWindow(), text,
                      platform::MessageIcon::Information);
}

void TfmIE_List::StartNewRow(int row) {
  ListGrid.SetCell(row, colNo, std::to_string(ListGrid.RowCount()));
  ListGrid.SetCell(row, colTarget, kSiteTargetItems[0]);
  ListGrid.SetCell(row, colEncoding, kSiteEncodingItems[0]);
}
