// The PDF export's rules: the paths derived from the document's name, the
// converters' command lines and the temporary UTF-8 copy of the text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The path with the text after the last "." of its file name replaced by the
// extension; a file name without "." gets "." and the extension appended.
// Dots in folder names are left alone.
std::u16string ChangeExtension(std::u16string_view path, std::u16string_view extension);

// The part after the last "\" or "/" (brief.txt).
std::u16string_view FileNamePart(std::u16string_view path);

// Whether a path names a place by itself: a drive and a backslash
// ("C:\...") or a network share ("\\server\..."). Anything else would be
// found relative to the current folder.
bool IsAbsolutePath(std::u16string_view path);

// The folder part of a path: up to its last "\" or "/", keeping the
// backslash of a drive's root ("C:\"); empty when the path has none.
std::u16string FolderOf(std::u16string_view path);

// Where cpdf is looked for, in order: its installation path, Zib's own
// folder, then every absolute folder of PATH (";"-separated, quotes
// dropped). Relative candidates are never offered, so neither the current
// folder nor a document's folder can supply a converter.
std::vector<std::u16string> CpdfCandidates(std::u16string_view installPath, std::u16string_view ownFolder,
                                           std::u16string_view pathVariable);

// Everything one export passes to the converters.
struct TPdfJob {
  std::u16string Cpdf;    // CpdfPath
  std::u16string Writer;  // SwriterPath
  std::u16string Doc;     // the document's full file name
  std::u16string Txt;     // the temporary UTF-8 copy beside it (TempUtf8Name's first name
                          // until the export has created the copy under a free one)
  std::u16string Pdf;     // the PDF beside it
  std::u16string Name;    // the display name stamped on the pages
  std::u16string Folder;  // the document's folder: the converters' working folder
  bool Dos = false;       // a code page 437 document
};

TPdfJob PdfJob(std::u16string_view doc, std::u16string_view cpdf, std::u16string_view writer, bool dos);

enum TPdfPass {
  TypesetPass,     // cpdf: the UTF-8 copy to an A4 PDF
  ShiftPass,       // cpdf: MS-DOS documents shifted right
  PageNumberPass,  // cpdf: "- n -" from page 2 on
  DatePass,        // cpdf: the date at the bottom right
  FileNamePass,    // cpdf: the display name at the bottom left
  WriterPass,      // LibreOffice: the saved file itself to PDF
};

// The command line of one converter run; paths are quoted, never escaped.
std::u16string PdfCommandLine(TPdfPass pass, const TPdfJob& job);

// The message after a failed typesetting run.
std::u16string PdfFailureMessage(std::u16string_view doc);

// The bytes of the temporary copy: the UTF-8 mark, then the text in UTF-8;
// false when the memory for them cannot be had.
bool TempUtf8Bytes(std::u16string_view text, std::string& bytes);

// How many names beside the document the temporary copy may take.
constexpr int TempUtf8Names = 16;

// The temporary copy's name for the attempt 0 .. TempUtf8Names - 1: the
// document's name with "utf8" for its extension, then with "1.utf8",
// "2.utf8" and so on. The copy is created only under a name no file has,
// so neither the document (notes.utf8) nor a file of the user's beside it
// (brief.utf8 beside brief.txt) is ever written over.
std::u16string TempUtf8Name(std::u16string_view doc, int attempt);

// Whether a temporary file may be deleted: only a name containing ".utf8".
bool IsTempUtf8Name(std::u16string_view path);

// Why a document cannot be exported (NothingToExportText or NotSavedText), or null
// when it can: it must hold text and be saved under a name.
const char16_t* ExportProblem(std::size_t textLength, bool modified, bool named);
