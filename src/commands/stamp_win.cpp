// F5 and the ".LOG" request: the date and time stamp; Ctrl+D: the caret's line
// once more below it.
#include "base/report_win.h"
#include "base/shared_win.h"
#include "commands/stamp.h"
#include "commands/text_commands_win.h"
#include "editor/editor_win.h"
#include "editor/lines.h"
#include "platform/wide_win.h"

std::u16string DateTimeStamp() {
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  wchar_t date[128] = {};
  wchar_t time[64] = {};
  if (GetDateFormatW(LOCALE_SYSTEM_DEFAULT, 0, &now, L"yyyy-MM-dd\t", date, 128) <= 0 ||
      GetTimeFormatW(LOCALE_SYSTEM_DEFAULT, 0, &now, L"HH:mm:ss", time, 64) <= 0)
    return FormatStamp({now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond});
  return std::u16string(AsUtf16(date)) + AsUtf16(time);
}

void InsertDateTime(LPARAM request) {
  std::u16string stamp = DateTimeStamp();
  if (request > 0) {
    HWND editor = EditorWindow();
    LRESULT length = SendMessageW(editor, WM_GETTEXTLENGTH, 0, 0);
    SendMessageW(editor, EM_SETSEL, static_cast<WPARAM>(length), length);
    SendMessageW(editor, EM_SCROLLCARET, 0, 0);
    stamp = LogStampText(stamp);
  }
  ReplaceSelectionText(stamp);
}

// The line is the control's line of the selection's start: with word wrap on,
// the display line, whose copy goes to the start of the next display line.
void DuplicateLine(HWND editor) {
  // The line is taken from the whole text rather than through EM_GETLINE,
  // whose size word cannot carry lines of 65,536 units or more.
  DWORD a = 0;
  DWORD b = 0;
  std::u16string text;
  if (!ReadForCommand(a, b, text)) return;
  std::size_t total = text.size();
  std::size_t start = 0;
  std::size_t length = 0;
  std::size_t e = total;
  if (WordWrap) {
    LRESULT line = SendMessageW(editor, EM_LINEFROMCHAR, a, 0);
    LRESULT s = SendMessageW(editor, EM_LINEINDEX, static_cast<WPARAM>(line), 0);
    LRESULT next = SendMessageW(editor, EM_LINEINDEX, static_cast<WPARAM>(line + 1), 0);
    LRESULT n = SendMessageW(editor, EM_LINELENGTH, static_cast<WPARAM>(s), 0);
    if (s < 0 || n <= 0) return;
    start = static_cast<std::size_t>(s);
    length = static_cast<std::size_t>(n);
    if (next >= 0 && static_cast<std::size_t>(next) <= total) e = static_cast<std::size_t>(next);
  } else {
    start = LineStartOf(text, a);
    length = LineEnd(text, start) - start;
    std::size_t next = NextLineStart(text, start);
    if (next != std::u16string_view::npos) e = next;
  }
  if (start >= total || length == 0) return;
  std::u16string_view lineText = std::u16string_view(text).substr(start, length);
  std::u16string_view tail = std::u16string_view(text).substr(total < 2 ? 0 : total - 2);
  std::u16string insertion;
  if (!DuplicateLineText(lineText, e == total, tail, insertion)) return ReportOutOfMemory();
  if (insertion.empty()) return;
  text = std::u16string();
  ReplaceRangeAndSelect(static_cast<DWORD>(e), static_cast<DWORD>(e), insertion, a, a, false);
}
