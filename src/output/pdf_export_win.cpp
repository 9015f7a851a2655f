// Alt+P and Alt+L: PDF export by running cpdf and LibreOffice Writer, waiting
// for each while the window stays responsive.
#include <windows.h>
#include <shellapi.h>

#include "base/frame_win.h"
#include "base/report_win.h"
#include "base/shared_win.h"
#include "base/texts.h"
#include "document/document_state.h"
#include "editor/editor_win.h"
#include "output/output_win.h"
#include "output/pdf_export.h"
#include "platform/wide_win.h"

std::wstring SwriterPath;
std::wstring CpdfPath;

namespace {

bool Exporting = false;
UINT DeferredMessage = 0;  // WM_CLOSE or WM_COMMAND, asked for during the export
WPARAM DeferredWParam = 0;

constexpr WORD HiddenFill = 0x4E;  // yellow on red
constexpr WORD ShownFill = 7;

bool IsFile(const wchar_t* path) {
  DWORD attributes = GetFileAttributesW(FileApiPath(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// cpdf at its installation path, else beside Zib, else in an absolute
// folder of PATH; the full path of the first one that exists, or empty.
void FindCpdf() {
  std::wstring install = ExpandedPath(L"%ProgramFiles(x86)%\\Dornef\\Pdfwrk\\cpdf.exe");
  std::wstring pathVariable(32767, L'\0');
  pathVariable.resize(GetEnvironmentVariableW(L"PATH", pathVariable.data(), 32767));
  if (pathVariable.size() >= 32767) pathVariable.clear();
  CpdfPath.clear();
  for (const std::u16string& candidate :
       CpdfCandidates(FromWide(install), FolderOf(FromWide(ProgramFilePath())), FromWide(pathVariable))) {
    if (IsFile(AsWide(candidate.c_str()))) {
      CpdfPath = ToWide(candidate);
      return;
    }
  }
}

// The temporary copy of the editor's text: UTF-8 with its mark, created
// under the first of the job's names that no file has (CREATE_NEW), which
// then becomes job.Txt. Returns ERROR_SUCCESS, ERROR_NOT_ENOUGH_MEMORY with
// no file written when the memory for the copy cannot be had, or the
// system's error (with job.Txt the name last tried) when no copy could be
// written; a partly written copy is removed again.
DWORD WriteTempUtf8(TPdfJob& job) {
  std::string bytes;
  {
    std::u16string text;
    if (!GetEditorText(text) || !TempUtf8Bytes(text, bytes)) return ERROR_NOT_ENOUGH_MEMORY;
  }
  HANDLE file = INVALID_HANDLE_VALUE;
  DWORD error = ERROR_FILE_EXISTS;
  std::wstring name;
  for (int attempt = 0; attempt < TempUtf8Names; ++attempt) {
    job.Txt = TempUtf8Name(job.Doc, attempt);
    name = FileApiPath(AsWide(job.Txt.c_str()));
    file = CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) break;
    error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
  }
  if (file == INVALID_HANDLE_VALUE) return error;
  DWORD written = 0;
  error = ERROR_SUCCESS;
  if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) error = GetLastError();
  else if (written != bytes.size()) error = ERROR_DISK_FULL;
  CloseHandle(file);
  if (error != ERROR_SUCCESS) DeleteFileW(name.c_str());
  return error;
}

// Removes the copy this export created (job.Txt after WriteTempUtf8).
void DeleteTempUtf8(const std::u16string& path) {
  if (IsTempUtf8Name(path)) DeleteFileW(FileApiPath(AsWide(path.c_str())).c_str());
}

// Every pass runs in the document's folder, where LibreOffice writes its PDF.
int Run(TPdfPass pass, const TPdfJob& job, WORD show, WORD fill) {
  return RunAndWait(PdfCommandLine(pass, job), AsWide(PassTitle), show, fill, job.Folder);
}

// True when the document can be exported; otherwise false after the message
// that explains why not.
bool Exportable(HWND owner, const char16_t* caption) {
  int length = GetWindowTextLengthW(EditorWindow());
  const char16_t* problem = ExportProblem(length > 0 ? static_cast<std::size_t>(length) : 0, DocumentState.Modified,
                                          !DocumentState.FileName.empty());
  if (!problem) return true;
  ReportProblem(owner, caption, MB_ICONWARNING, problem);
  return false;
}

}  // namespace

void LocatePdfConverters() {
  SwriterPath = ExpandedPath(L"%ProgramW6432%\\LibreOffice\\program\\swriter.exe");
  if (!IsAbsolutePath(FromWide(SwriterPath)) || !IsFile(SwriterPath.c_str())) SwriterPath.clear();
  FindCpdf();
  if (CpdfPath.empty()) return;
  std::u16string test = u"\"";
  test += FromWide(CpdfPath);
  test += u'"';
  std::u16string folder = FolderOf(FromWide(CpdfPath));
  if (RunAndWait(test, L"CPDF-Test", SW_HIDE, HiddenFill, folder) != 0) CpdfPath.clear();
}

bool PdfExportRunning() { return Exporting; }

void DeferUntilExportEnds(UINT message, WPARAM wParam) {
  // Ending the program outranks closing the window.
  if (DeferredMessage == WM_COMMAND && message == WM_CLOSE) return;
  DeferredMessage = message;
  DeferredWParam = wParam;
}

// Waits without spinning: sleeps until the process ends or a message arrives,
// then dispatches everything pending. A quit request taken from the queue on
// the way is posted again, so the message loop still ends.
int RunAndWait(std::u16string_view commandLine, const wchar_t* title, WORD show, WORD fillAttribute,
               std::u16string_view folder) {
  wchar_t titleCopy[64];
  lstrcpynW(titleCopy, title, 64);
  std::wstring workFolder = ToWide(folder);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  startup.lpTitle = titleCopy;
  startup.dwX = 0;
  startup.dwY = 0;
  startup.dwXCountChars = 136;
  startup.dwYCountChars = 64;
  startup.dwFillAttribute = fillAttribute;
  startup.wShowWindow = show;
  startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USEPOSITION | STARTF_USECOUNTCHARS | STARTF_USEFILLATTRIBUTE;
  std::wstring line = ToWide(commandLine);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NEW_CONSOLE | HIGH_PRIORITY_CLASS,
                      nullptr, workFolder.empty() ? nullptr : workFolder.c_str(), &startup, &process))
    return -1;
  bool quit = false;
  WPARAM quitCode = 0;
  while (MsgWaitForMultipleObjectsEx(1, &process.hProcess, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) !=
         WAIT_OBJECT_0) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = true;
        quitCode = msg.wParam;
        continue;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    FlushStatusLine();
  }
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (quit) PostQuitMessage(static_cast<int>(quitCode));
  return static_cast<int>(code);
}

