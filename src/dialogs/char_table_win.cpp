// The character table: a modal list of the ANSI or the MS-DOS characters
// with their codes, which inserts the chosen character at the caret.
#include <string>

#include "base/frame_win.h"
#include "base/texts.h"
#include "dialogs/char_table.h"
#include "dialogs/dialogs_win.h"
#include "dialogs/input_dialog_win.h"
#include "editor/editor_win.h"
#include "platform/wide_win.h"

namespace {


// Fixed list colours; dark mode leaves them as they are.
constexpr COLORREF AnsiListText = RGB(0, 0, 128);
constexpr COLORREF OemListText = RGB(255, 255, 0);
constexpr COLORREF OemListBackground = RGB(0, 0, 0);

// True while the ANSI table is open, false for the OEM table.
bool CharTableMode = true;

// The row each table last inserted from; it opens there the next time.
int LastAnsiTableIndex = FirstAnsiTableIndex;
int LastOemTableIndex = FirstOemTableIndex;

// The list box's own window procedure, behind the type-to-find subclass.
WNDPROC PreviousListProcedure = nullptr;

int& LastCharTableIndex() { return CharTableMode ? LastAnsiTableIndex : LastOemTableIndex; }

std::u16string ListRow(HWND list, int i) {
  LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
  if (length == LB_ERR || length <= 0) return {};
  std::u16string row(static_cast<std::size_t>(length) + 1, u'\0');
  LRESULT got = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(row.data()));
  row.resize(got == LB_ERR ? 0 : static_cast<std::size_t>(got));
  return row;
}

// Selects the next row whose search key is the typed character's.
void TypeToFind(HWND list, char16_t typed) {
  LRESULT n = SendMessageW(list, LB_GETCOUNT, 0, 0);
  if (n <= 0) return;
  std::u16string firstChars(static_cast<std::size_t>(n), u'\0');
  for (int i = 0; i < n; ++i) {
    std::u16string row = ListRow(list, i);
    if (!row.empty()) firstChars[static_cast<std::size_t>(i)] = row[0];
  }
  int cur = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
  int found = TypeToFindRow(firstChars, cur, typed);
  if (found >= 0) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

// Typed characters go to the type-to-find, never to the list box's own
// prefix search; everything else is the list box's.
LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CHAR) {
    TypeToFind(list, static_cast<char16_t>(wParam & 0xFFFF));
    return 0;
  }
  return CallWindowProcW(PreviousListProcedure, list, message, wParam, lParam);
}

void InitCharTable(HWND dialog, LPARAM param) {
  CharTableMode = LOWORD(param) != 0;
  SetWindowTextW(dialog, AsWide(CharTableMode ? AnsiTableCaption : OemTableCaption));
  RECT r{};
  GetClientRect(dialog, &r);
  TControlSpec controls[CharTableControlCount];
  CharTableControls(LayoutUnit, r.right - r.left, r.bottom - r.top, controls);
  HWND list = CreateDialogControl(dialog, controls[0], EditorFont);
  HFONT guiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  CreateDialogControl(dialog, controls[1], guiFont);
  CreateDialogControl(dialog, controls[2], guiFont);
  if (!list) return;
  for (const std::u16string& row : CharTableRows(CharTableMode))
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  int last = LastCharTableIndex();
  SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(last), 0);
  SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(last), 0);
  PreviousListProcedure = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ListProcedure)));
  SetFocus(list);
}

// Inserts the selected row's character, remembers the row and closes.
void InsertChosen(HWND dialog) {
  HWND list = GetDlgItem(dialog, CharTableList);
  LRESULT i = SendMessageW(list, LB_GETCURSEL, 0, 0);
  if (i == LB_ERR) return;  // no row chosen: the table stays open
  std::u16string row = ListRow(list, static_cast<int>(i));
  if (row.empty()) return;
  LastCharTableIndex() = static_cast<int>(i);
  ReplaceSelectionText(row.substr(0, 1));
  EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK CharTableProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      InitCharTable(dialog, lParam);
      break;
    case WM_CTLCOLORLISTBOX: {
      if (reinterpret_cast<HWND>(lParam) != GetDlgItem(dialog, CharTableList)) break;
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (CharTableMode) {
        SetTextColor(dc, AnsiListText);
        return reinterpret_cast<INT_PTR>(GetStockObject(WHITE_BRUSH));
      }
      SetTextColor(dc, OemListText);
      SetBkColor(dc, OemListBackground);
      return reinterpret_cast<INT_PTR>(GetStockObject(BLACK_BRUSH));
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        InsertChosen(dialog);
      } else if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
      } else if (LOWORD(wParam) == CharTableList && HIWORD(wParam) == LBN_DBLCLK) {
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
      }
      break;
  }
  return FALSE;
}

}  // namespace

void ShowCharTableDialog(HWND owner, bool ansi) {
  RECT r{};
  GetClientRect(owner, &r);
  RunTemplateDialog(owner, CharTableBox(LayoutUnit, r.right - r.left, r.bottom - r.top), CharTableProcedure,
                    ansi ? 1 : 0);
}
