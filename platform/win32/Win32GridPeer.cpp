#include "platform/win32/Win32GridPeer.h"

#include <commctrl.h>
#include <imm.h>

#include <algorithm>

#include "platform/win32/Win32Application.h"
#include "platform/win32/Win32Look.h"
#include "platform/win32/Win32Text.h"

namespace platform::win32 {

namespace {

constexpr wchar_t kContainerClass[] = L"TobrinListGrid";
constexpr UINT_PTR kSubclassId = 2;
constexpr int kListId = 1;
constexpr int kTextEditorId = 2;
constexpr int kListEditorId = 3;
constexpr int kDropDownHeight = 160;  // the list that drops down below a list editor
constexpr COLORREF kYellowStripe = RGB(255, 255, 204);
constexpr COLORREF kWhiteStripe = RGB(255, 255, 255);

// The focused cell is drawn as selected, a shade darker than the rest of its row.
COLORREF Darker(COLORREF colour) {
  return RGB(GetRValue(colour) * 3 / 4, GetGValue(colour) * 3 / 4, GetBValue(colour) * 3 / 4);
}

UINT DrawTextFormat(TextAlign align) {
  const UINT alignment = align == TextAlign::Center  ? DT_CENTER
                         : align == TextAlign::Right ? DT_RIGHT
                                                     : DT_LEFT;
  return alignment | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
}

void RegisterContainerClass() {
  static const bool registered = [] {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kContainerClass;
    return RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
}

int FormatOf(TextAlign align) {
  switch (align) {
    case TextAlign::Center:
      return LVCFMT_CENTER;
    case TextAlign::Right:
      return LVCFMT_RIGHT;
    case TextAlign::Left:
      break;
  }
  return LVCFMT_LEFT;
}

bool ShiftHeld() { return GetKeyState(VK_SHIFT) < 0; }

// The grid's key for a virtual key; false for a key the grid does not answer.
bool GridKeyOf(WPARAM key, GridKey& gridKey) {
  switch (key) {
    case VK_UP:
      gridKey = GridKey::Up;
      return true;
    case VK_DOWN:
      gridKey = GridKey::Down;
      return true;
    case VK_PRIOR:
      gridKey = GridKey::PageUp;
      return true;
    case VK_NEXT:
      gridKey = GridKey::PageDown;
      return true;
    case VK_HOME:
      gridKey = GridKey::Home;
      return true;
    case VK_END:
      gridKey = GridKey::End;
      return true;
    case VK_LEFT:
      gridKey = GridKey::Left;
      return true;
    case VK_RIGHT:
      gridKey = GridKey::Right;
      return true;
    case VK_TAB:
      gridKey = GridKey::Tab;
      return true;
    case VK_RETURN:
      gridKey = GridKey::Enter;
      return true;
    case VK_F2:
      gridKey = GridKey::F2;
      return true;
    case VK_ESCAPE:
      gridKey = GridKey::Escape;
      return true;
    default:
      return false;
  }
}

std::string TextOfWindow(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
  text.resize(static_cast<std::size_t>(std::max(length, 0)));
  return ToAnsi(text);
}

}  // namespace

Win32GridPeer::Win32GridPeer(Win32Application& application, ListGrid& grid)
    : Win32ControlWindow(application, grid), grid_(grid) {}

Win32GridPeer::~Win32GridPeer() {
  if (list_ != nullptr) RemoveWindowSubclass(list_, &ListProcedure, kSubclassId);
  for (HWND editor : {textEditor_, listEditor_}) {
    if (editor != nullptr) RemoveWindowSubclass(editor, &EditorProcedure, kSubclassId);
  }
}

Win32ControlWindow::WindowClass Win32GridPeer::Class() const {
  RegisterContainerClass();
  return {kContainerClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
}

void Win32GridPeer::CreateChildren() {
  RECT area{};
  GetClientRect(Window(), &area);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  list_ =
      CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | LVS_REPORT |
                          LVS_OWNERDATA | LVS_SHOWSELALWAYS,
                      0, 0, area.right, area.bottom, Window(),
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), instance, nullptr);
  ListView_SetExtendedListViewStyle(list_,
                                    LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
  // The grid's stripes lie on a button-face ground.
  ListView_SetBkColor(list_, GetSysColor(COLOR_BTNFACE));
  // A list view makes its rows as high as its small images: an image list of blank images of
  // the grid's row height gives the rows that height whatever the font. The list view
  // destroys the list with itself.
  const int rowHeight = ScaleForDpi(ListGrid::kRowHeight, GetDpiForWindow(Window()));
  ListView_SetImageList(list_, ImageList_Create(1, rowHeight, ILC_COLOR, 1, 0), LVSIL_SMALL);
  textEditor_ = CreateWindowExW(
      0, L"Edit", L"", WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, 0, 0, 0, 0, Window(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTextEditorId)), instance, nullptr);
  listEditor_ = CreateWindowExW(
      0, L"ComboBox", L"", WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 0, 0, 0, Window(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListEditorId)), instance, nullptr);
  SetWindowSubclass(list_, &ListProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  for (HWND editor : {textEditor_, listEditor_}) {
    // The cells hold addresses and names typed in half-width: the input method stays off.
    ImmAssociateContext(editor, nullptr);
    SetWindowSubclass(editor, &EditorProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  }
  if (font_ != nullptr) {
    for (HWND child : {list_, textEditor_, listEditor_}) {
      SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    }
  }
}

void Win32GridPeer::ShowState() {
  if (list_ == nullptr) CreateChildren();
  const bool wasSyncing = syncing_;
  syncing_ = true;
  ShowColumns();
  ListView_SetItemCountEx(list_, grid_.RowCount(), LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
  ShowSortMark();
  ShowSelection();
  if (grid_.Editing()) {
    ShowEditor();
  } else {
    HideEditor();
  }
  InvalidateRect(list_, nullptr, FALSE);
  syncing_ = wasSyncing;
}

void Win32GridPeer::ShowColumns() {
  dpi_ = GetDpiForWindow(Window());
  if (shownColumns_ == 0) {
    // A list view draws its first column left-aligned whatever it is told: a first column of
    // its own, taken out once the grid's columns are in, lets the grid's first one be centred.
    LVCOLUMNW placeholder{};
    placeholder.mask = LVCF_WIDTH;
    ListView_InsertColumn(list_, 0, &placeholder);
    for (int c = 0; c < grid_.ColumnCount(); ++c) {
      const GridColumn& column = grid_.Column(c);
      std::wstring caption = ToWide(column.caption);
      LVCOLUMNW item{};
      item.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
      item.fmt = FormatOf(column.align);
      item.cx = ScaleForDpi(column.width, dpi_);
      item.pszText = caption.data();
      ListView_InsertColumn(list_, c + 1, &item);
    }
    ListView_DeleteColumn(list_, 0);
    shownColumns_ = grid_.ColumnCount();
  }
  for (int c = 0; c < shownColumns_; ++c) {
    const int width = ScaleForDpi(grid_.Column(c).width, dpi_);
    if (ListView_GetColumnWidth(list_, c) != width) ListView_SetColumnWidth(list_, c, width);
  }
}

void Win32GridPeer::ShowSortMark() {
  HWND header = ListView_GetHeader(list_);
  for (int c = 0; c < shownColumns_; ++c) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    Header_GetItem(header, c, &item);
    // Captions are centred whatever their cells' alignment.
    int format = (item.fmt & ~(HDF_SORTUP | HDF_SORTDOWN | HDF_JUSTIFYMASK)) | HDF_CENTER;
    if (c == grid_.SortColumn()) {
      format |= grid_.SortOrder() == SortDirection::Descending ? HDF_SORTDOWN : HDF_SORTUP;
    }
    if (format != item.fmt) {
      item.fmt = format;
      Header_SetItem(header, c, &item);
    }
  }
}

void Win32GridPeer::ShowSelection() {
  const RowRange selection = grid_.Selection();
  const int focus = grid_.FocusedCell().row;
  // Every change of the grid refreshes the window; a block of many rows is set only when it
  // changed.
  if (selection == shownSelection_ && focus == shownFocus_ && grid_.RowCount() == shownRows_) {
    return;
  }
  shownSelection_ = selection;
  shownFocus_ = focus;
  shownRows_ = grid_.RowCount();
  const int anchor = focus == selection.first ? selection.last : selection.first;
  ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  for (int row = selection.first; row <= selection.last; ++row) {
    ListView_SetItemState(list_, row, LVIS_SELECTED, LVIS_SELECTED);
  }
  ListView_SetItemState(list_, focus, LVIS_FOCUSED, LVIS_FOCUSED);
  ListView_SetSelectionMark(list_, anchor);
  ListView_EnsureVisible(list_, focus, FALSE);
}

RECT Win32GridPeer::CellRect(int row, int column) const {
  RECT cell{};
  ListView_GetSubItemRect(list_, row, column, column == 0 ? LVIR_LABEL : LVIR_BOUNDS, &cell);
  MapWindowPoints(list_, Window(), reinterpret_cast<POINT*>(&cell), 2);
  return cell;
}

void Win32GridPeer::ShowEditor() {
  const CellPosition cell = grid_.FocusedCell();
  const GridColumn& column = grid_.Column(cell.column);
  HWND editor = column.editor == GridEditor::List ? listEditor_ : textEditor_;
  ListView_EnsureVisible(list_, cell.row, FALSE);
  const RECT area = CellRect(cell.row, cell.column);
  const bool opening = shownEditor_ != editor;
  if (opening) {
    HideEditor();
    if (editor == listEditor_) {
      SendMessageW(editor, CB_RESETCONTENT, 0, 0);
      for (const std::string& item : column.items) {
        SendMessageW(editor, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ToWide(item).c_str()));
      }
      const auto found = std::find(column.items.begin(), column.items.end(), grid_.EditText());
      SendMessageW(editor, CB_SETCURSEL,
                   found == column.items.end() ? -1 : found - column.items.begin(), 0);
    } else {
      SetWindowTextW(editor, ToWide(grid_.EditText()).c_str());
      SendMessageW(editor, EM_SETSEL, 0, -1);
    }
  }
  const int height = area.bottom - area.top + (editor == listEditor_ ? kDropDownHeight : 0);
  SetWindowPos(editor, HWND_TOP, area.left, area.top, area.right - area.left, height,
               SWP_SHOWWINDOW);
  shownEditor_ = editor;
  if (opening) SetFocus(editor);
}

void Win32GridPeer::HideEditor() {
  if (shownEditor_ == nullptr) return;
  HWND editor = shownEditor_;
  shownEditor_ = nullptr;
  const bool hadFocus = GetFocus() == editor;
  ShowWindow(editor, SW_HIDE);
  // The keyboard goes back to the rows, unless the user has put it elsewhere.
  if (hadFocus) SetFocus(list_);
}

bool Win32GridPeer::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_SIZE:
      if (list_ != nullptr) MoveWindow(list_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
      return false;
    case WM_SETFONT:
      font_ = reinterpret_cast<HFONT>(wParam);
      for (HWND child : {list_, textEditor_, listEditor_}) {
        if (child != nullptr) SendMessageW(child, WM_SETFONT, wParam, lParam);
      }
      return false;
    case WM_SETFOCUS:
      if (list_ != nullptr) SetFocus(shownEditor_ != nullptr ? shownEditor_ : list_);
      result = 0;
      return true;
    case WM_NOTIFY: {
      auto& header = *reinterpret_cast<NMHDR*>(lParam);
      if (header.hwndFrom != list_) return false;
      result = OnNotifyFromList(header);
      return true;
    }
    case WM_COMMAND: {
      const auto from = reinterpret_cast<HWND>(lParam);
      const WORD code = HIWORD(wParam);
      if (syncing_ || from == nullptr || from != shownEditor_) return false;
      if (code == EN_CHANGE) {
        Deliver([this, from] { grid_.EditTypedByUser(TextOfWindow(from)); });
      } else if (code == CBN_SELCHANGE) {
        const auto index = SendMessageW(from, CB_GETCURSEL, 0, 0);
        const auto& items = grid_.Column(grid_.FocusedCell().column).items;
        if (index >= 0 && index < static_cast<LRESULT>(items.size())) {
          Deliver([this, &items, index] { grid_.EditTypedByUser(items[index]); });
        }
      } else if (code == EN_KILLFOCUS || code == CBN_KILLFOCUS) {
        // A click elsewhere ends the edit and keeps what was typed.
        Deliver([this] { grid_.CommitEdit(); });
      }
      result = 0;
      return true;
    }
    case WM_LBUTTONUP:
      if (dragRow_ < 0) return false;
      EndRowDrag(true,
                 POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
      result = 0;
      return true;
    case WM_MOUSEMOVE:
      if (dragRow_ < 0) return false;
      SetCursor(LoadCursorW(nullptr, IDC_SIZENS));
      result = 0;
      return true;
    case WM_CAPTURECHANGED:
      dragRow_ = -1;
      return false;
    default:
      return false;
  }
}

LRESULT Win32GridPeer::OnNotifyFromList(NMHDR& header) {
  switch (header.code) {
    case LVN_GETDISPINFOW: {
      LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(header).item;
      if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0) break;
      const bool inGrid = item.iItem >= 0 && item.iItem < grid_.RowCount() && item.iSubItem >= 0 &&
                          item.iSubItem < grid_.ColumnCount();
      displayText_ = inGrid ? ToWide(grid_.Cell(item.iItem, item.iSubItem)) : std::wstring();
      lstrcpynW(item.pszText, displayText_.c_str(), item.cchTextMax);
      break;
    }
    case LVN_ITEMCHANGED:
    case LVN_ODSTATECHANGED:
      if (!syncing_) ReadSelectionFromList();
      break;
    case NM_CLICK:
    case NM_DBLCLK: {
      const auto& click = reinterpret_cast<NMITEMACTIVATE&>(header);
      if (click.iItem < 0) break;
      const bool extend = ShiftHeld();
      Deliver(
          [this, &click, extend] { grid_.ClickCellByUser(click.iItem, click.iSubItem, extend); });
      if (header.code == NM_DBLCLK) Deliver([this] { grid_.BeginEdit(); });
      break;
    }
    case LVN_COLUMNCLICK: {
      const int column = reinterpret_cast<NMLISTVIEW&>(header).iSubItem;
      Deliver([this, column] { grid_.HeaderClickByUser(column); });
      break;
    }
    case LVN_BEGINDRAG:
      dragRow_ = reinterpret_cast<NMLISTVIEW&>(header).iItem;
      SetCapture(Window());
      SetCursor(LoadCursorW(nullptr, IDC_SIZENS));
      break;
    case NM_CUSTOMDRAW:
      return CustomDraw(reinterpret_cast<NMLVCUSTOMDRAW&>(header));
    default:
      break;
  }
  return 0;
}

