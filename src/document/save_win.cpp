// Saving: save, save as, the MS-DOS save, and the one safe way bytes reach a
// file. The new content is written completely to a temporary file beside the
// target and only then put in its place, so a failed or interrupted save
// leaves the previous file as it was; a failed save says why and leaves the
// document modified, under its old name.
#include <windows.h>

#include "base/frame_win.h"
#include "base/report_win.h"
#include "base/shared.h"
#include "base/shared_win.h"
#include "base/texts.h"
#include "document/document_rules.h"
#include "document/document_state.h"
#include "document/document_win.h"
#include "editor/editor_win.h"
#include "platform/wide_win.h"

namespace {

constexpr DWORD KeptAttributes =
    FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Writes all bytes; the count written is compared with the count asked, since
// a full disk can report success for a short write.
DWORD WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD part = bytes.size() - done > (1u << 30) ? (1u << 30) : static_cast<DWORD>(bytes.size() - done);
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, part, &written, nullptr)) return GetLastError();
    if (written != part) return ERROR_DISK_FULL;
    done += written;
  }
  return FlushFileBuffers(file) ? ERROR_SUCCESS : GetLastError();
}

// A new temporary file beside the target, created (CREATE_NEW) under a name
// of our own: GetTempFileNameW takes folders of at most MAX_PATH - 14 units.
// Returns its handle, its name in `temp`, or INVALID_HANDLE_VALUE with the
// error in `error`.
HANDLE CreateTempBeside(const wchar_t* path, std::wstring& temp, DWORD& error) {
  static DWORD counter = 0;
  DWORD seed = GetCurrentProcessId() * 0x9E3779B1u ^ GetTickCount();
  for (int attempt = 0; attempt < 64; ++attempt) {
    temp = ToWide(TempNameBeside(AsUtf16(path), seed + ++counter));
    HANDLE file = CreateFileW(FileApiPath(temp.c_str()).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) return file;
    error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
  }
  temp.clear();
  return INVALID_HANDLE_VALUE;
}

// Gives the temporary file the old file's owner and permissions (for the
// plain move, which would leave it with those of a new file).
void TakeSecurity(const std::wstring& from, const std::wstring& to) {
  constexpr SECURITY_INFORMATION Parts = OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION |
                                         DACL_SECURITY_INFORMATION;
  DWORD size = 0;
  GetFileSecurityW(from.c_str(), Parts, nullptr, 0, &size);
  if (size == 0) return;
  std::string descriptor(size, '\0');
  if (GetFileSecurityW(from.c_str(), Parts, descriptor.data(), size, &size))
    SetFileSecurityW(to.c_str(), Parts, descriptor.data());
}

