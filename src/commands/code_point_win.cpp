// Alt+C and Alt+X: hex digits before the caret become their character, or the
// character before the caret becomes its code point.
#include "base/report_win.h"
#include "base/shared_win.h"
#include "commands/code_point.h"
#include "commands/text_commands_win.h"
#include "editor/editor_win.h"

void ConvertCodePoint() {
  DWORD start = 0;
  DWORD end = 0;
  GetEditorSelection(start, end);
  if (start != end) return;
  std::u16string text;
  if (!GetEditorText(text)) return ReportOutOfMemory();
  TTextEdit edit{};
  if (!CodePointEdit(text, start, edit)) return;
  ReplaceRange(static_cast<DWORD>(edit.start), static_cast<DWORD>(edit.end), edit.text);
}
