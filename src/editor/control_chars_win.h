// The control-character display: marks on tabs, spaces, special spaces and
// line ends, drawn over the edit control's own painting.
#pragma once

#include <windows.h>

extern bool ShowControlChars;
constexpr UINT_PTR MarkTimerId = 1;
constexpr COLORREF MarkColour = RGB(150, 192, 192);

// Command 151: switches the display, sets the check mark, repaints the editor.
void ToggleControlChars();

void ScheduleMarkRepaint(HWND editor);
void RepaintMarksNow(HWND editor);
void OnMarkTimer(HWND editor);
void CancelMarkRepaint(HWND editor);
void PaintEditorBuffered(HWND editor);
void DrawControlMarks(HWND editor, HDC dc, int tabWidth);
