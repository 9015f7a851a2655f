#include "output/pdf_export.h"

#include "base/shared.h"
#include "base/texts.h"
#include "document/encoding.h"
#include "output/print.h"
#include "platform/memory.h"

std::u16string ChangeExtension(std::u16string_view path, std::u16string_view extension) {
  std::size_t nameStart = path.size() - FileNamePart(path).size();
  std::size_t dot = path.find_last_of(u'.');
  std::u16string result;
  if (dot == std::u16string_view::npos || dot < nameStart) {
    result.append(path);
    result.push_back(u'.');
  } else {
    result.append(path.substr(0, dot + 1));
  }
  result.append(extension);
  return result;
}

bool IsAbsolutePath(std::u16string_view path) {
  if (path.size() >= 3 && path[1] == u':' && (path[2] == u'\\' || path[2] == u'/')) {
    char16_t drive = path[0];
    return (drive >= u'A' && drive <= u'Z') || (drive >= u'a' && drive <= u'z');
  }
  return path.size() > 2 && path[0] == u'\\' && path[1] == u'\\';
}

std::u16string FolderOf(std::u16string_view path) {
  std::size_t slash = path.find_last_of(u"\\/");
  if (slash == std::u16string_view::npos) return std::u16string();
  if (slash == 2 && path[1] == u':') return std::u16string(path.substr(0, 3));
  return std::u16string(path.substr(0, slash));
}

std::vector<std::u16string> CpdfCandidates(std::u16string_view installPath, std::u16string_view ownFolder,
                                           std::u16string_view pathVariable) {
  std::vector<std::u16string> candidates;
  auto offer = [&](std::u16string_view folder, std::u16string_view file) {
    std::u16string path(folder);
    if (!file.empty()) {
      if (!path.empty() && path.back() != u'\\' && path.back() != u'/') path += u'\\';
      path += file;
    }
    if (IsAbsolutePath(path)) candidates.push_back(std::move(path));
  };
  offer(installPath, u"");
  if (!ownFolder.empty()) offer(ownFolder, u"cpdf.exe");
  while (!pathVariable.empty()) {
    std::size_t end = pathVariable.find(u';');
    std::u16string_view entry = pathVariable.substr(0, end);
    pathVariable = end == std::u16string_view::npos ? std::u16string_view() : pathVariable.substr(end + 1);
    std::u16string folder;
    for (char16_t c : entry)
      if (c != u'"') folder += c;
    if (!folder.empty()) offer(folder, u"cpdf.exe");
  }
  return candidates;
}

std::u16string_view FileNamePart(std::u16string_view path) { return BaseName(path); }

TPdfJob PdfJob(std::u16string_view doc, std::u16string_view cpdf, std::u16string_view writer, bool dos) {
  TPdfJob job;
  job.Cpdf = cpdf;
  job.Writer = writer;
  job.Doc = doc;
  job.Txt = TempUtf8Name(doc, 0);
  job.Pdf = ChangeExtension(doc, u"pdf");
  job.Name = FileNamePart(doc);
  job.Folder = FolderOf(doc);
  job.Dos = dos;
  return job;
}

namespace {

std::u16string Quoted(std::u16string_view text) { return u"\"" + std::u16string(text) + u"\""; }

}  // namespace

std::u16string PdfCommandLine(TPdfPass pass, const TPdfJob& job) {
  std::u16string cpdf = Quoted(job.Cpdf);
  std::u16string pdf = Quoted(job.Pdf);
  switch (pass) {
    case TypesetPass:
      return cpdf + u" -load-ttf Consola=\"C:\\Windows\\Fonts\\consola.ttf\" -typeset " + Quoted(job.Txt) +
             u" -utf8 -create-pdf-papersize a4portrait -font Consola -font-size 9.5 -o " + pdf;
    case ShiftPass: return cpdf + u" -shift \"45 0\" " + pdf + u" -o " + pdf;
    case PageNumberPass:
      return cpdf + u" -add-text \"- %Page -\" -font \"Times-Bold\" -font-size 9 -bottom 20 " + pdf +
             u" 2-end -o " + pdf;
    case DatePass:
      return cpdf + u" -add-text \"\\%Y-\\%m-\\%d\" -font \"Times-Roman\" -font-size 8 -bottomright \"39 20\" " + pdf +
             u" -o " + pdf;
    case FileNamePass:
      return cpdf + u" -add-text " + Quoted(job.Name) +
             u" -font \"Times-Roman\" -font-size 8 -bottomleft \"39 20\" " + pdf + u" -o " + pdf;
    case WriterPass: {
      std::u16string filter = job.Dos ? u" --infilter=\"Text (encoded):IBM_437,,Liberation Mono,\" " : u"";
      return Quoted(job.Writer) + u" --headless --convert-to pdf " + filter + u" " + Quoted(job.Doc);
    }
  }
  return std::u16string();
}

std::u16string PdfFailureMessage(std::u16string_view doc) {
  return PdfFailureBefore + std::u16string(doc) + PdfFailureAfter;
}

bool TempUtf8Bytes(std::u16string_view text, std::string& bytes) {
  bytes.clear();
  std::string encoded;
  if (!EncodeUtf8(text, encoded) || !TryReserve(bytes, Utf8Bom.size() + encoded.size())) return false;
  bytes.assign(Utf8Bom);
  bytes += encoded;
  return true;
}

std::u16string TempUtf8Name(std::u16string_view doc, int attempt) {
  if (attempt == 0) return ChangeExtension(doc, u"utf8");
  std::u16string extension;
  for (char c : std::to_string(attempt)) extension += static_cast<char16_t>(c);
  return ChangeExtension(doc, extension + u".utf8");
}

bool IsTempUtf8Name(std::u16string_view path) { return ContainsNoCase(path, u".utf8").has_value(); }

const char16_t* ExportProblem(std::size_t textLength, bool modified, bool named) {
  if (textLength == 0) return NothingToExportText;
  if (modified || !named) return NotSavedText;
  return nullptr;
}
