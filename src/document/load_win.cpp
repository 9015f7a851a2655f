// Loading: the open dialog, the MS-DOS open and opening by name. A load that
// fails (the file cannot be opened or read, or is too large) says so and
// changes nothing: not the text, not the name, not the state.
#include <windows.h>

#include "base/commands.h"
#include "base/frame_win.h"
#include "base/report_win.h"
#include "base/shared_win.h"
#include "base/texts.h"
#include "document/document_rules.h"
#include "document/document_state.h"
#include "document/document_win.h"
#include "editor/editor_win.h"
#include "platform/memory.h"
#include "platform/wide_win.h"

namespace {

constexpr std::size_t EditorTextLimit = 0x7FFFFFFE;

// Reads the whole file; false after a message. attributes: the flags of
// CreateFileW (the MS-DOS open passes none).
bool ReadWholeFile(const wchar_t* path, DWORD attributes, std::string& bytes) {
  HANDLE file = CreateFileW(FileApiPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            attributes, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    ReportFileError(CannotReadText, path, GetLastError());
    return false;
  }
  bool ok = false;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size)) {
    ReportFileError(CannotReadText, path, GetLastError());
  } else if (static_cast<std::uint64_t>(size.QuadPart) > MaxDocumentBytes) {
    ReportFileProblem(TooLargeText, path, L"");
  } else if (!TryResize(bytes, static_cast<std::size_t>(size.QuadPart))) {
    ReportOutOfMemory();
  } else {
    std::size_t done = 0;
    ok = true;
    while (done < bytes.size()) {
      DWORD part = bytes.size() - done > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size() - done);
      DWORD got = 0;
      if (!ReadFile(file, bytes.data() + done, part, &got, nullptr)) {
        ReportFileError(CannotReadText, path, GetLastError());
        ok = false;
        break;
      }
      if (got == 0) break;  // the file got shorter meanwhile: keep what is there
      done += got;
    }
    bytes.resize(done);
  }
  CloseHandle(file);
  return ok;
}

// Puts the text into the editor; false after a message unless the control
// holds exactly that text afterwards. Wine's control answers TRUE when it had
// no room and keeps its old text (it has said so: EN_ERRSPACE); then nothing
// has changed. Should a control have dropped its old text without taking the
// new one, the document becomes untitled and modified: what it shows can no
// longer be saved over either file without the user choosing a name.
bool ShowText(HWND editor, const wchar_t* path, const std::u16string& text) {
  unsigned errSpaces = ErrSpaceCount();
  LRESULT before = SendMessageW(editor, WM_GETTEXTLENGTH, 0, 0);
  DWORD start = 0, end = 0;
  GetEditorSelection(start, end);
  bool set = text.size() <= EditorTextLimit && SetWindowTextW(editor, AsWide(text.c_str()));
  LRESULT now = SendMessageW(editor, WM_GETTEXTLENGTH, 0, 0);
  if (set && ErrSpaceCount() == errSpaces && static_cast<std::size_t>(now) == text.size()) return true;
  if (ErrSpaceCount() == errSpaces) ReportFileProblem(TooLargeText, path, L"");
  if (now == before) {
    SendMessageW(editor, EM_SETSEL, start, end);
  } else {
    DocumentState.FileName.clear();
    ApplyEdited(DocumentState);
    UpdateTitle();
    UpdateStatusLine();
  }
  return false;
}

void WarnIfCut(const wchar_t* path, const TDecodedDocument& doc) {
  if (doc.CutAtZero) ReportFileProblem(ZeroBytesHeadline, path, AsWide(ZeroBytesDetail), MB_ICONWARNING);
}

// Takes the shown text as the document: its state, name, title and status
// line, the control's own flag cleared. Only then the warning about a text
// cut at a zero byte, and last the .LOG stamp, posted: whatever the warning's
// box dispatches, the stamp is an edit of the adopted document and leaves it
// modified.
void AdoptLoaded(HWND editor, const wchar_t* path, const TDecodedDocument& doc, bool dos) {
  if (dos) ApplyDosLoaded(DocumentState, doc, IsWriteProtected(path));
  else ApplyLoaded(DocumentState, doc, IsWriteProtected(path));
  SendMessageW(editor, EM_SETMODIFY, FALSE, 0);
  ApplyNamed(DocumentState, AsUtf16(path));
  SetDarkMode(dos || doc.Encoding == Dos437 || DarkMode);
  UpdateTitle();
  UpdateStatusLine();
  WarnIfCut(path, doc);
  if (!dos && StartsWithLogMarker(doc.Text)) PostMessageW(MainWindow, WM_COMMAND, CmdDateTime, 1);
}

}  // namespace

bool LoadDocument(HWND editor, const wchar_t* path) {
  BeginWork();
  std::string bytes;
  if (!ReadWholeFile(path, FILE_ATTRIBUTE_NORMAL, bytes)) return false;
  TDecodedDocument doc;
  bool decoded = DecodeDocument(AsUtf16(path), bytes.data(), bytes.size(), doc);
  std::string().swap(bytes);
  if (!decoded) {
    ReportOutOfMemory();
    return false;
  }
  if (!ShowText(editor, path, doc.Text)) return false;
  AdoptLoaded(editor, path, doc, false);
  return true;
}

void OpenDocument(HWND owner, HWND editor) {
  const std::wstring chosen = AskFileName(owner, false, AsWide(OpenFilter), nullptr);
  if (chosen.empty()) return;
  LoadDocument(editor, chosen.c_str());
}

void OpenDosDocument(HWND owner, HWND editor) {
  const std::wstring chosen = AskFileName(owner, false, AsWide(DosFilter), AsWide(DosOpenTitle));
  if (chosen.empty()) return;
  const wchar_t* name = chosen.c_str();
  std::string bytes;
  if (!ReadWholeFile(name, 0, bytes)) return;
  TDecodedDocument doc;
  bool decoded = DecodeDosDocument(bytes.data(), bytes.size(), doc);
  std::string().swap(bytes);
  if (!decoded) return ReportOutOfMemory();
  if (ShowText(editor, name, doc.Text)) AdoptLoaded(editor, name, doc, true);
}

void OpenDocumentByName(const wchar_t* path, HWND editor) {
  // A name from the command line may be relative; the document keeps the full
  // path, so that a later change of the current folder does not move it.
  LoadDocument(editor, FullPath(path).c_str());
}
