#include "app/main_window_win.h"

#include <shellapi.h>

#include "app/appearance_win.h"
#include "app/menu_win.h"
#include "app/status.h"
#include "app/templates_win.h"
#include "app/title_win.h"
#include "base/commands.h"
#include "base/report_win.h"
#include "base/shared_win.h"
#include "base/texts.h"
#include "commands/find_win.h"
#include "commands/text_commands_win.h"
#include "dialogs/dialogs_win.h"
#include "document/document_state.h"
#include "document/document_win.h"
#include "editor/control_chars_win.h"
#include "editor/editor_win.h"
#include "output/output_win.h"
#include "platform/wide_win.h"

HWND MainWindow = nullptr;
HWND StatusLine = nullptr;
int ClientWidth = 0;
int ClientHeight = 0;
UINT FindReplaceMessage = 0;
HACCEL ShortcutTable = nullptr;

namespace {

void OnCreate(HWND window) {
  MainWindow = window;
  InitDarkMode();
  CreateEditor(window);
  StatusLine = CreateWindowExW(WS_EX_STATICEDGE, L"STATIC", L" +",
                               WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_NOTIFY | SS_WORDELLIPSIS, 0, 0,
                               200, 200, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(StatusId)),
                               GetModuleHandleW(nullptr), nullptr);
  SendMessageW(StatusLine, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), TRUE);
  UpdateStatusLine();
  SetWindowTextW(window, AsWide(ZibCaption));
  DragAcceptFiles(window, TRUE);
  LocatePdfConverters();
}

void OnSize(LPARAM lParam) {
  ClientWidth = LOWORD(lParam);
  ClientHeight = HIWORD(lParam);
  MoveWindow(EditorWindow(), 0, 0, ClientWidth, ClientHeight - StatusBandHeight, TRUE);
  MoveWindow(StatusLine, 0, ClientHeight - StatusBandHeight, ClientWidth, StatusBandHeight, TRUE);
}

void ExportWithCpdf() {
  BeginBusy(CpdfBusyText);
  ExportPdfViaCpdf(MainWindow);
  EndBusy();
}

void StartNewInstance() { ShellExecuteW(MainWindow, L"open", CommandLineArg(0).c_str(), nullptr, nullptr, SW_SHOWNORMAL); }

void ExitProgram() {
  if (PdfExportRunning()) return DeferUntilExportEnds(WM_COMMAND, CmdExit);
  DestroyAcceleratorTable(ShortcutTable);
  ShortcutTable = nullptr;
  PostQuitMessage(0);
  DestroyWindow(MainWindow);
}

void ToggleWordWrap() {
  RecreateEditor(!WordWrap);
  SetViewCheck(CmdWordWrap, WordWrap);
}

// What the editor tells its parent: a change makes the document modified,
// an update refreshes the status line, and a text it could not take (it kept
// its own) is reported.
void OnEditorNotification(WORD code) {
  switch (code) {
    case EN_CHANGE:
      ApplyEdited(DocumentState);
      UpdateTitle();
      break;
    case EN_UPDATE: RequestStatusLine(); break;
    case EN_ERRSPACE:
      CountErrSpace();
      ReportOutOfMemory();
      break;
    default: break;
  }
}

// The command table: one line per command identifier.
void OnCommand(WPARAM wParam, LPARAM lParam) {
  WORD id = LOWORD(wParam);
  WORD code = HIWORD(wParam);
  if (id == EditorId) return OnEditorNotification(code);
  HWND editor = EditorWindow();
  switch (id) {
    case CmdNew: if (ConfirmDiscardChanges(MainWindow)) NewDocument(); break;
    case CmdNewInstance: StartNewInstance(); break;
    case CmdOpen: if (ConfirmDiscardChanges(MainWindow)) OpenDocument(MainWindow, editor); break;
    case CmdSave: SaveDocument(MainWindow, editor); break;
    case CmdSaveAs: SaveDocumentAs(MainWindow, editor); break;
    case CmdOpenDos: OpenDosDocument(MainWindow, editor); break;
    case CmdSaveDos: SaveDosDocument(MainWindow, editor); break;
    case CmdPrint: PrintDocument(FixedPitch); break;
    case CmdPrintSansSerif: PrintDocument(SansSerif); break;
    case CmdPdfLibreOffice: ExportPdfViaLibreOffice(MainWindow); break;
    case CmdPdfCpdf: ExportWithCpdf(); break;
    case CmdToggleEncoding: ToggleEncoding(); break;
    case CmdExit: ExitProgram(); break;
    case CmdUndo: SendMessageW(editor, WM_UNDO, 0, 0); break;
    case CmdCut: SendMessageW(editor, WM_CUT, 0, 0); break;
    case CmdCopy: SendMessageW(editor, WM_COPY, 0, 0); break;
    case CmdPaste: SendMessageW(editor, WM_PASTE, 0, 0); break;
    case CmdDelete: SendMessageW(editor, WM_CLEAR, 0, 0); break;
    case CmdSelectAll: SendMessageW(editor, EM_SETSEL, 0, -1); break;
    case CmdFind: OpenFindDialog(); break;
    case CmdFindNext: FindNext(); break;
    case CmdReplace: OpenReplaceDialog(); break;
    case CmdUpperCase: ConvertCase(true); break;
    case CmdLowerCase: ConvertCase(false); break;
    case CmdSortAscending: SortSelectedLines(editor, true); break;
    case CmdSortDescending: SortSelectedLines(editor, false); break;
    case CmdCleanUp: CleanUpDocument(); break;
    case CmdDateTime: InsertDateTime(lParam); break;
    case CmdGoToLine: ShowGoToLineDialog(MainWindow); break;
    case CmdCodePoint: ConvertCodePoint(); break;
    case CmdDuplicateLine: DuplicateLine(editor); break;
    case CmdComment: ToggleCommentForDocument(); break;
    case CmdShowControlChars: ToggleControlChars(); break;
    case CmdWordWrap: ToggleWordWrap(); break;
    case CmdDarkMode: SetDarkMode(!DarkMode); break;
    case CmdListingAnsi: InsertCharacterListing(true); break;
    case CmdListingDos: InsertCharacterListing(false); break;
    case CmdCalendarThreeMonths: InsertCalendarThreeMonths(); break;
    case CmdCalendarYear: InsertCalendarYear(MainWindow); break;
    case CmdCharTableDos: ShowCharTableDialog(MainWindow, false); break;
    case CmdCharTableAnsi: ShowCharTableDialog(MainWindow, true); break;
    case CmdAbout: ShowAbout(MainWindow); break;
    default:
      if (id >= CmdTemplateHtml && id <= CmdTemplateChordLarge) InsertTemplate(id);
      else if (id >= CmdSymbolMultiplyDot && id <= CmdSymbolNarrowSpace) InsertSymbol(id);
      break;
  }
}

