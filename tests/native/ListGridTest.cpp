// The grid control's own rules: at least one row, inserting, deleting and moving rows with
// the selection, stable sorting by numbers and texts, in-place editing and the keyboard.
#include "platform/forms/ListGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "platform/forms/Form.h"
#include "platform/forms/GridSortOrder.h"

namespace {

using platform::CellPosition;
using platform::GridColumn;
using platform::GridEditor;
using platform::GridKey;
using platform::GridSortKind;
using platform::ListGrid;
using platform::RowRange;
using platform::SortDirection;

// A number column (fixed), a text column and a list column; 12 rows fit on screen.
struct GridForm : platform::Form {
  GridForm() : Form("fmGrid", "", {800, 400}, platform::FormStyle::Dialog) {}
  ListGrid grid{*this,
                "grid",
                {0, 0, 777, 276},
                {{.caption = " No", .sortKind = GridSortKind::Number},
                 {.caption = "name", .editor = GridEditor::Text},
                 {.caption = "kind", .editor = GridEditor::List, .items = {"a", "b"}}},
                1};

  // Rows of "number,name" pairs; the list column stays empty.
  void SetRows(const std::vector<std::pair<std::string, std::string>>& rows) {
    std::vector<std::string> cells;
    for (const auto& [number, name] : rows) cells.insert(cells.end(), {number, name, ""});
    grid.AssignRows(cells);
  }
  // The name column from top to bottom.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int row = 0; row < grid.RowCount(); ++row) names.push_back(grid.Cell(row, 1));
    return names;
  }
  void SetNames(const std::vector<std::string>& names) {
    std::vector<std::pair<std::string, std::string>> rows;
    for (const std::string& name : names) rows.push_back({"", name});
    SetRows(rows);
  }
};

using Names = std::vector<std::string>;

TEST(ListGrid, AlwaysKeepsOneRow) {
  GridForm f;
  EXPECT_EQ(f.grid.RowCount(), 1);
  f.grid.AssignRows({});
  EXPECT_EQ(f.grid.RowCount(), 1);
  f.grid.AssignRows({"1", "x"});  // a short last row is filled up
  EXPECT_EQ(f.grid.RowCount(), 1);
  EXPECT_EQ(f.grid.Cell(0, 2), "");
  f.SetNames({"a", "b", "c"});
  f.grid.DeleteRows({0, 2});
  EXPECT_EQ(f.Names(), Names{""});
  EXPECT_EQ(f.grid.Cell(0, 0), "");
  f.grid.DeleteRows({5, 9});  // outside the rows: nothing
  EXPECT_EQ(f.grid.RowCount(), 1);
}

TEST(ListGrid, InsertAndDeleteKeepTheSelectionOnItsRows) {
  GridForm f;
  f.SetNames({"a", "b", "c", "d", "e"});
  f.grid.SelectRows(1, 2);
  f.grid.InsertRows(1, 2);
  EXPECT_EQ(f.Names(), (Names{"a", "", "", "b", "c", "d", "e"}));
  EXPECT_EQ(f.grid.Selection(), (RowRange{3, 4}));
  f.grid.InsertRows(99, 1);  // past the end: after the last row
  EXPECT_EQ(f.Names().back(), "");
  EXPECT_EQ(f.grid.RowCount(), 8);

  f.grid.DeleteRows(f.grid.Selection());
  EXPECT_EQ(f.Names(), (Names{"a", "", "", "d", "e", ""}));
  EXPECT_EQ(f.grid.Selection(), (RowRange{3, 3}));  // the row that came up
  f.grid.SelectRows(4, 5);
  f.grid.DeleteRows(f.grid.Selection());
  EXPECT_EQ(f.grid.Selection(), (RowRange{3, 3}));  // the last row is selected
}

