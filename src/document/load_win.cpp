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

// Puts the text into the editor; false after a message when it does not fit.
// A control that had no room for it has said so already (EN_ERRSPACE) and
// kept its text.
bool ShowText(HWND editor, const wchar_t* path, const std::u16string& text) {
  unsigned errSpaces = ErrSpaceCount();
  if (text.size() > EditorTextLimit || !SetWindowTextW(editor, AsWide(text.c_str()))) {
    if (ErrSpaceCount() == errSpaces) ReportFileProblem(TooLargeText, path, L"");
    return false;
  }
  return true;
}

// The state after a load, the control's own flag cleared with it.
void AdoptLoaded(HWND editor, const wchar_t* path, const TDecodedDocument& doc, bool dos) {
  if (dos) ApplyDosLoaded(DocumentState, doc, IsWriteProtected(path));
  else ApplyLoaded(DocumentState, doc, IsWriteProtected(path));
  SendMessageW(editor, EM_SETMODIFY, FALSE, 0);
}

void WarnIfCut(const wchar_t* path, const TDecodedDocument& doc) {
  if (doc.CutAtZero) ReportFileProblem(ZeroBytesHeadline, path, AsWide(ZeroBytesDetail), MB_ICONWARNING);
}

void OpenLoaded(const wchar_t* path) {
  ApplyNamed(DocumentState, AsUtf16(path));
  UpdateTitle();
  UpdateStatusLine();
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
  UpdateStatusLine();
  UpdateTitle();
  // Posted, so it runs after the caller has taken the name.
  if (StartsWithLogMarker(doc.Text)) PostMessageW(MainWindow, WM_COMMAND, CmdDateTime, 1);
  SetDarkMode(doc.Encoding == Dos437 || DarkMode);
  WarnIfCut(path, doc);
  return true;
}

void OpenDocument(HWND owner, HWND editor) {
  const std::wstring chosen = AskFileName(owner, false, AsWide(OpenFilter), nullptr);
  if (chosen.empty()) return;
  const wchar_t* name = chosen.c_str();
  if (LoadDocument(editor, name)) OpenLoaded(name);
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
  if (!ShowText(editor, name, doc.Text)) return;
  AdoptLoaded(editor, name, doc, true);
  SetDarkMode(true);
  OpenLoaded(name);
  WarnIfCut(name, doc);
}

void OpenDocumentByName(const wchar_t* path, HWND editor) {
  // A name from the command line may be relative; the document keeps the full
  // path, so that a later change of the current folder does not move it.
  const std::wstring full = FullPath(path);
  if (LoadDocument(editor, full.c_str())) OpenLoaded(full.c_str());
}
