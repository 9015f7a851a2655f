// The find and replace dialogs: the common dialog library's modeless Find and
// Replace, served by the main message loop, F3, replace and replace all.
#include "commands/find_win.h"

#include <dlgs.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/frame_win.h"
#include "base/report_win.h"
#include "base/shared_win.h"
#include "base/texts.h"
#include "commands/find.h"
#include "editor/editor_win.h"
#include "platform/wide_win.h"

namespace {


constexpr DWORD KeptOptions = FR_WHOLEWORD | FR_MATCHCASE;
static_assert(FindWholeWord == FR_WHOLEWORD && FindMatchCase == FR_MATCHCASE,
              "the search's option bits are the dialog's");

bool FindDialogReplaces = false;  // the open dialog is the Replace dialog
// The options as the dialog last reported them (with a search or when it
// closed). The searches use these rather than the record's bits, which some
// dialogs (Wine's) clear on every notification of their own controls, also
// after reporting that they close.
DWORD SearchOptions = 0;

std::u16string_view Pattern() { return AsUtf16(FindWhat); }

void ReportNotFound(const char16_t* caption) {
  ReportProblem(EditorWindow(), caption, MB_ICONINFORMATION, NotFoundText);
  if (FindDialog) SetFocus(FindDialog);
}

// A second request while a dialog is open brings that dialog forward when it
// is of the kind asked for, and otherwise closes it first, so that one dialog
// at most shares FindRecord and FindDialog always names it.
bool ReuseOrCloseDialog(bool replace) {
  if (!FindDialog) return false;
  if (!IsWindow(FindDialog)) {
    FindDialog = nullptr;
    return false;
  }
  if (FindDialogReplaces == replace) {
    SetActiveWindow(FindDialog);
    SetFocus(GetDlgItem(FindDialog, edt1));
    return true;
  }
  HWND old = FindDialog;
  SendMessageW(old, WM_COMMAND, IDCANCEL, 0);  // reports FR_DIALOGTERM
  if (FindDialog == old) {
    DestroyWindow(old);
    FindRecord.Flags = SearchOptions;
    FindDialog = nullptr;
  }
  return false;
}

void OpenDialog(bool replace) {
  if (ReuseOrCloseDialog(replace)) return;
  FindRecord.hwndOwner = MainWindow;
  FindRecord.Flags = SearchOptions | FR_DOWN | (replace ? 0 : FR_HIDEUPDOWN);
  FindDialog = replace ? ReplaceTextW(&FindRecord) : FindTextW(&FindRecord);
  FindDialogReplaces = replace;
}

// The dialog's Replace button: whatever is selected becomes ReplaceWith, then
// the search goes on after it.
void ReplaceOne() {
  DWORD start = 0;
  DWORD end = 0;
  GetEditorSelection(start, end);
  if (start != end) ReplaceSelectionText(AsUtf16(ReplaceWith));
  FindNext();
}

// The dialog's Replace All button: every match at once, as one undoable step.
void ReplaceAll() {
  std::u16string_view pattern = Pattern();
  if (pattern.empty()) return;
  std::u16string_view replacement = AsUtf16(ReplaceWith);
  HWND editor = EditorWindow();
  BeginWork();
  std::u16string text;
  if (!GetEditorText(text)) return ReportOutOfMemory();
  unsigned flags = SearchOptions;
  std::size_t count = CountMatches(text, pattern, flags);
  if (count == 0) {
    ReportNotFound(ReplaceCaption);
    return;
  }
  std::int64_t n = ReplacedLength(static_cast<std::int64_t>(text.size()), static_cast<std::int64_t>(count),
                                  static_cast<std::int64_t>(pattern.size()),
                                  static_cast<std::int64_t>(replacement.size()));
  if (n < 0 || n > MaxTextLength) {
    ReportProblem(editor, ReplaceCaption, MB_ICONERROR, ReplaceTooLargeText);
    return;
  }
  std::uint64_t bytes = (static_cast<std::uint64_t>(n) + 1) * sizeof(char16_t);
  auto* result = bytes > SIZE_MAX ? nullptr : static_cast<char16_t*>(std::malloc(static_cast<std::size_t>(bytes)));
  if (!result) return ReportOutOfMemory();
  std::size_t written = BuildReplaced(text, pattern, replacement, flags, result, static_cast<std::size_t>(n));
  result[written] = 0;
  text = std::u16string();  // the old text is no longer needed while the control takes the new one
  ReplaceWholeText(result);
  std::free(result);
}

}  // namespace

wchar_t FindWhat[FindTextCapacity];
wchar_t ReplaceWith[FindTextCapacity];
FINDREPLACEW FindRecord;
HWND FindDialog = nullptr;

void PrepareFindRecord() {
  FindRecord = FINDREPLACEW{};
  FindRecord.lStructSize = sizeof FindRecord;
  FindRecord.lpstrFindWhat = FindWhat;
  FindRecord.wFindWhatLen = FindTextCapacity;
  FindRecord.lpstrReplaceWith = ReplaceWith;
  FindRecord.wReplaceWithLen = FindTextCapacity;
}

void OpenFindDialog() { OpenDialog(false); }

void OpenReplaceDialog() { OpenDialog(true); }

void FindNext() {
  std::u16string_view pattern = Pattern();
  if (pattern.empty()) return;
  HWND editor = EditorWindow();
  DWORD start = 0;
  DWORD end = 0;
  GetEditorSelection(start, end);
  std::u16string text;
  if (!GetEditorText(text)) return ReportOutOfMemory();
  std::ptrdiff_t p = FindInText(text, pattern, static_cast<std::ptrdiff_t>(end), SearchOptions);
  if (p < 0) {
    ReportNotFound(FindCaption);
    return;
  }
  SendMessageW(editor, EM_SETSEL, static_cast<WPARAM>(p), static_cast<LPARAM>(p + static_cast<std::ptrdiff_t>(pattern.size())));
  SendMessageW(editor, EM_SCROLLCARET, 0, 0);
  RequestStatusLine();
}

void OnFindReplaceMessage(LPARAM) {
  DWORD flags = FindRecord.Flags;
  SearchOptions = flags & KeptOptions;
  if (flags & FR_DIALOGTERM) {
    FindRecord.Flags = SearchOptions;
    FindDialog = nullptr;
  } else if (flags & FR_FINDNEXT) {
    FindNext();
  } else if (flags & FR_REPLACE) {
    ReplaceOne();
  } else if (flags & FR_REPLACEALL) {
    ReplaceAll();
  }
}
