// The grid on a real list view: the object's rows, columns, widths, sort arrow and selection
// shown by the virtual list view, and the user's keys, clicks, edits, column drags and row
// drags reaching the object.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <imm.h>

#include <string>
#include <vector>

#include "platform/forms/ListGrid.h"
#include "platform/win32/Win32Application.h"
#include "platform/win32/Win32ControlWindow.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32Window.h"

namespace platform::win32 {
namespace {

struct GridForm : Form {
  GridForm() : Form("fmGrid", "一覧", {400, 300}, FormStyle::Main) {}
  ListGrid grid{*this,
                "ListGrid",
                {8, 8, 380, 276},
                {{.caption = " No",
                  .width = 50,
                  .align = TextAlign::Center,
                  .sortKind = GridSortKind::Number},
                 {.caption = "表示名", .width = 190, .editor = GridEditor::Text},
                 {.caption = "対象",
                  .width = 80,
                  .colour = GridColour::ButtonFace,
                  .editor = GridEditor::List,
                  .items = {"通常", "選択範囲"}}},
                1};
};

class Win32GridPeerTest : public ::testing::Test {
 protected:
  Win32Application app;
  GridForm form;

  Win32GridPeerTest() {
    app.CreateForm(form);
    form.grid.AssignRows({"1", "検索", "通常", "2", "辞書", "選択範囲", "3", "翻訳", "通常"});
    form.Show();
  }
  ~Win32GridPeerTest() override { form.Close(); }

  HWND Container() const {
    return static_cast<const Win32ControlWindow*>(form.grid.Peer())->Window();
  }
  HWND List() const { return FindWindowExW(Container(), nullptr, WC_LISTVIEWW, nullptr); }
  HWND Editor(const wchar_t* className) const {
    return FindWindowExW(Container(), nullptr, className, nullptr);
  }
  std::string ShownText(int row, int column) const {
    wchar_t text[256] = {};
    ListView_GetItemText(List(), row, column, text, 256);
    return ToAnsi(text);
  }
  std::vector<int> SelectedRows() const {
    std::vector<int> rows;
    for (int row = -1; (row = ListView_GetNextItem(List(), row, LVNI_SELECTED)) >= 0;) {
      rows.push_back(row);
    }
    return rows;
  }
  void Key(HWND window, WPARAM key) { SendMessageW(window, WM_KEYDOWN, key, 0); }
  bool At96Dpi() const { return GetDpiForWindow(Container()) == 96; }
};

TEST_F(Win32GridPeerTest, ShowsTheObjectsRowsColumnsAndSortArrow) {
  ASSERT_NE(List(), nullptr);
  EXPECT_TRUE(GetWindowLongPtrW(List(), GWL_STYLE) & LVS_OWNERDATA);
  EXPECT_EQ(ListView_GetItemCount(List()), 3);
  EXPECT_EQ(ShownText(1, 1), "辞書");
  EXPECT_EQ(ShownText(2, 2), "通常");
  HWND header = ListView_GetHeader(List());
  ASSERT_EQ(Header_GetItemCount(header), 3);
  wchar_t caption[32] = {};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT;
  item.pszText = caption;
  item.cchTextMax = 32;
  Header_GetItem(header, 1, &item);
  EXPECT_EQ(ToAnsi(caption), "表示名");
  EXPECT_EQ(item.fmt & HDF_JUSTIFYMASK, HDF_CENTER);
  LVCOLUMNW column{};
  column.mask = LVCF_FMT;
  ListView_GetColumn(List(), 0, &column);
  EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_CENTER) << "the number column is centred";
  if (At96Dpi()) {
    EXPECT_EQ(ListView_GetColumnWidth(List(), 1), 190);
  }

  form.grid.Sort(1, SortDirection::Descending);
  EXPECT_EQ(ShownText(0, 1), "翻訳");
  item.mask = HDI_FORMAT;
  Header_GetItem(header, 1, &item);
  EXPECT_TRUE(item.fmt & HDF_SORTDOWN);
  Header_GetItem(header, 0, &item);
  EXPECT_FALSE(item.fmt & (HDF_SORTDOWN | HDF_SORTUP));

  form.grid.SetColumnWidth(1, 120);
  if (At96Dpi()) {
    EXPECT_EQ(ListView_GetColumnWidth(List(), 1), 120);
  }
  form.grid.SelectRows(0, 2);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(ListView_GetNextItem(List(), -1, LVNI_FOCUSED), 2);

