#pragma once
// A grid of text cells under a row of column captions, kept whole in this object: the cells,
// the columns (caption, width, alignment, colour, cell editor, sort kind), the block of
// selected rows, the focused cell, the scroll position, the sort and an in-place edit. The
// Win32 side shows it as a virtual list view that asks for the texts of the rows on screen,
// so the grid holds no object or window per row and a list of 100 000 rows stays cheap.
//
// Rows are data rows counted from 0; the caption row is the header and no row of its own.
// The grid always has at least one data row. Leading columns may be fixed: they take no
// focus and no edit. Any change of the rows, the selection or the sort first commits an open
// edit into the cell it was opened on.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/forms/Control.h"

namespace platform {

enum class GridEditor {
  None,  // the cell is not edited
  Text,  // a single-line edit over the cell
  List,  // a drop-down list of the column's items over the cell
};

enum class GridSortKind { Text, Number };

// The colours a column's cells are painted in: the window's or the button face's.
enum class GridColour { Window, ButtonFace };

enum class SortDirection { None, Ascending, Descending };

// The keys the grid answers; every other key belongs to the window or to the cell editor.
enum class GridKey { Up, Down, PageUp, PageDown, Home, End, Left, Right, Tab, Enter, F2, Escape };

struct GridColumn {
  std::string caption{};
  int width = 64;
  TextAlign align = TextAlign::Left;
  GridColour colour = GridColour::Window;
  GridEditor editor = GridEditor::None;
  std::vector<std::string> items{};  // the choices of a List editor
  GridSortKind sortKind = GridSortKind::Text;
};

// The rows first..last, both included.
struct RowRange {
  int first = 0;
  int last = 0;
  int Count() const { return last - first + 1; }
  friend bool operator==(const RowRange&, const RowRange&) = default;
};

struct CellPosition {
  int row = 0;
  int column = 0;
  friend bool operator==(const CellPosition&, const CellPosition&) = default;
};

class ListGrid : public Control {
 public:
  static constexpr int kRowHeight = 20;  // data rows and the caption row alike

  ListGrid(Form& form, std::string name, Bounds bounds, std::vector<GridColumn> columns,
           int fixedColumns);

  // --- Columns ---
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  int FixedColumnCount() const { return fixedColumns_; }
  const GridColumn& Column(int column) const { return columns_.at(column); }
  void SetColumnWidth(int column, int width);
  // The user dragged the column's border: the window already shows the width.
  void ColumnResizedByUser(int column, int width);

  // --- Rows and cells ---
  int RowCount() const { return static_cast<int>(cells_.size() / columns_.size()); }
  const std::string& Cell(int row, int column) const { return cells_.at(Index(row, column)); }
  void SetCell(int row, int column, std::string text);
  // Sets the cell of every row in the column to the text the function gives for the row.
  void SetColumnTexts(int column, const std::function<std::string(int row)>& textOfRow);
  // Replaces every row by the cells given row after row (ColumnCount cells a row; a short
  // last row is filled with empty cells). No cells give one empty row. Drops an open edit,
  // the sort mark and the scroll position, and selects the first row.
  void AssignRows(std::vector<std::string> cells);
  // Inserts empty rows in front of the row (RowCount: after the last). The selection and
  // the focus stay on the rows they were on.
  void InsertRows(int at, int count);
  // Deletes the rows; deleting every row leaves one empty row. The rows below move up.
  void DeleteRows(RowRange rows);
  // Takes the row out and puts it back at the position `to` of the rows that then stand;
  // it becomes the selected row.
  void MoveRow(int from, int to);
  void MoveRowByUser(int from, int to) { MoveRow(from, to); }

  // --- Selection, focus and scrolling ---
  RowRange Selection() const;
  CellPosition FocusedCell() const { return focus_; }
  // Selects the block from the anchor row to the focus row and focuses the focus row in the
  // focused column, scrolling it into view.
  void SelectRows(int anchor, int focus);
  // Focuses the cell and selects its row alone (a fixed column gives the first other one).
  void FocusCell(int row, int column);
  // A click on a cell: focuses it; with `extend` (Shift held) the block reaches from the
  // anchor to it.
  void ClickCellByUser(int row, int column, bool extend);
  // The window's selection changed (a mouse drag over rows, Ctrl+A): the block and focus row.
  void SelectionChangedByUser(RowRange rows, int focusRow);

  // The first row on screen, and how many whole rows fit below the caption row.
  int TopRow() const { return topRow_; }
  int VisibleRowCount() const;
  void ScrolledByUser(int row) { topRow_ = ClampTop(row); }

  // --- Sorting ---
  int SortColumn() const { return sortColumn_; }  // -1 when the rows are in no sorted order
  SortDirection SortOrder() const { return sortDirection_; }
  // Orders the rows by the column (its sort kind), keeping the order of equal rows; the row
  // that had the focus keeps it. Number columns put numbers in their order first, then every
  // other text; text columns compare bytes with ASCII letters of either case alike.
  void Sort(int column, SortDirection direction);
  // A click on a caption sorts ascending; a second click on the same caption reverses.
  void HeaderClickByUser(int column);

  // --- In-place editing of the focused cell ---
  bool Editing() const { return editing_; }
  const std::string& EditText() const { return editText_; }
  // Opens the editor on the focused cell with its text; false when its column has none.
  bool BeginEdit();
  // The user typed into the editor, or picked an item of a List editor.
  void EditTypedByUser(std::string text) { editText_ = std::move(text); }
  // Writes the editor's text into the cell and closes the editor.
  void CommitEdit();
  // Closes the editor and leaves the cell as it was.
  void CancelEdit();

  // A key pressed in the grid or in its cell editor; false when the grid leaves the key to
  // the window (the caret keys of an open editor, say).
  bool KeyDownByUser(GridKey key, bool shift);

 private:
  std::size_t Index(int row, int column) const {
    return static_cast<std::size_t>(row) * columns_.size() + static_cast<std::size_t>(column);
  }
  int ClampRow(int row) const;
  int ClampTop(int row) const;
  int ClampFocusColumn(int column) const;
  void EnsureVisible(int row);
  void ClearSortMark();
  // Moves the focus a number of rows, extending the block from the anchor or not.
  void MoveFocusRows(int delta, bool extend);
  // Moves the focus to the next or previous focusable cell, row after row.
  void MoveFocusAcross(bool backwards);

  std::vector<GridColumn> columns_;
  int fixedColumns_;
  std::vector<std::string> cells_;  // row after row, ColumnCount cells each
  int anchorRow_ = 0;
  CellPosition focus_;
  int topRow_ = 0;
  int sortColumn_ = -1;
  SortDirection sortDirection_ = SortDirection::None;
  bool editing_ = false;
  std::string editText_;
};

}  // namespace platform