TEST(ListGrid, MovesARowAndSelectsIt) {
  struct Case {
    int from, to;
    Names names;
  };
  const Case cases[] = {
      {0, 3, {"b", "c", "d", "a"}}, {3, 0, {"d", "a", "b", "c"}}, {1, 2, {"a", "c", "b", "d"}},
      {2, 2, {"a", "b", "c", "d"}}, {1, 9, {"a", "c", "d", "b"}},
  };
  for (const Case& c : cases) {
    GridForm f;
    f.SetNames({"a", "b", "c", "d"});
    f.grid.MoveRowByUser(c.from, c.to);
    EXPECT_EQ(f.Names(), c.names) << c.from << "->" << c.to;
    EXPECT_EQ(f.grid.Selection().first, std::min(c.to, 3));
  }
}

TEST(ListGrid, NumberColumnSortsNumbersFirstByValue) {
  GridForm f;
  f.SetRows({{"10", "ten"},
             {"9", "nine"},
             {"abc", "text"},
             {"", "empty"},
             {" 007 ", "seven"},
             {"-1", "minus"},
             {"123456789012345678901234", "huge"},
             {"1e3", "exp"},
             {"+9", "plus nine"},
             {"-0", "zero"}});
  f.grid.Sort(0, SortDirection::Ascending);
  EXPECT_EQ(f.Names(), (Names{"minus", "zero", "seven", "nine", "plus nine", "ten", "huge", "empty",
                              "exp", "text"}))
      << "texts after numbers, in text order; equal numbers keep their order";
  // Descending reverses the order of keys but keeps equal keys in their order.
  f.grid.Sort(0, SortDirection::Descending);
  EXPECT_EQ(f.Names(), (Names{"text", "exp", "empty", "huge", "ten", "nine", "plus nine", "seven",
                              "zero", "minus"}));
}

TEST(ListGrid, TextSortIsStableAndIgnoresLetterCase) {
  GridForm f;
  f.SetRows({{"1", "goo辞書"},
             {"2", "Google"},
             {"3", "b"},
             {"4", "B"},
             {"5", "あ"},
             {"6", "A"},
             {"7", "b"}});
  f.grid.Sort(1, SortDirection::Ascending);
  std::vector<std::string> numbers;
  for (int row = 0; row < f.grid.RowCount(); ++row) numbers.push_back(f.grid.Cell(row, 0));
  EXPECT_EQ(numbers, (Names{"6", "3", "4", "7", "2", "1", "5"}));
  f.grid.Sort(1, SortDirection::Descending);
  numbers.clear();
  for (int row = 0; row < f.grid.RowCount(); ++row) numbers.push_back(f.grid.Cell(row, 0));
  EXPECT_EQ(numbers, (Names{"5", "1", "2", "3", "4", "7", "6"}));
}

TEST(ListGrid, CompareTextFoldsOnlyAsciiLettersOutsideDoubleByteCharacters) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
  };
  const Case cases[] = {
      {"abc", "ABC", 0},
      {"abc", "abd", -1},
      {"ab", "abc", -1},
      {"", "", 0},
      {"Z", "a", 1},
      {"[", "a", 1},  // letters rank as capitals: A..Z < [ < a..z
      // ア (83 41) and ヂ (83 61): the trail bytes differ only in what folding would erase.
      {"ア", "ヂ", -1},
      {"表a", "表A", 0},
  };
  for (const Case& c : cases) {
    const int result = platform::CompareTextIgnoringCase(c.a, c.b);
    EXPECT_EQ((result > 0) - (result < 0), c.sign) << c.a << " / " << c.b;
  }
}