  std::vector<std::string> cells;
  for (int row = 0; row < 100000; ++row)
    cells.insert(cells.end(), {std::to_string(row + 1), "n", ""});
  form.grid.AssignRows(cells);
  EXPECT_EQ(ListView_GetItemCount(List()), 100000);
  EXPECT_EQ(ShownText(99999, 0), "100000");
  form.grid.FocusCell(99999, 1);
  EXPECT_GE(ListView_GetTopIndex(List()) + ListView_GetCountPerPage(List()), 99999)
      << "the focused row is scrolled into view";
}

TEST_F(Win32GridPeerTest, TheUsersSelectionKeysAndHeaderClicksReachTheObject) {
  ListView_SetItemState(List(), -1, 0, LVIS_SELECTED);
  ListView_SetItemState(List(), 1, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  EXPECT_EQ(form.grid.Selection(), (RowRange{1, 1}));
  Key(List(), VK_DOWN);
  EXPECT_EQ(form.grid.Selection(), (RowRange{2, 2}));
  EXPECT_EQ(SelectedRows(), (std::vector<int>{2}));
  Key(List(), VK_TAB);  // the next cell of the row
  EXPECT_EQ(form.grid.FocusedCell(), (CellPosition{2, 2}));

  NMLISTVIEW click{};
  click.hdr = {List(), static_cast<UINT_PTR>(GetDlgCtrlID(List())),
               static_cast<UINT>(LVN_COLUMNCLICK)};
  click.iItem = -1;
  click.iSubItem = 1;
  SendMessageW(Container(), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
  EXPECT_EQ(form.grid.SortColumn(), 1);
  EXPECT_EQ(ShownText(0, 1), "検索");

  // The user drags a column's border.
  ListView_SetColumnWidth(List(), 1, MulDiv(150, GetDpiForWindow(Container()), 96));
  EXPECT_EQ(form.grid.Column(1).width, 150);
}

TEST_F(Win32GridPeerTest, EditsACellInPlaceWithTheInputMethodOff) {
  form.grid.FocusCell(0, 1);
  SetFocus(List());
  Key(List(), VK_F2);
  ASSERT_TRUE(form.grid.Editing());
  HWND edit = Editor(L"Edit");
  ASSERT_NE(edit, nullptr);
  EXPECT_TRUE(IsWindowVisible(edit));
  EXPECT_EQ(ImmGetContext(edit), nullptr) << "the input method is off in the editor";
  SetWindowTextW(edit, L"Google");
  Key(edit, VK_RETURN);
  EXPECT_FALSE(form.grid.Editing());
  EXPECT_FALSE(IsWindowVisible(edit));
  EXPECT_EQ(form.grid.Cell(0, 1), "Google");
  EXPECT_EQ(ShownText(0, 1), "Google");

  Key(List(), VK_RETURN);
  SetWindowTextW(edit, L"lost");
  Key(edit, VK_ESCAPE);
  EXPECT_EQ(form.grid.Cell(0, 1), "Google");

  // Tab from the name goes on to the target and its drop-down list.
  Key(List(), VK_F2);
  Key(edit, VK_TAB);
  EXPECT_EQ(form.grid.FocusedCell(), (CellPosition{0, 2}));
  HWND list = Editor(L"ComboBox");
  ASSERT_TRUE(form.grid.Editing());
  EXPECT_TRUE(IsWindowVisible(list));
  EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 0);
  SendMessageW(list, CB_SETCURSEL, 1, 0);
  SendMessageW(Container(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
  Key(list, VK_RETURN);
  EXPECT_EQ(form.grid.Cell(0, 2), "選択範囲");
}

TEST_F(Win32GridPeerTest, ARowDraggedOntoAnotherMovesThere) {
  NMLISTVIEW drag{};
  drag.hdr = {List(), static_cast<UINT_PTR>(GetDlgCtrlID(List())),
              static_cast<UINT>(LVN_BEGINDRAG)};
  drag.iItem = 0;
  SendMessageW(Container(), WM_NOTIFY, drag.hdr.idFrom, reinterpret_cast<LPARAM>(&drag));
  RECT target{};
  ListView_GetItemRect(List(), 2, &target, LVIR_BOUNDS);
  POINT at{target.left + 60, (target.top + target.bottom) / 2};
  MapWindowPoints(List(), Container(), &at, 1);
  SendMessageW(Container(), WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
  EXPECT_EQ(form.grid.Cell(2, 1), "検索");
  EXPECT_EQ(form.grid.Selection(), (RowRange{2, 2}));
}

}  // namespace
}  // namespace platform::win32