LRESULT Win32GridPeer::CustomDraw(NMLVCUSTOMDRAW& draw) const {
  switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      // The selection is painted here from the grid's own, cell by cell.
      draw.nmcd.uItemState &= ~(CDIS_SELECTED | CDIS_FOCUS);
      return CDRF_NOTIFYSUBITEMDRAW;
    case CDDS_ITEMPREPAINT | CDDS_SUBITEM: {
      const int row = static_cast<int>(draw.nmcd.dwItemSpec);
      const int column = draw.iSubItem;
      if (column < 0 || column >= grid_.ColumnCount()) return CDRF_DODEFAULT;
      const RowRange selection = grid_.Selection();
      const CellPosition focus = grid_.FocusedCell();
      draw.nmcd.uItemState &= ~(CDIS_SELECTED | CDIS_FOCUS);
      if (row >= selection.first && row <= selection.last) {
        const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
        const bool focused = row == focus.row && column == focus.column;
        draw.clrTextBk = focused ? Darker(highlight) : highlight;
        draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
      } else if (grid_.Column(column).colour == GridColour::ButtonFace) {
        draw.clrTextBk = GetSysColor(COLOR_BTNFACE);
        draw.clrText = GetSysColor(COLOR_WINDOWTEXT);
      } else {
        draw.clrTextBk = row % 2 == 0 ? kYellowStripe : kWhiteStripe;
        draw.clrText = GetSysColor(COLOR_WINDOWTEXT);
      }
      // A list view draws its first column its own way (left-aligned, selected as the row):
      // that cell is drawn here.
      if (column == 0) {
        DrawFirstCell(draw, row);
        return CDRF_SKIPDEFAULT;
      }
      return CDRF_NEWFONT;
    }
    default:
      return CDRF_DODEFAULT;
  }
}