// The sort's shortcut (a folded prefix of each text) orders as the plain comparison does:
// texts that share long prefixes, letters of both cases, double-byte characters whose second
// byte is a letter, across the prefix's end.
TEST(ListGrid, TextSortAgreesWithTheComparisonOfWholeTexts) {
  const std::string pieces[] = {"a", "A", "b", "Z", "[", "ア", "ヂ", "表", "0", "aaaaaaaaaaaaaaa"};
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::vector<std::string> cells;
    for (int row = 0; row < 50; ++row) {
      std::string text;
      const int length = static_cast<int>(random() % 12);
      for (int k = 0; k < length; ++k) text += pieces[random() % std::size(pieces)];
      cells.push_back(text);
    }
    for (const bool descending : {false, true}) {
      std::vector<std::size_t> expected(cells.size());
      for (std::size_t i = 0; i < expected.size(); ++i) expected[i] = i;
      std::stable_sort(expected.begin(), expected.end(), [&](std::size_t a, std::size_t b) {
        const int order = platform::CompareTextIgnoringCase(cells[a], cells[b]);
        return descending ? order > 0 : order < 0;
      });
      ASSERT_EQ(platform::SortedRowOrder(cells, 1, 0, false, descending), expected) << round;
    }
  }
}

TEST(ListGrid, SortKeepsTheFocusedRowAndHeaderClicksCycle) {
  GridForm f;
  f.SetNames({"c", "a", "b"});
  f.grid.FocusCell(0, 1);  // "c"
  f.grid.HeaderClickByUser(1);
  EXPECT_EQ(f.Names(), (Names{"a", "b", "c"}));
  EXPECT_EQ(f.grid.SortColumn(), 1);
  EXPECT_EQ(f.grid.SortOrder(), SortDirection::Ascending);
  EXPECT_EQ(f.grid.FocusedCell(), (CellPosition{2, 1}));
  EXPECT_EQ(f.grid.Selection(), (RowRange{2, 2}));
  f.grid.HeaderClickByUser(1);
  EXPECT_EQ(f.Names(), (Names{"c", "b", "a"}));
  EXPECT_EQ(f.grid.SortOrder(), SortDirection::Descending);
  f.grid.HeaderClickByUser(1);
  EXPECT_EQ(f.grid.SortOrder(), SortDirection::Ascending);
  // Rows put in by hand are in no sorted order any more.
  f.grid.MoveRow(0, 2);
  EXPECT_EQ(f.grid.SortColumn(), -1);
  f.grid.HeaderClickByUser(0);
  f.grid.InsertRows(0, 1);
  EXPECT_EQ(f.grid.SortOrder(), SortDirection::None);
}

TEST(ListGrid, EditsTheFocusedCellInPlace) {
  GridForm f;
  f.SetNames({"a", "b", "c"});
  f.grid.FocusCell(1, 0);  // a fixed column gives the first other one
  EXPECT_EQ(f.grid.FocusedCell(), (CellPosition{1, 1}));
  ASSERT_TRUE(f.grid.KeyDownByUser(GridKey::F2, false));
  EXPECT_EQ(f.grid.EditText(), "b");
  f.grid.EditTypedByUser("B");
  EXPECT_EQ(f.grid.Cell(1, 1), "b") << "nothing written before the commit";
  EXPECT_TRUE(f.grid.KeyDownByUser(GridKey::Escape, false));
  EXPECT_FALSE(f.grid.Editing());
  EXPECT_EQ(f.grid.Cell(1, 1), "b");

  f.grid.KeyDownByUser(GridKey::Enter, false);
  f.grid.EditTypedByUser("B");
  f.grid.KeyDownByUser(GridKey::Enter, false);
  EXPECT_FALSE(f.grid.Editing());
  EXPECT_EQ(f.grid.Cell(1, 1), "B");

  // Tab commits, moves on and edits the next cell; at the row's end it goes to the next row.
  f.grid.KeyDownByUser(GridKey::F2, false);
  f.grid.EditTypedByUser("name");
  f.grid.KeyDownByUser(GridKey::Tab, false);
  EXPECT_EQ(f.grid.Cell(1, 1), "name");
  EXPECT_TRUE(f.grid.Editing());
  EXPECT_EQ(f.grid.FocusedCell(), (CellPosition{1, 2}));
  f.grid.EditTypedByUser("b");
  f.grid.KeyDownByUser(GridKey::Tab, false);
  EXPECT_EQ(f.grid.Cell(1, 2), "b");
  EXPECT_EQ(f.grid.FocusedCell(), (CellPosition{2, 1}));
  f.grid.KeyDownByUser(GridKey::Tab, true);
  EXPECT_EQ(f.grid.FocusedCell(), (CellPosition{1, 2}));

  // A click elsewhere commits the edit into the cell it was opened on.
  f.grid.FocusCell(0, 1);
  f.grid.BeginEdit();
  f.grid.EditTypedByUser("first");
  f.grid.ClickCellByUser(2, 2, false);
  EXPECT_EQ(f.grid.Cell(0, 1), "first");
  EXPECT_EQ(f.grid.Cell(2, 2), "");
  EXPECT_FALSE(f.grid.Editing());

  // Loading other rows drops an open edit.
  f.grid.BeginEdit();
  f.grid.EditTypedByUser("lost");
  f.SetNames({"x"});
  EXPECT_FALSE(f.grid.Editing());
  EXPECT_EQ(f.Names(), Names{"x"});
}

