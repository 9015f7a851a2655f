// Ctrl+P and Ctrl+Shift+P: the classic print dialog, then the editor's text in
// wrapped paragraphs with a footer of file name, page number and date.
#include <windows.h>
#include <commdlg.h>

#include "base/frame_win.h"
#include "base/registry_win.h"
#include "base/report_win.h"
#include "base/shared_win.h"
#include "document/document_state.h"
#include "editor/editor_win.h"
#include "output/output_win.h"
#include "output/print.h"
#include "platform/wide_win.h"

namespace {

const wchar_t PrintDialogKey[] = L"Software\\Microsoft\\Print\\UnifiedPrintDialog";
const wchar_t PrintDialogValue[] = L"PreferLegacyPrintDialog";

HFONT CreatePrintFont(HDC dc, TPrintMode mode) {
  TPrintFont font = PrintFontFor(mode, mode == SansSerif && FileExists(L"%WINDIR%\\Fonts\\aptos.ttf"));
  return CreateFontW(FontHeight(font.Points, GetDeviceCaps(dc, LOGPIXELSY)), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     FIXED_PITCH | FF_MODERN, AsWide(font.Face));
}

int TextWidth(HDC dc, std::u16string_view text) {
  SIZE size = {};
  if (text.empty() || !GetTextExtentPoint32W(dc, AsWide(text.data()), static_cast<int>(text.size()), &size)) return 0;
  return size.cx;
}

// Paragraphs print as they stand: "&" as itself, tabs to the next multiple
// of four average character widths, a word wider than the line broken.
constexpr UINT ParagraphFormat = DT_WORDBREAK | DT_EDITCONTROL | DT_EXPANDTABS | DT_TABSTOP | DT_NOPREFIX;

int DrawParagraph(HDC dc, std::u16string_view text, RECT& rect, UINT extra) {
  DRAWTEXTPARAMS params = {};
  params.cbSize = sizeof params;
  params.iTabLength = PrintTabWidth;
  return DrawTextExW(dc, const_cast<wchar_t*>(AsWide(text.data())), static_cast<int>(text.size()), &rect,
                     ParagraphFormat | extra, &params);
}

void TextAt(HDC dc, int x, int y, std::u16string_view text) {
  if (!text.empty()) TextOutW(dc, x, y, AsWide(text.data()), static_cast<int>(text.size()));
}

// File name left, page number centred from page 2 on, date right, all on
// the line below the text's bottom limit.
void PrintFooter(HDC dc, const TPageLayout& layout, int page, std::u16string_view date) {
  TextAt(dc, layout.FooterLeft, layout.TextBottom, BaseName(DocumentState.FileName));
  std::u16string number = PageNumberText(page);
  TextAt(dc, FooterCentreX(layout, TextWidth(dc, number)), layout.TextBottom, number);
  TextAt(dc, FooterDateX(layout, TextWidth(dc, date)), layout.TextBottom, date);
}

// Prints the editor's text on an open printer context: measures every
// paragraph wrapped to the text width, places them on pages, then draws page
// by page with the footer at the end of each. False, with nothing printed,
// when the memory for the text and its paragraphs cannot be had.
bool PrintPages(HDC dc, TPrintMode mode) {
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  std::u16string text;
  std::vector<TParagraph> paragraphs;
  if (!GetEditorText(text) || !MakePrintable(text) || !SplitParagraphs(text, paragraphs)) return false;
  HFONT font = CreatePrintFont(dc, mode);
  HGDIOBJ oldFont = SelectObject(dc, font);
  TPageLayout layout = PageLayout({GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES),
                                   GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY)});
  for (TParagraph& paragraph : paragraphs) {
    if (paragraph.Length == 0) continue;
    RECT rect = {0, 0, layout.TextRight - layout.TextLeft, 0};
    DrawParagraph(dc, std::u16string_view(text).substr(paragraph.Start, paragraph.Length), rect, DT_CALCRECT);
    paragraph.Height = rect.bottom - rect.top;
  }
  PlaceParagraphs(paragraphs, layout);
  wchar_t date[64];
  FormatShortDate(date, 64);

  std::u16string jobName = PrintJobName(DocumentState.FileName);
  DOCINFOW job = {};
  job.cbSize = sizeof job;
  job.lpszDocName = AsWide(jobName.c_str());
  StartDocW(dc, &job);
  StartPage(dc);
  int page = 1;
  for (const TParagraph& paragraph : paragraphs) {
    if (paragraph.Length == 0) continue;
    if (paragraph.Page != page) {
      PrintFooter(dc, layout, page, AsUtf16(date));
      EndPage(dc);
      page = paragraph.Page;
      StartPage(dc);
    }
    RECT rect = {layout.TextLeft, paragraph.Top, layout.TextRight, paragraph.Top + paragraph.Height};
    DrawParagraph(dc, std::u16string_view(text).substr(paragraph.Start, paragraph.Length), rect, 0);
  }
  PrintFooter(dc, layout, page, AsUtf16(date));
  EndPage(dc);
  EndDoc(dc);
  SelectObject(dc, oldFont);
  DeleteObject(font);
  return true;
}

}  // namespace

void PrintDocument(TPrintMode mode) {
  DWORD old = RegReadDword(HKEY_CURRENT_USER, PrintDialogKey, PrintDialogValue);
  if (old != 1) RegWriteDword(HKEY_CURRENT_USER, PrintDialogKey, PrintDialogValue, 1);
  PRINTDLGW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = MainWindow;
  dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION;
  // Whatever happens in between, the context, its two memory handles and
  // the dialog preference are released and restored below.
  bool printed = !(PrintDlgW(&dialog) && dialog.hDC) || PrintPages(dialog.hDC, mode);
  if (dialog.hDC) DeleteDC(dialog.hDC);
  if (dialog.hDevMode) GlobalFree(dialog.hDevMode);
  if (dialog.hDevNames) GlobalFree(dialog.hDevNames);
  RegWriteDword(HKEY_CURRENT_USER, PrintDialogKey, PrintDialogValue, old);
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
  if (!printed) ReportOutOfMemory();
}
