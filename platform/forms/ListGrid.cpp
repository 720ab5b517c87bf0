#include "platform/forms/ListGrid.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/forms/GridSortOrder.h"

namespace platform {

namespace {

// The grid's frame takes two pixels on each side.
constexpr int kFrame = 2;

}  // namespace

ListGrid::ListGrid(Form& form, std::string name, Bounds bounds, std::vector<GridColumn> columns,
                   int fixedColumns)
    : Control(form, ControlKind::Grid, std::move(name), bounds, ""),
      columns_(std::move(columns)),
      fixedColumns_(fixedColumns),
      cells_(columns_.size()) {
  if (columns_.empty() || fixedColumns_ < 0 || fixedColumns_ >= ColumnCount()) {
    throw std::logic_error("a grid needs a column that is not fixed");
  }
  focus_.column = fixedColumns_;
}

void ListGrid::SetColumnWidth(int column, int width) {
  columns_.at(column).width = std::max(0, width);
  Changed();
}

void ListGrid::ColumnResizedByUser(int column, int width) {
  columns_.at(column).width = std::max(0, width);
}

void ListGrid::SetCell(int row, int column, std::string text) {
  cells_.at(Index(row, column)) = std::move(text);
  Changed();
}

void ListGrid::SetColumnTexts(int column, const std::function<std::string(int row)>& textOfRow) {
  if (column < 0 || column >= ColumnCount()) throw std::out_of_range("no such grid column");
  CommitEdit();
  for (int row = 0; row < RowCount(); ++row) cells_[Index(row, column)] = textOfRow(row);
  Changed();
}

void ListGrid::AssignRows(std::vector<std::string> cells) {
  CancelEdit();
  const std::size_t width = columns_.size();
  const std::size_t rows = std::max<std::size_t>(1, (cells.size() + width - 1) / width);
  cells.resize(rows * width);
  cells_ = std::move(cells);
  ClearSortMark();
  topRow_ = 0;
  anchorRow_ = 0;
  focus_.row = 0;
  Changed();
}

void ListGrid::InsertRows(int at, int count) {
  if (count <= 0) return;
  CommitEdit();
  at = std::clamp(at, 0, RowCount());
  cells_.insert(cells_.begin() + static_cast<std::ptrdiff_t>(Index(at, 0)),
                static_cast<std::size_t>(count) * columns_.size(), std::string());
  if (anchorRow_ >= at) anchorRow_ += count;
  if (focus_.row >= at) focus_.row += count;
  ClearSortMark();
  EnsureVisible(focus_.row);
  Changed();
}

void ListGrid::DeleteRows(RowRange rows) {
  CommitEdit();
  rows.first = std::max(rows.first, 0);
  rows.last = std::min(rows.last, RowCount() - 1);
  if (rows.first > rows.last) return;
  cells_.erase(cells_.begin() + static_cast<std::ptrdiff_t>(Index(rows.first, 0)),
               cells_.begin() + static_cast<std::ptrdiff_t>(Index(rows.last + 1, 0)));
  if (cells_.empty()) cells_.resize(columns_.size());
  // The row that comes up into the deleted block's place is the one selected.
  const int row = ClampRow(rows.first);
  anchorRow_ = row;
  focus_.row = row;
  topRow_ = ClampTop(topRow_);
  EnsureVisible(row);
  Changed();
}

void ListGrid::MoveRow(int from, int to) {
  CommitEdit();
  from = ClampRow(from);
  to = ClampRow(to);
  const auto begin = cells_.begin();
  const auto width = static_cast<std::ptrdiff_t>(columns_.size());
  const auto source = begin + static_cast<std::ptrdiff_t>(Index(from, 0));
  const auto target = begin + static_cast<std::ptrdiff_t>(Index(to, 0));
  if (from < to) {
    std::rotate(source, source + width, target + width);
  } else {
    std::rotate(target, source, source + width);
  }
  if (from != to) ClearSortMark();
  anchorRow_ = to;
  focus_.row = to;
  EnsureVisible(to);
  Changed();
}

RowRange ListGrid::Selection() const {
  return {std::min(anchorRow_, focus_.row), std::max(anchorRow_, focus_.row)};
}

void ListGrid::SelectRows(int anchor, int focus) {
  CommitEdit();
  anchorRow_ = ClampRow(anchor);
  focus_.row = ClampRow(focus);
  EnsureVisible(focus_.row);
  Changed();
}

void ListGrid::FocusCell(int row, int column) {
  CommitEdit();
  focus_.column = ClampFocusColumn(column);
  SelectRows(row, row);
}

void ListGrid::ClickCellByUser(int row, int column, bool extend) {
  CommitEdit();
  focus_.column = ClampFocusColumn(column);
  SelectRows(extend ? anchorRow_ : row, row);
}

void ListGrid::SelectionChangedByUser(RowRange rows, int focusRow) {
  CommitEdit();
  rows.first = ClampRow(rows.first);
  rows.last = ClampRow(rows.last);
  if (rows.first > rows.last) std::swap(rows.first, rows.last);
  // The anchor is the end of the block away from the focus; a focus outside the block is
  // taken to be at its last row.
  focus_.row = focusRow == rows.first ? rows.first : rows.last;
  anchorRow_ = focus_.row == rows.first ? rows.last : rows.first;
  EnsureVisible(focus_.row);
}

int ListGrid::VisibleRowCount() const {
  return std::max(1, (GetBounds().height - 2 * kFrame - kRowHeight) / kRowHeight);
}

void ListGrid::Sort(int column, SortDirection direction) {
  if (column < 0 || column >= ColumnCount() || direction == SortDirection::None) return;
  CommitEdit();
  const std::vector<std::size_t> order = SortedRowOrder(
      cells_, columns_.size(), static_cast<std::size_t>(column),
      columns_[column].sortKind == GridSortKind::Number, direction == SortDirection::Descending);
  std::vector<std::string> sorted;
  sorted.reserve(cells_.size());
  int focusRow = focus_.row;
  for (std::size_t position = 0; position < order.size(); ++position) {
    const std::size_t row = order[position];
    if (static_cast<int>(row) == focus_.row) focusRow = static_cast<int>(position);
    for (std::size_t k = 0; k < columns_.size(); ++k) {
      sorted.push_back(std::move(cells_[row * columns_.size() + k]));
    }
  }
  cells_ = std::move(sorted);
  sortColumn_ = column;
  sortDirection_ = direction;
  anchorRow_ = focusRow;
  focus_.row = focusRow;
  EnsureVisible(focusRow);
  Changed();
}

void ListGrid::HeaderClickByUser(int column) {
  const bool again = column == sortColumn_ && sortDirection_ == SortDirection::Ascending;
  Sort(column, again ? SortDirection::Descending : SortDirection::Ascending);
}

bool ListGrid::BeginEdit() {
  if (editing_) return true;
  if (columns_[focus_.column].editor == GridEditor::None) return false;
  editing_ = true;
  editText_ = Cell(focus_.row, focus_.column);
  EnsureVisible(focus_.row);
  Changed();
  return true;
}

void ListGrid::CommitEdit() {
  if (!editing_) return;
  editing_ = false;
  cells_[Index(focus_.row, focus_.column)] = std::move(editText_);
  editText_.clear();
  Changed();
}

void ListGrid::CancelEdit() {
  if (!editing_) return;
  editing_ = false;
  editText_.clear();
  Changed();
}

bool ListGrid::KeyDownByUser(GridKey key, bool shift) {
  switch (key) {
    case GridKey::Escape:
      if (!editing_) return false;
      CancelEdit();
      return true;
    case GridKey::Enter:
    case GridKey::F2:
      if (editing_) {
        if (key == GridKey::F2) return false;
        CommitEdit();
        return true;
      }
      return BeginEdit();
    case GridKey::Tab: {
      const bool wasEditing = editing_;
      MoveFocusAcross(shift);
      if (wasEditing) BeginEdit();
      return true;
    }
    case GridKey::Up:
    case GridKey::Down:
    case GridKey::PageUp:
    case GridKey::PageDown: {
      const int page = VisibleRowCount();
      const int delta = key == GridKey::Up       ? -1
                        : key == GridKey::Down   ? 1
                        : key == GridKey::PageUp ? -page
                                                 : page;
      MoveFocusRows(delta, shift && !editing_);
      return true;
    }
    case GridKey::Home:
    case GridKey::End:
    case GridKey::Left:
    case GridKey::Right:
      if (editing_) return false;  // the editor's caret keys
      if (key == GridKey::Home || key == GridKey::End) {
        MoveFocusRows(key == GridKey::Home ? -RowCount() : RowCount(), shift);
      } else {
        FocusCell(focus_.row, focus_.column + (key == GridKey::Left ? -1 : 1));
      }
      return true;
  }
  return false;
}

int ListGrid::ClampRow(int row) const { return std::clamp(row, 0, RowCount() - 1); }

int ListGrid::ClampTop(int row) const {
  return std::clamp(row, 0, std::max(0, RowCount() - VisibleRowCount()));
}

int ListGrid::ClampFocusColumn(int column) const {
  return std::clamp(column, fixedColumns_, ColumnCount() - 1);
}

void ListGrid::EnsureVisible(int row) {
  if (row < topRow_) topRow_ = row;
  if (row >= topRow_ + VisibleRowCount()) topRow_ = row - VisibleRowCount() + 1;
  topRow_ = ClampTop(topRow_);
}

void ListGrid::ClearSortMark() {
  sortColumn_ = -1;
  sortDirection_ = SortDirection::None;
}

void ListGrid::MoveFocusRows(int delta, bool extend) {
  const int row = ClampRow(focus_.row + delta);
  SelectRows(extend ? anchorRow_ : row, row);
}

void ListGrid::MoveFocusAcross(bool backwards) {
  int row = focus_.row;
  int column = focus_.column + (backwards ? -1 : 1);
  if (column >= ColumnCount()) {
    if (row + 1 < RowCount()) {
      ++row;
      column = fixedColumns_;
    } else {
      column = ColumnCount() - 1;
    }
  } else if (column < fixedColumns_) {
    if (row > 0) {
      --row;
      column = ColumnCount() - 1;
    } else {
      column = fixedColumns_;
    }
  }
  FocusCell(row, column);
}

}  // namespace platform