TEST(ListGrid, ArrowKeysMoveAndExtendTheSelectionAndKeepItVisible) {
  GridForm f;
  f.SetNames(Names(40, "x"));
  EXPECT_EQ(f.grid.VisibleRowCount(), 12);
  struct Step {
    GridKey key;
    bool shift;
    RowRange selection;
    int focusRow;
    int top;
  };
  const Step steps[] = {
      {GridKey::Down, false, {1, 1}, 1, 0},      {GridKey::Down, true, {1, 2}, 2, 0},
      {GridKey::PageDown, true, {1, 14}, 14, 3}, {GridKey::Up, false, {13, 13}, 13, 3},
      {GridKey::End, false, {39, 39}, 39, 28},   {GridKey::Home, true, {0, 39}, 0, 0},
      {GridKey::Up, false, {0, 0}, 0, 0},        {GridKey::PageUp, false, {0, 0}, 0, 0},
  };
  for (const Step& s : steps) {
    EXPECT_TRUE(f.grid.KeyDownByUser(s.key, s.shift));
    EXPECT_EQ(f.grid.Selection(), s.selection) << static_cast<int>(s.key);
    EXPECT_EQ(f.grid.FocusedCell().row, s.focusRow) << static_cast<int>(s.key);
    EXPECT_EQ(f.grid.TopRow(), s.top) << static_cast<int>(s.key);
  }
  f.grid.KeyDownByUser(GridKey::Right, false);
  f.grid.KeyDownByUser(GridKey::Right, false);
  EXPECT_EQ(f.grid.FocusedCell().column, 2);
  f.grid.KeyDownByUser(GridKey::Left, false);
  f.grid.KeyDownByUser(GridKey::Left, false);
  EXPECT_EQ(f.grid.FocusedCell().column, 1) << "the fixed column takes no focus";
  // While a cell is edited the caret keys belong to the editor.
  f.grid.BeginEdit();
  EXPECT_FALSE(f.grid.KeyDownByUser(GridKey::Left, false));
  EXPECT_FALSE(f.grid.KeyDownByUser(GridKey::Home, false));
}

TEST(ListGrid, SelectionFromTheWindowKeepsItsAnchor) {
  GridForm f;
  f.SetNames(Names(30, "x"));
  f.grid.SelectionChangedByUser({5, 20}, 5);
  EXPECT_EQ(f.grid.Selection(), (RowRange{5, 20}));
  EXPECT_EQ(f.grid.FocusedCell().row, 5);
  f.grid.KeyDownByUser(GridKey::Down, true);  // shrinks from the top, anchored at 20
  EXPECT_EQ(f.grid.Selection(), (RowRange{6, 20}));
  f.grid.SelectionChangedByUser({25, 99}, 40);
  EXPECT_EQ(f.grid.Selection(), (RowRange{25, 29}));
  f.grid.ColumnResizedByUser(1, 222);
  EXPECT_EQ(f.grid.Column(1).width, 222);
}

}  // namespace
