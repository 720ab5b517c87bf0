#pragma once
// The controls of another program's window as a person, or a screen reader, meets them: windows
// of the standard classes (Button, Edit, ComboBox, Static, SysTabControl32) found by class and
// caption, and where captions repeat, by their place on the screen. The actions are the
// messages a control gets when a person uses it, sent from the driver's process; each control
// then tells its parent window as it would after a click, a keystroke or a choice.
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

std::wstring ClassOf(HWND window);
// The window text as code page 932 bytes.
std::string TextOf(HWND window);
RECT ScreenRectOf(HWND window);

// The visible windows of the class among all descendants of `root` (an Edit inside a combo
// box is part of the box, not a control of its own), in reading order: rows from top to
// bottom (tops within a few pixels make one row), each row from left to right.
std::vector<HWND> VisibleControls(HWND root, const wchar_t* className);
// Those whose top lies in the screen rows [top, bottom).
std::vector<HWND> VisibleControlsInBand(HWND root, const wchar_t* className, int top, int bottom);
// The nth visible control of the class with exactly this caption (code page 932), in reading
// order; null when there are fewer.
HWND FindControl(HWND root, const wchar_t* className, const std::string& caption,
                 std::size_t nth = 0);

// Clicks a button, check box or radio button and returns when its parent has handled the
// click.
void Click(HWND button);
// Clicks without waiting: for buttons whose handler shows a modal box or runs long.
void PostClick(HWND button);
bool IsChecked(HWND button);

// Replaces the text of an edit field, or of an editable combo box's field, as typing does:
// the control tells its parent of the change.
void TypeText(HWND control, const std::string& text);

// Picks the item at the position from a combo box's list, as a choice with the mouse does.
void PickItem(HWND comboBox, int index);
int PickedItem(HWND comboBox);
std::vector<std::string> ItemsOf(HWND comboBox);

int SelectedTab(HWND tabControl);
// Selects a tab as a person does, so that the tab control tells its parent of the change.
void SelectTab(HWND tabControl, int index);
int TabCount(HWND tabControl);

// The window of the other program that has the keyboard focus, or null.
HWND FocusedWindowOf(HWND anyWindowOfThread);
// Makes the window the foreground window, as a click on it does.
void BringToFront(HWND window);

}  // namespace e2e
