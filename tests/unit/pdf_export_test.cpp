#include "output/pdf_export.h"
#include "test_support.h"
#include "rules_by_value.h"

TEST_CASE("PDF export paths come from the document's name") {
  CHECK(ChangeExtension(u"C:\\Texte\\brief.txt", u"pdf") == u"C:\\Texte\\brief.pdf");
  CHECK(ChangeExtension(u"C:\\Texte\\archiv.tar.gz", u"utf8") == u"C:\\Texte\\archiv.tar.utf8");
  CHECK(ChangeExtension(u"C:/Texte/brief.", u"pdf") == u"C:/Texte/brief.pdf");
  // A dot in a folder name is not the file's extension.
  CHECK(ChangeExtension(u"C:\\Texte.alt\\brief", u"pdf") == u"C:\\Texte.alt\\brief.pdf");
  CHECK(ChangeExtension(u"C:\\Texte.alt/brief", u"utf8") == u"C:\\Texte.alt/brief.utf8");
  CHECK(ChangeExtension(u"brief", u"pdf") == u"brief.pdf");

  TPdfJob job = PdfJob(u"C:\\Texte\\brief.txt", u"C:\\cpdf.exe", u"C:\\LO\\swriter.exe", false);
  CHECK(job.Txt == u"C:\\Texte\\brief.utf8");
  // Further names for the copy when that one is taken (by the document itself, say).
  CHECK(TempUtf8Name(u"C:\\Texte\\notes.utf8", 0) == u"C:\\Texte\\notes.utf8");
  CHECK(TempUtf8Name(u"C:\\Texte\\notes.utf8", 1) == u"C:\\Texte\\notes.1.utf8");
  CHECK(TempUtf8Name(u"C:\\Texte.alt\\brief", 15) == u"C:\\Texte.alt\\brief.15.utf8");
  for (int i = 0; i < TempUtf8Names; ++i) CHECK(IsTempUtf8Name(TempUtf8Name(u"C:\\brief.txt", i)));
  CHECK(job.Pdf == u"C:\\Texte\\brief.pdf");
  CHECK(job.Name == u"brief.txt");  // the display name keeps its extension
  CHECK(job.Folder == u"C:\\Texte");  // where the converters run
  CHECK(FileNamePart(u"C:\\Texte/brief.txt") == u"brief.txt");
}

TEST_CASE("converter command lines, character for character") {
  TPdfJob job = PdfJob(u"C:\\Texte\\brief.txt", u"C:\\Pdfwrk\\cpdf.exe", u"C:\\LO\\swriter.exe", false);
  CHECK(PdfCommandLine(TypesetPass, job) ==
        u"\"C:\\Pdfwrk\\cpdf.exe\" -load-ttf Consola=\"C:\\Windows\\Fonts\\consola.ttf\" -typeset "
        u"\"C:\\Texte\\brief.utf8\" -utf8 -create-pdf-papersize a4portrait -font Consola -font-size 9.5 "
        u"-o \"C:\\Texte\\brief.pdf\"");
  CHECK(PdfCommandLine(ShiftPass, job) ==
        u"\"C:\\Pdfwrk\\cpdf.exe\" -shift \"45 0\" \"C:\\Texte\\brief.pdf\" -o \"C:\\Texte\\brief.pdf\"");
  // Page numbers always from page 2 to the end.
  CHECK(PdfCommandLine(PageNumberPass, job) ==
        u"\"C:\\Pdfwrk\\cpdf.exe\" -add-text \"- %Page -\" -font \"Times-Bold\" -font-size 9 -bottom 20 "
        u"\"C:\\Texte\\brief.pdf\" 2-end -o \"C:\\Texte\\brief.pdf\"");
  CHECK(PdfCommandLine(DatePass, job) ==
        u"\"C:\\Pdfwrk\\cpdf.exe\" -add-text \"\\%Y-\\%m-\\%d\" -font \"Times-Roman\" -font-size 8 "
        u"-bottomright \"39 20\" \"C:\\Texte\\brief.pdf\" -o \"C:\\Texte\\brief.pdf\"");
  CHECK(PdfCommandLine(FileNamePass, job) ==
        u"\"C:\\Pdfwrk\\cpdf.exe\" -add-text \"brief.txt\" -font \"Times-Roman\" -font-size 8 "
        u"-bottomleft \"39 20\" \"C:\\Texte\\brief.pdf\" -o \"C:\\Texte\\brief.pdf\"");
  // Two spaces where the input filter would stand.
  CHECK(PdfCommandLine(WriterPass, job) ==
        u"\"C:\\LO\\swriter.exe\" --headless --convert-to pdf  \"C:\\Texte\\brief.txt\"");
  job.Dos = true;
  CHECK(PdfCommandLine(WriterPass, job) ==
        u"\"C:\\LO\\swriter.exe\" --headless --convert-to pdf  "
        u"--infilter=\"Text (encoded):IBM_437,,Liberation Mono,\"  \"C:\\Texte\\brief.txt\"");
}