void OnInitMenu(HMENU menu) {
  // One export at a time: both wait while one runs.
  bool idle = !PdfExportRunning();
  EnableMenuItem(menu, CmdPdfCpdf, MF_BYCOMMAND | (idle && !CpdfPath.empty() ? MF_ENABLED : MF_GRAYED));
  EnableMenuItem(menu, CmdPdfLibreOffice, MF_BYCOMMAND | (idle && !SwriterPath.empty() ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = MainWindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, L"I");
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
  wc.lpszClassName = MainWindowClass;
  return RegisterClassExW(&wc) != 0;
}

HWND CreateMainWindow(HINSTANCE instance) {
  return CreateWindowExW(0, MainWindowClass, AsWide(ZibCaption), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                         CW_USEDEFAULT, 800, 608, nullptr, nullptr, instance, nullptr);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == FindReplaceMessage && FindReplaceMessage != 0) {
    OnFindReplaceMessage(lParam);
    EndWork();
    return 0;
  }
  switch (message) {
    case WM_CREATE: OnCreate(window); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_SIZE: OnSize(lParam); return 0;
    case WM_SETFOCUS: SetFocus(EditorWindow()); return 0;
    case WM_PAINT: PaintBusyText(window); return 0;
    case WM_CLOSE:
      if (PdfExportRunning()) DeferUntilExportEnds(WM_CLOSE, 0);
      else if (ConfirmDiscardChanges(MainWindow)) DestroyWindow(window);
      return 0;
    // Windows shuts down or the user logs off: the same question as closing.
    // Abbrechen, or a save that did not go through, keeps the session from
    // ending with unsaved text.
    case WM_QUERYENDSESSION: return ConfirmDiscardChanges(window) ? TRUE : FALSE;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS;
    case WM_KEYUP:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_LBUTTONUP: RequestStatusLine(); return 0;
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      EndWork();
      RequestStatusLine();  // a command may have moved the caret
      return 0;
    case WM_ENTERIDLE: FlushStatusLine(); return 0;  // a dialog or menu waits for the user
    case WM_INITMENU: OnInitMenu(reinterpret_cast<HMENU>(wParam)); return 0;
    case WM_INITMENUPOPUP:
      if (reinterpret_cast<HMENU>(wParam) == MenuPopupHandle(PopupEdit))
        UpdateEditMenu(reinterpret_cast<HMENU>(wParam));
      return 0;
    case WM_CTLCOLOREDIT:
      if (reinterpret_cast<HWND>(lParam) == EditorWindow() && DarkMode)
        return EditorColours(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_DROPFILES:
      if (ConfirmDiscardChanges(MainWindow)) OnDropFiles(reinterpret_cast<HDROP>(wParam));
      else DragFinish(reinterpret_cast<HDROP>(wParam));
      EndWork();
      return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    bool taken = (FindDialog && IsDialogMessageW(FindDialog, &msg)) ||
                 (ShortcutTable && TranslateAcceleratorW(MainWindow, ShortcutTable, &msg));
    if (!taken) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    // A burst of input is over when none waits: the status line follows once.
    if (!HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE))) FlushStatusLine();
  }
  return static_cast<int>(msg.wParam);
}

void OnDropFiles(HDROP drop) {
  if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) >= 1) {
    // The name's length first: a fixed buffer would cut a long path and
    // could open another file.
    UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring name(length + 1, L'\0');
    if (length > 0 && DragQueryFileW(drop, 0, name.data(), length + 1) == length)
      OpenDocumentByName(name.c_str(), EditorWindow());
  }
  DragFinish(drop);
}
