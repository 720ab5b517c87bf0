#pragma once
// The site list editor "メニューリスト": a modal dialog that the site page's "参照" opens. It
// shows a list of ready-made sites in a grid, edits, adds, inserts, deletes and renumbers
// rows, loads and saves them as a list file (MenuList.csv in the program folder by default)
// and copies one row into a site slot of the site page.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Platform.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/ListGrid.h"
#include "shared/SiteListFile.h"

class TfmIE_Set;

// The controls of one site slot of the site page that "コピー" writes into. Its enabled box
// is not among them: a copy never touches it.
struct SiteSlotFields {
  platform::Edit& url;
  platform::ComboBox& target;
  platform::ComboBox& encoding;
  platform::Edit& name;
};

class TfmIE_List : public platform::Form {
 public:
  // Columns of a list row.
  enum Column { colNo, colName, colUrl, colTarget, colEncoding, kColumnCount };

  static constexpr int kUrlWidthWithScrollBar = 372;
  static constexpr int kUrlWidthWithoutScrollBar = 388;
  // The most rows, caption row included, that the grid shows without a scroll bar.
  static constexpr int kRowsWithoutScrollBar = 13;

  // The dialog over the site page, whose slots "コピー" fills.
  TfmIE_List(platform::Platform& platform, TfmIE_Set& fmIE_Set);
  // The dialog over any holder of site slots: `siteSlot` gives the controls of slot 0..4.
  TfmIE_List(platform::Platform& platform, std::function<SiteSlotFields(int)> siteSlot);

  platform::Button BTN_INS_END;
  platform::Button BTN_INS;
  platform::Button BTN_DEL;
  platform::Button BTN_NO_INI;
  platform::Label LBL_Site;
  platform::ComboBox SB_Ie_S;
  platform::Button BTN_COPY;
  platform::ListGrid ListGrid;
  platform::Button BTN_CANCEL;
  platform::Button BTN_LOAD;
  platform::Button BTN_SAVE;
  platform::FileDialogOptions OpenDialog1;
  platform::FileDialogOptions SaveDialog1;

  void FormShow();
  void BTN_INS_ENDClick();
  void BTN_INSClick();
  void BTN_DELClick();
  void BTN_NO_INIClick();
  void BTN_COPYClick();
  void BTN_LOADClick();
  void BTN_SAVEClick();
  void BTN_CANCELClick();

  // The file that "保存" offers: the default list file once it was found at a showing, or
  // the last file chosen in "読込" or "保存"; empty before either.
  const std::string& ListFileName() const { return listFileName_; }

  // The grid's data rows as list rows, and the grid filled with list rows.
  std::vector<SiteListRow> Rows() const;
  void SetRows(std::vector<SiteListRow> rows);

 private:
  std::string DefaultListFile() const;
  void ReadListFile(const std::string& path);
  void WriteListFile(const std::string& path);
  void Inform(std::string_view text);
  // Numbers a new row with the data row count and sets the first item of both lists.
  void StartNewRow(int row);
  int RowsWithCaption() const { return ListGrid.RowCount() + 1; }

  platform::Platform& platform_;
  std::function<SiteSlotFields(int)> siteSlot_;
  std::string listFileName_;
};