TEST_CASE("the failure message, the temporary copy and which files may be deleted") {
  CHECK(PdfFailureMessage(u"C:\\Texte\\brief.txt") ==
        u"Der PDF-Export von\r\nC:\\Texte\\brief.txt\r\nist fehlgeschlagen.\r\n\r\n"
        u"(Cpdf blockiert gewisse Unicode Zeichen)");
  CHECK(TempUtf8Bytes(u"") == "\xEF\xBB\xBF");
  CHECK(TempUtf8Bytes(u"Grüße\r\n€") == "\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F" "e\r\n\xE2\x82\xAC");
  CHECK(IsTempUtf8Name(u"C:\\Texte\\brief.utf8"));
  CHECK(IsTempUtf8Name(u"C:\\Texte\\BRIEF.UTF8"));
  CHECK_FALSE(IsTempUtf8Name(u"C:\\Texte\\brief.pdf"));
}

TEST_CASE("cpdf is looked for at full paths only: installation, Zib's folder, absolute PATH folders") {
  CHECK(IsAbsolutePath(u"C:\\Tools\\cpdf.exe"));
  CHECK(IsAbsolutePath(u"d:/Tools"));
  CHECK(IsAbsolutePath(u"\\\\server\\share"));
  for (std::u16string_view relative : {u"", u"cpdf.exe", u".", u"sub\\cpdf.exe", u"C:cpdf.exe", u"\\Tools",
                                       u"%ProgramFiles(x86)%\\Dornef\\Pdfwrk\\cpdf.exe", u"1:\\x"})
    CHECK_FALSE(IsAbsolutePath(relative));

  CHECK(FolderOf(u"C:\\Texte\\brief.txt") == u"C:\\Texte");
  CHECK(FolderOf(u"C:\\brief.txt") == u"C:\\");
  CHECK(FolderOf(u"C:/Texte/brief.txt") == u"C:/Texte");
  CHECK(FolderOf(u"brief.txt") == u"");

  CHECK(CpdfCandidates(u"C:\\PF\\Dornef\\Pdfwrk\\cpdf.exe", u"D:\\Zib", u"C:\\Windows;.;\"E:\\Tools\\\";sub;;F:\\") ==
        std::vector<std::u16string>{u"C:\\PF\\Dornef\\Pdfwrk\\cpdf.exe", u"D:\\Zib\\cpdf.exe",
                                    u"C:\\Windows\\cpdf.exe", u"E:\\Tools\\cpdf.exe", u"F:\\cpdf.exe"});
  // An unexpanded installation path and an unknown own folder offer nothing.
  CHECK(CpdfCandidates(u"%ProgramFiles(x86)%\\Dornef\\Pdfwrk\\cpdf.exe", u"", u"") ==
        std::vector<std::u16string>{});
}