// Puts the complete temporary file in the target's place. ReplaceFileW keeps
// what the old file had (attributes, security); where the file system cannot
// do it, a plain replacing move is tried, the old file's permissions given
// to the new one first.
DWORD PutInPlace(const std::wstring& target, const std::wstring& temp, bool exists) {
  if (exists && ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
    return ERROR_SUCCESS;
  if (exists) TakeSecurity(target, temp);
  if (MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return ERROR_SUCCESS;
  return GetLastError();
}

// Writes the bytes into the existing file itself, for a folder where the
// user may write the file but not create one. The bytes are complete in
// memory before the file is opened; `damaged` tells whether a failure came
// after the old content was touched.
DWORD WriteInPlace(const std::wstring& target, const std::string& bytes, bool& damaged) {
  HANDLE file = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError();
  damaged = true;
  DWORD error = WriteAll(file, bytes);
  if (error == ERROR_SUCCESS && !SetEndOfFile(file)) error = GetLastError();
  CloseHandle(file);
  damaged = error != ERROR_SUCCESS;
  return error;
}

// The file a symbolic link leads to, so that a save writes there and keeps
// the link; other paths as they are.
std::wstring ThroughLinks(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) return path;
  HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return path;
  std::wstring resolved(GetFinalPathNameByHandleW(file, nullptr, 0, FILE_NAME_NORMALIZED), L'\0');
  DWORD length = resolved.empty() ? 0
                                  : GetFinalPathNameByHandleW(file, resolved.data(), static_cast<DWORD>(resolved.size()),
                                                              FILE_NAME_NORMALIZED);
  CloseHandle(file);
  if (length == 0 || length >= resolved.size()) return path;
  resolved.resize(length);
  return resolved;
}

// Puts bytes into the file at path through a temporary file in the same
// folder; an existing file is replaced only once the new content is complete
// and keeps its attributes. Returns the error, ERROR_SUCCESS when written.
// The temporary file is removed after a failure only when the target is as
// it was (there was none, or the old file is still there): a replace that
// took the old file away and then could not move the new one in leaves the
// temporary file as the one copy, and its name comes back in `kept`. Where
// the folder takes no new file, an existing file is written in place;
// `damaged` then says whether a failure hit its content.
DWORD WriteFileSafely(const wchar_t* path, const std::string& bytes, std::wstring& kept, bool& damaged) {
  const std::wstring direct = FileApiPath(path);
  const std::wstring target = ThroughLinks(direct);
  const wchar_t* beside = target == direct ? path : target.c_str();  // where the temporary file goes
  DWORD old = GetFileAttributesW(target.c_str());
  bool exists = old != INVALID_FILE_ATTRIBUTES;
  if (exists && (old & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))) return ERROR_ACCESS_DENIED;

  std::wstring temp;
  DWORD error = ERROR_SUCCESS;
  HANDLE file = CreateTempBeside(beside, temp, error);
  if (file == INVALID_HANDLE_VALUE) return exists && error == ERROR_ACCESS_DENIED ? WriteInPlace(target, bytes, damaged)
                                                                               : error;
  const std::wstring tempApi = FileApiPath(temp.c_str());
  error = WriteAll(file, bytes);
  CloseHandle(file);
  if (error == ERROR_SUCCESS) error = PutInPlace(target, tempApi, exists);
  if (error != ERROR_SUCCESS) {
    if (!exists || GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) DeleteFileW(tempApi.c_str());
    else kept = temp;
    return error;
  }
  // Not every file system carries the attributes over; set them again.
  DWORD now = GetFileAttributesW(target.c_str());
  if (exists && now != INVALID_FILE_ATTRIBUTES && (now & KeptAttributes) != (old & KeptAttributes))
    SetFileAttributesW(target.c_str(), (now & ~KeptAttributes) | (old & KeptAttributes));
  return ERROR_SUCCESS;
}

bool WriteOrReport(const wchar_t* path, const std::string& bytes) {
  std::wstring kept;
  bool damaged = false;
  DWORD error = WriteFileSafely(path, bytes, kept, damaged);
  if (error == ERROR_SUCCESS) return true;
  std::wstring detail = SystemReason(error);
  if (damaged) {
    detail += L"\r\n\r\n";
    detail += AsWide(InPlaceDamagedText);
  }
  if (!kept.empty()) {
    detail += L"\r\n\r\n";
    detail += AsWide(NewContentKeptText);
    detail += L"\r\n" + kept;
  }
  ReportFileProblem(CannotWriteText, path, detail);
  return false;
}

// The state after a successful write under path of the text as it stood
// after `edits` changes; should it have changed since, it stays modified.
void Written(HWND editor, const wchar_t* path, TextEncoding encoding, bool hasBom, std::uint64_t edits) {
  ApplyWritten(DocumentState, encoding, hasBom, IsWriteProtected(path));
  SendMessageW(editor, EM_SETMODIFY, FALSE, 0);
  if (DocumentState.Edits != edits) ApplyEdited(DocumentState);
  UpdateTitle();
  UpdateStatusLine();
}

// A question's box dispatches messages while it waits, and the modeless
// replace dialog can change the text meanwhile: after a question the text is
// read again when it changed, so that what is written is the text as it
// stands. False (after the message) when the memory for it cannot be had.
bool ReadAgainIfEdited(std::u16string& text, std::uint64_t& edits) {
  if (DocumentState.Edits == edits) return true;
  edits = DocumentState.Edits;
  std::u16string().swap(text);
  if (GetEditorText(text)) return true;
  ReportOutOfMemory();
  return false;
}

}  // namespace

