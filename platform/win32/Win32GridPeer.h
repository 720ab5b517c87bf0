#pragma once
// The window of a ListGrid: a list view in report mode inside a plain container window that
// receives its notifications. The list view is virtual (LVS_OWNERDATA): it holds no item per
// row and asks for the texts of the rows it paints, so 100 000 rows cost nothing here. The
// grid object stays the one place of the state: the list view shows the rows, the selection,
// the sort arrow and the widths that the object holds, and reports clicks, keys, drags and
// width changes to it. A cell is edited in an Edit or a drop-down list placed over it, with
// the input method off.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "platform/forms/ListGrid.h"
#include "platform/win32/Win32ControlWindow.h"

namespace platform::win32 {

class Win32GridPeer final : public Win32ControlWindow {
 public:
  Win32GridPeer(Win32Application& application, ListGrid& grid);
  ~Win32GridPeer() override;

 protected:
  WindowClass Class() const override;
  void ShowState() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void CreateChildren();
  void ShowColumns();
  void ShowSortMark();
  void ShowSelection();
  void ShowEditor();
  void HideEditor();
  // A cell's rectangle in the container's client pixels.
  RECT CellRect(int row, int column) const;

  LRESULT OnNotifyFromList(NMHDR& header);
  LRESULT CustomDraw(NMLVCUSTOMDRAW& draw) const;
  void DrawFirstCell(const NMLVCUSTOMDRAW& draw, int row) const;
  void ReadSelectionFromList();
  void ReadColumnWidths();
  void EndRowDrag(bool drop, POINT at);

  // The list view's and the editors' own messages, seen before their classes do.
  static LRESULT CALLBACK ListProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self);
  static LRESULT CALLBACK EditorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR id, DWORD_PTR self);
  // A key of the grid's: handed to the object; false when it leaves the key to the window.
  bool GridKeyDown(WPARAM key);

  ListGrid& grid_;
  HWND list_ = nullptr;
  HWND textEditor_ = nullptr;
  HWND listEditor_ = nullptr;
  HWND shownEditor_ = nullptr;
  HFONT font_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  int shownColumns_ = 0;
  RowRange shownSelection_{-1, -1};
  int shownFocus_ = -1;
  int shownRows_ = -1;
  bool syncing_ = false;      // the list view's echoes of a refresh are not the user's
  int dragRow_ = -1;          // the row being dragged, or -1
  std::wstring displayText_;  // the text handed to the list view for one cell
};

}  // namespace platform::win32