void Win32GridPeer::DrawFirstCell(const NMLVCUSTOMDRAW& draw, int row) const {
  RECT cell{};
  ListView_GetSubItemRect(list_, row, 0, LVIR_LABEL, &cell);
  HBRUSH ground = CreateSolidBrush(draw.clrTextBk);
  FillRect(draw.nmcd.hdc, &cell, ground);
  DeleteObject(ground);
  const int oldMode = SetBkMode(draw.nmcd.hdc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(draw.nmcd.hdc, draw.clrText);
  const std::wstring text = ToWide(grid_.Cell(row, 0));
  InflateRect(&cell, -2, 0);
  DrawTextW(draw.nmcd.hdc, text.c_str(), static_cast<int>(text.size()), &cell,
            DrawTextFormat(grid_.Column(0).align));
  SetTextColor(draw.nmcd.hdc, oldColour);
  SetBkMode(draw.nmcd.hdc, oldMode);
}

void Win32GridPeer::ReadSelectionFromList() {
  const int first = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  if (first < 0) return;  // between the unselecting and the selecting of one click
  const int count = static_cast<int>(ListView_GetSelectedCount(list_));
  const int focus = ListView_GetNextItem(list_, -1, LVNI_FOCUSED);
  const RowRange rows{first, first + std::max(count, 1) - 1};
  // The grid keeps a block: what the user selected is taken from its first to its last row.
  // An open edit is committed first, and the refresh of that shows the earlier selection:
  // the window is then brought back to the grid's new one.
  const bool wasEditing = grid_.Editing();
  syncing_ = true;
  Deliver(
      [this, rows, focus] { grid_.SelectionChangedByUser(rows, focus >= 0 ? focus : rows.first); });
  shownSelection_ = grid_.Selection();
  shownFocus_ = grid_.FocusedCell().row;
  if (wasEditing || rows != shownSelection_) {
    shownRows_ = -1;
    ShowSelection();
  }
  syncing_ = false;
}

void Win32GridPeer::ReadColumnWidths() {
  for (int c = 0; c < shownColumns_; ++c) {
    const int width =
        MulDiv(ListView_GetColumnWidth(list_, c), USER_DEFAULT_SCREEN_DPI, static_cast<int>(dpi_));
    if (width != grid_.Column(c).width)
      Deliver([this, c, width] { grid_.ColumnResizedByUser(c, width); });
  }
}

void Win32GridPeer::EndRowDrag(bool drop, POINT at) {
  const int from = dragRow_;
  dragRow_ = -1;
  ReleaseCapture();
  if (!drop || from < 0) return;
  MapWindowPoints(Window(), list_, &at, 1);
  LVHITTESTINFO hit{};
  hit.pt = at;
  int to = ListView_HitTest(list_, &hit);
  if (to < 0) {
    // Below the last row: the row goes to the end; above the rows: to the top.
    to = at.y > 0 ? grid_.RowCount() - 1 : 0;
  }
  if (to != from) Deliver([this, from, to] { grid_.MoveRowByUser(from, to); });
}

bool Win32GridPeer::GridKeyDown(WPARAM key) {
  GridKey gridKey;
  if (!GridKeyOf(key, gridKey)) return false;
  bool handled = false;
  const bool shift = ShiftHeld();
  Deliver([this, gridKey, shift, &handled] { handled = grid_.KeyDownByUser(gridKey, shift); });
  return handled;
}

LRESULT CALLBACK Win32GridPeer::ListProcedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* peer = reinterpret_cast<Win32GridPeer*>(self);
  switch (message) {
    case WM_GETDLGCODE:
      // Tab moves between cells and Enter starts an edit: the grid takes every key.
      return DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      if (peer->GridKeyDown(wParam)) return 0;
      break;
    case WM_CHAR:
      if (wParam == L'\t' || wParam == L'\r' || wParam == 0x1B) return 0;  // no beep
      break;
    case WM_SETFOCUS:
      peer->grid_.FocusedByUser();
      break;
    case WM_VSCROLL:
    case WM_MOUSEWHEEL: {
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      peer->grid_.ScrolledByUser(ListView_GetTopIndex(window));
      return result;
    }
    case WM_NOTIFY: {
      // The header's width changes reach the list view, not its parent.
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      const UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
      if (!peer->syncing_ && (code == HDN_ENDTRACKW || code == HDN_ITEMCHANGEDW)) {
        peer->ReadColumnWidths();
      }
      return result;
    }
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK Win32GridPeer::EditorProcedure(HWND window, UINT message, WPARAM wParam,
                                                LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* peer = reinterpret_cast<Win32GridPeer*>(self);
  switch (message) {
    case WM_GETDLGCODE:
      return DefSubclassProc(window, message, wParam, lParam) | DLGC_WANTALLKEYS | DLGC_WANTTAB;
    case WM_KEYDOWN: {
      // Enter, Escape and Tab end or move the edit; the text editor also leaves by Up and
      // Down, which the drop-down list keeps for its items.
      const bool grids = wParam == VK_RETURN || wParam == VK_ESCAPE || wParam == VK_TAB ||
                         (window == peer->textEditor_ && (wParam == VK_UP || wParam == VK_DOWN ||
                                                          wParam == VK_PRIOR || wParam == VK_NEXT));
      if (grids && peer->GridKeyDown(wParam)) return 0;
      break;
    }
    case WM_CHAR:
      if (wParam == L'\t' || wParam == L'\r' || wParam == 0x1B) return 0;  // no beep
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace platform::win32