bool WriteDocument(HWND editor, const wchar_t* path) {
  std::uint64_t edits = DocumentState.Edits;
  std::u16string text;
  if (!GetEditorText(text)) {
    ReportOutOfMemory();
    return false;
  }
  std::u16string_view name = AsUtf16(path);
  bool utf8 = SaveStartsAsUtf8(DocumentState.Encoding, DocumentState.EncodingSource, name);
  if (!utf8 && NeedsUnicode(text)) {
    utf8 = MessageBoxW(MainWindow, AsWide(UnicodePromptText), AsWide(UnicodePromptCaption), MB_YESNO | MB_ICONQUESTION) ==
           IDYES;
    if (!ReadAgainIfEdited(text, edits)) return false;
  }
  BeginWork();
  std::string bytes;
  bool encoded = EncodeForSave(text, utf8, name, bytes);
  std::u16string().swap(text);
  if (!encoded) {
    ReportOutOfMemory();
    return false;
  }
  if (!WriteOrReport(path, bytes)) return false;
  Written(editor, path, utf8 ? Utf8 : Ansi, SaveWritesBom(utf8, name), edits);
  return true;
}

void SaveDocument(HWND owner, HWND editor) {
  if (DocumentState.FileName.empty()) SaveDocumentAs(owner, editor);
  else if (DocumentState.Encoding == Dos437) SaveDosDocument(owner, editor);
  else if (DocumentState.WriteProtected) SaveDocumentAs(owner, editor);
  else WriteDocument(editor, AsWide(DocumentState.FileName.c_str()));
}

void SaveDocumentAs(HWND owner, HWND editor) {
  const std::wstring chosen = AskFileName(owner, true, AsWide(SaveFilter), nullptr);
  if (chosen.empty()) return;
  const wchar_t* name = chosen.c_str();
  if (!WriteDocument(editor, name)) return;
  ApplyNamed(DocumentState, AsUtf16(name));
  UpdateTitle();
  UpdateStatusLine();
}

void SaveDosDocument(HWND owner, HWND editor) {
  const std::wstring chosen = AskFileName(owner, true, AsWide(DosFilter), AsWide(DosSaveTitle));
  if (chosen.empty()) return;
  const wchar_t* name = chosen.c_str();
  std::uint64_t edits = DocumentState.Edits;
  bool replaced = false;
  std::u16string text;
  std::string bytes;
  if (!GetEditorText(text) || !EncodeDos437(text, bytes, replaced)) return ReportOutOfMemory();
  std::u16string().swap(text);
  if (replaced) {
    if (MessageBoxW(MainWindow, AsWide(DosSavePromptText), AsWide(ZibCaption), MB_YESNO | MB_ICONWARNING) != IDYES) return;
    if (DocumentState.Edits != edits) {
      std::string().swap(bytes);
      if (!ReadAgainIfEdited(text, edits)) return;
      if (!EncodeDos437(text, bytes, replaced)) return ReportOutOfMemory();
      std::u16string().swap(text);
    }
  }
  if (!WriteOrReport(name, bytes)) return;
  ApplyNamed(DocumentState, AsUtf16(name));
  Written(editor, name, Dos437, false, edits);
}

// Beside the saving it offers: Yes saves, and only a save that went through
// lets the caller go on.
bool ConfirmDiscardChanges(HWND owner) {
  if (!DocumentState.Modified) return true;
  std::wstring text = AsWide(SaveChangesBefore) + ToWide(DocumentDisplayName()) + AsWide(SaveChangesAfter);
  switch (MessageBoxW(owner, text.c_str(), AsWide(ZibCaption), MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
      SaveDocument(owner, EditorWindow());
      return !DocumentState.Modified;
    case IDNO: return true;
    default: return false;
  }
}
