// The number prompts (go to line, the year prompt of the year calendar), the
// go-to-line action, and the shared in-memory template every modal dialog of
// the editor runs from. The template holds no controls: each dialog creates
// its own when it starts.
#include "dialogs/input_dialog_win.h"

#include "base/texts.h"
#include "dialogs/dialogs_win.h"
#include "dialogs/number_prompt.h"
#include "editor/editor_win.h"
#include "platform/wide_win.h"

// The template's header and style bits are the platform's own.
static_assert(DialogTemplateStyle == (WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_CENTER | DS_3DLOOK));
static_assert(DialogTemplateExStyle == (WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW));
static_assert(DialogTemplateSize == sizeof(DLGTEMPLATE) + 3 * sizeof(WORD));

namespace {

constexpr wchar_t YearFallback[] = L"1583";

// The one template buffer; only one modal dialog is open at a time. The
// dialog manager wants it DWORD-aligned.
alignas(4) unsigned char DialogTemplate[DialogTemplateSize];

// The number last confirmed in the go-to-line dialog, after clamping to the
// line count; the next dialog starts with it.
int LastGoToLine = 0;

void CreateNumberPromptControls(HWND dialog, const char16_t* label) {
  RECT r{};
  GetClientRect(dialog, &r);
  TControlSpec controls[NumberPromptControlCount];
  NumberPromptControls(LayoutUnit, r.bottom - r.top, label, controls);
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  for (const TControlSpec& c : controls) CreateDialogControl(dialog, c, font);
}

void SetNumberField(HWND dialog, int value) {
  wchar_t text[16];
  wsprintfW(text, L"%d", value);
  SetDlgItemTextW(dialog, NumberFieldId, text);
}

// Reads at most 63 characters of the number field.
bool ReadNumberField(HWND dialog, int& value) {
  wchar_t text[64];
  UINT n = GetDlgItemTextW(dialog, NumberFieldId, text, 64);
  return ParseNumberField(std::u16string_view(AsUtf16(text), n), value);
}

// Focus on the number field with its text selected, so typing replaces it.
void FocusNumberField(HWND dialog) {
  HWND field = GetDlgItem(dialog, NumberFieldId);
  SetFocus(field);
  SendMessageW(field, EM_SETSEL, 0, -1);
}

INT_PTR CALLBACK GoToLineProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    CreateNumberPromptControls(dialog, GoToLineLabel);
    SetWindowTextW(dialog, AsWide(GoToLineCaption));
    SetNumberField(dialog, LastGoToLine);
    FocusNumberField(dialog);
  } else if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
    int n = 0;
    if (!ReadNumberField(dialog, n)) return FALSE;  // stays open, says nothing
    int count = static_cast<int>(SendMessageW(EditorWindow(), EM_GETLINECOUNT, 0, 0));
    if (n > count) n = count;
    LastGoToLine = n;
    GoToLine(n);
    EndDialog(dialog, IDOK);
  } else if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
  }
  return FALSE;
}

// Ends with the chosen year, or 0 when cancelled.
INT_PTR CALLBACK YearProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    CreateNumberPromptControls(dialog, YearLabel);
    SetWindowTextW(dialog, AsWide(YearCaption));
    SetNumberField(dialog, static_cast<int>(lParam));
    FocusNumberField(dialog);
  } else if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
    int year = 0;
    if (ReadNumberField(dialog, year) && year >= FirstCalendarYear && year <= LastCalendarYear) {
      EndDialog(dialog, year);
    } else {
      SetDlgItemTextW(dialog, NumberFieldId, YearFallback);
    }
  } else if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, 0);
  }
  return FALSE;
}

}  // namespace

int LayoutUnit = 5;

void SetLayoutUnit(int unit) { LayoutUnit = unit; }

INT_PTR RunTemplateDialog(HWND owner, const TDialogBox& box, DLGPROC procedure, LPARAM param) {
  FillDialogTemplate(DialogTemplate, box);
  return DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                                 reinterpret_cast<LPCDLGTEMPLATEW>(DialogTemplate), owner, procedure,
                                 param);
}

HWND CreateDialogControl(HWND dialog, const TControlSpec& c, HFONT font) {
  HWND control = CreateWindowExW(c.exStyle, AsWide(c.className), AsWide(c.text), c.style, c.x, c.y,
                                 c.width, c.height, dialog,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)),
                                 GetModuleHandleW(nullptr), nullptr);
  if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
  return control;
}

void ShowGoToLineDialog(HWND owner) { RunTemplateDialog(owner, NumberPromptBox(LayoutUnit), GoToLineProcedure, 0); }

bool AskYear(HWND owner, int& year) {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  INT_PTR result = RunTemplateDialog(owner, NumberPromptBox(LayoutUnit), YearProcedure, now.wYear);
  if (result < FirstCalendarYear || result > LastCalendarYear) return false;
  year = static_cast<int>(result);
  return true;
}

void GoToLine(int n) {
  HWND editor = EditorWindow();
  int count = static_cast<int>(SendMessageW(editor, EM_GETLINECOUNT, 0, 0));
  int t = GoToLineTarget(n, count);
  LRESULT i = SendMessageW(editor, EM_LINEINDEX, static_cast<WPARAM>(t), 0);
  if (i == -1) return;
  SendMessageW(editor, EM_SETSEL, static_cast<WPARAM>(i), i);
  SendMessageW(editor, EM_SCROLLCARET, 0, 0);
  SetFocus(editor);
}