namespace {

bool CpdfExport(HWND owner) {
  if (!FileExists(CpdfPath.c_str())) return false;
  if (!Exportable(owner, CpdfCaption)) return false;
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  TPdfJob job = PdfJob(DocumentState.FileName, FromWide(CpdfPath), FromWide(SwriterPath),
                       DocumentState.Encoding == Dos437);
  DWORD error = WriteTempUtf8(job);
  if (error == ERROR_NOT_ENOUGH_MEMORY) {
    ReportOutOfMemory();
    return false;
  }
  if (error != ERROR_SUCCESS) {
    ReportFileError(CannotWriteText, AsWide(job.Txt.c_str()), error);
    return false;
  }
  if (Run(TypesetPass, job, SW_HIDE, HiddenFill) != 0) {
    std::u16string message = PdfFailureMessage(job.Doc);
    ReportProblem(owner, FailureCaption, MB_ICONWARNING, message.c_str());
    DeleteTempUtf8(job.Txt);
    return false;
  }
  if (job.Dos && Run(ShiftPass, job, SW_HIDE, HiddenFill) != 0) return false;
  for (TPdfPass pass : {PageNumberPass, DatePass, FileNamePass})
    if (Run(pass, job, SW_HIDE, HiddenFill) != 0) return false;
  ShellExecuteW(owner, L"open", AsWide(job.Pdf.c_str()), nullptr, nullptr, SW_SHOWNORMAL);
  DeleteTempUtf8(job.Txt);
  return true;
}

bool WriterExport(HWND owner) {
  if (!FileExists(SwriterPath.c_str())) return false;
  if (!Exportable(owner, WriterCaption)) return false;
  TPdfJob job = PdfJob(DocumentState.FileName, FromWide(CpdfPath), FromWide(SwriterPath),
                       DocumentState.Encoding == Dos437);
  BeginBusy(WriterBusyText);
  bool done = false;
  if (Run(WriterPass, job, SW_SHOWNORMAL, ShownFill) == 0) {
    if (FileExists(CpdfPath.c_str()))
      for (TPdfPass pass : {PageNumberPass, DatePass, FileNamePass}) Run(pass, job, SW_HIDE, HiddenFill);
    ShellExecuteW(owner, L"open", AsWide(job.Pdf.c_str()), nullptr, nullptr, SW_SHOWNORMAL);
    done = true;
  }
  EndBusy();
  return done;
}

// One export at a time; what was deferred meanwhile follows it.
bool RunOneExport(bool (*exportTo)(HWND), HWND owner) {
  if (Exporting) {
    MessageBeep(MB_ICONWARNING);
    return false;
  }
  Exporting = true;
  bool done = exportTo(owner);
  Exporting = false;
  if (DeferredMessage) {
    PostMessageW(MainWindow, DeferredMessage, DeferredWParam, 0);
    DeferredMessage = 0;
  }
  return done;
}

}  // namespace

bool ExportPdfViaCpdf(HWND owner) { return RunOneExport(CpdfExport, owner); }
bool ExportPdfViaLibreOffice(HWND owner) { return RunOneExport(WriterExport, owner); }
