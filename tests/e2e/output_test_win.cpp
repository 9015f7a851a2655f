// End-to-end tests of printing and the PDF export. The test prefix has no
// printer, so printing shows what the platform shows then, and the export runs
// a stand-in converter (fake_converter.exe) found through the environment
// variables that the converter paths are made of.
#include <doctest/doctest.h>
#include <windows.h>
#include <winspool.h>

#include <functional>
#include <string>
#include <vector>

#include "base/commands.h"
#include "document/encoding.h"
#include "driver_win.h"
#include "output/pdf_export.h"
#include "printing_win.h"
#include "rules_by_value.h"

namespace {

std::u16string U(std::wstring_view s) { return std::u16string(reinterpret_cast<const char16_t*>(s.data()), s.size()); }


}  // namespace

TEST_CASE("printing: the print dialog forces the classic dialog while open; Cancel leaves all as it was") {
  TKeepPrintSetting keep;
  TZib zib;
  REQUIRE(StartZib(zib));
  REQUIRE(Type(zib, L"Zeile eins\nZeile zwei"));
  const std::wstring title = Title(zib);
  const std::wstring text = EditorText(zib);

  struct TCase {
    const wchar_t* chord;
    bool present;
    DWORD before;
    DWORD after;  // a missing value is created with 0
  };
  const TCase cases[] = {{L"Ctrl+P", false, 0, 0}, {L"Ctrl+Shift+P", true, 1, 1}, {L"Ctrl+P", true, 0, 0},
                         {L"Ctrl+Shift+P", true, 5, 5}};
  for (const TCase& c : cases) {
    CAPTURE(c.present);
    CAPTURE(c.before);
    WritePrintSetting(c.present, c.before);
    REQUIRE(BringToFront(zib));
    PressKeys(c.chord);
    // The print dialog owned by the main window; in a prefix without a
    // printer the platform says so in a message box instead.
    HWND dialog = WaitForDialog(zib);
    REQUIRE(dialog != nullptr);
    CHECK(ReadPrintSetting() == std::pair<bool, DWORD>(true, 1));
    bool noPrinter = GetDlgItem(dialog, 0xFFFF) != nullptr;
    if (!noPrinter) CHECK(GetWindow(dialog, GW_OWNER) == zib.Main);
    if (c.before == 0) {
      Sleep(300);
      SaveScreenshot(dialog, noPrinter ? L"print-no-printer" : L"print-dialog");
    }
    REQUIRE(PressButton(dialog, noPrinter ? IDOK : IDCANCEL));
    REQUIRE(WaitForWindowGone(dialog));
    CHECK(WaitUntil([&] { return ReadPrintSetting() == std::pair<bool, DWORD>(true, c.after); }, 5000));
    CHECK(Dialogs(zib).empty());
    CHECK(Title(zib) == title);
    CHECK(EditorText(zib) == text);
  }
  CHECK(IsRunning(zib));
}

namespace {

// Prints with the chord, confirming the print dialog; the job's comments.
std::vector<std::string> PrintWith(TZib& zib, const TFilePrinter& printer, const wchar_t* chord,
                                   const wchar_t* screenshot = nullptr) {
  DeleteFileW(printer.Output.c_str());
  REQUIRE(Keys(zib, chord));
  HWND dialog = WaitForDialog(zib);
  REQUIRE(dialog != nullptr);
  CHECK(GetWindow(dialog, GW_OWNER) == zib.Main);
  if (screenshot) {
    Sleep(300);
    SaveScreenshot(dialog, screenshot);
  }
  REQUIRE(PressButton(dialog, IDOK));
  REQUIRE(WaitForWindowGone(dialog));
  std::vector<std::string> comments;
  WaitUntil([&] { return !(comments = printer.Comments()).empty(); }, 20000);
  // A completed print puts the dialog setting back as well.
  CHECK(WaitUntil([&] { return ReadPrintSetting() == std::pair<bool, DWORD>(true, 0); }, 5000));
  return comments;
}

// The printed pages as Ghostscript reads their text back from the
// PostScript (txtwrite lays the text out in character cells), one string per
// page, and the names of the fonts the job used.
struct TPrintout {
  std::vector<std::string> Lines;  // trimmed, no-break and soft-hyphen glyphs read as blank and "-"
  std::vector<std::string> Fonts;
};

std::string UnixPath(const std::wstring& path) {
  using TUnixName = char*(CDECL*)(LPCWSTR);
  auto unixName = reinterpret_cast<TUnixName>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!unixName) return {};
  char* name = unixName(path.c_str());
  if (!name) return {};
  std::string result = name;
  HeapFree(GetProcessHeap(), 0, name);
  return result;
}

TPrintout ReadPrintout(const TFilePrinter& printer) {
  TPrintout printout;
  std::string ps;
  REQUIRE(ReadFileBytes(printer.Output, ps));
  for (std::size_t at = ps.find("/FontName /"); at != std::string::npos; at = ps.find("/FontName /", at + 1)) {
    std::size_t start = at + 11;
    printout.Fonts.push_back(ps.substr(start, ps.find_first_of(" \r\n", start) - start));
  }
  std::wstring textFile = printer.Folder + L"\\out.txt";
  DeleteFileW(textFile.c_str());
  std::string in = UnixPath(printer.Output), out = UnixPath(textFile);
  REQUIRE_FALSE(in.empty());
  std::wstring command = L"Z:\\usr\\bin\\gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=txtwrite \"-sOutputFile=" +
                         std::wstring(out.begin(), out.end()) + L"\" \"" + std::wstring(in.begin(), in.end()) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  REQUIRE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  WaitForSingleObject(process.hProcess, 60000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  std::string text;
  REQUIRE(WaitUntil([&] { return ReadFileBytes(textFile, text) && !text.empty(); }, 10000));
  auto replaceAll = [&](const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
      text.replace(at, from.size(), to);
  };
  replaceAll("\xC2\xA0", " ");
  replaceAll("\xC2\xAD", "-");
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    std::size_t first = line.find_first_not_of(" \r\f"), last = line.find_last_not_of(" \r\f");
    if (first != std::string::npos) printout.Lines.push_back(line.substr(first, last - first + 1));
  }
  return printout;
}

}  // namespace

TEST_CASE("printing as the text stands: \"&\", tabs, a word wider than the line, the footer, both fonts") {
  TKeepPrintSetting keep;
  TFilePrinter printer;
  REQUIRE(printer.Ready);
  const std::wstring doc = ScratchFolder(L"print-text") + L"\\brief.txt";
  std::string lines = "AT&T & Co.\r\nx\ty\r\n" + std::string(150, 'W') + "\r\n";
  for (int i = 1; i <= 130; ++i) lines += "Zeile " + std::to_string(i) + "\r\n";
  REQUIRE(WriteFileBytes(doc, lines));
  TZib zib;
  REQUIRE(StartZib(zib, L"\"" + doc + L"\""));
  wchar_t today[16] = L"";
  GetDateFormatW(LOCALE_SYSTEM_DEFAULT, 0, nullptr, L"yyyy-MM-dd", today, 16);
  const std::string date = Narrow(today);

  struct TCase {
    const wchar_t* Chord;
    const char* Font;  // the face the printer gets for the mode's font
    int Pages;
  };
  for (const TCase& c : {TCase{L"Ctrl+P", "LiberationMono", 3}, TCase{L"Ctrl+Shift+P", "LiberationSans", 3}}) {
    CAPTURE(Narrow(c.Chord));
    PrintWith(zib, printer, c.Chord);
    TPrintout printout = ReadPrintout(printer);
    for (const std::string& font : printout.Fonts) CHECK(font == c.Font);
    CHECK_FALSE(printout.Fonts.empty());

    // Text lines and footers, page by page: a footer line carries the date.
    std::vector<std::string> text, footers;
    for (const std::string& line : printout.Lines) (line.find(date) != std::string::npos ? footers : text).push_back(line);
    REQUIRE(static_cast<int>(footers.size()) == c.Pages);
    for (int page = 1; page <= c.Pages; ++page) {
      const std::string& footer = footers[page - 1];
      CAPTURE(footer);
      CHECK(footer.find("brief.txt") != std::string::npos);
      std::string number = "\xE2\x80\x93 " + std::to_string(page) + " \xE2\x80\x93";
      CHECK((footer.find(number) != std::string::npos) == (page > 1));
      CHECK((footer.find("\xE2\x80\x93") != std::string::npos) == (page > 1));
    }
    REQUIRE(text.size() >= 4);
    CHECK(text[0] == "AT&T & Co.");
    // The tab reaches the next multiple of four columns: read back as two
    // or three cells (eight columns read back as four, none as a zero).
    std::size_t x = text[1].find('x'), y = text[1].find('y');
    REQUIRE(x != std::string::npos);
    REQUIRE(y != std::string::npos);
    CHECK(y - x - 1 >= 2);
    CHECK(y - x - 1 <= 3);
    CHECK(text[1].find_first_not_of("x y") == std::string::npos);
    // The long word is broken over lines, every letter printed.
    std::size_t letters = 0, row = 2;
    for (; row < text.size() && text[row].find_first_not_of('W') == std::string::npos; ++row) letters += text[row].size();
    CHECK(row > 3);
    CHECK(letters == 150);
    // Nothing else lost or reordered.
    std::vector<std::string> rest(text.begin() + static_cast<std::ptrdiff_t>(row), text.end());
    std::vector<std::string> want;
    for (int i = 1; i <= 130; ++i) want.push_back("Zeile " + std::to_string(i));
    CHECK(rest == want);
  }
}

TEST_CASE("a DLL planted beside Zib is never loaded, also not by printing or the file dialog") {
  TKeepPrintSetting keep;
  TFilePrinter printer;
  REQUIRE(printer.Ready);
  // A download folder: Zib and DLLs under the names of what printing loads
  // by name. Wine prefers its own DLLs; the override makes it take a DLL file
  // it finds instead, as Windows would.
  const std::wstring folder = ScratchFolder(L"download");
  REQUIRE(CopyFileW(ZibPath().c_str(), (folder + L"\\Zib.exe").c_str(), FALSE));
  const wchar_t* names[] = {L"spoolss.dll", L"localspl.dll", L"winprint.dll"};
  for (const wchar_t* name : names)
    REQUIRE(CopyFileW((ProgramFolder() + L"\\planted.dll").c_str(), (folder + L"\\" + name).c_str(), FALSE));
  wchar_t old[1024] = L"";
  DWORD had = GetEnvironmentVariableW(L"WINEDLLOVERRIDES", old, 1024);
  SetEnvironmentVariableW(L"WINEDLLOVERRIDES",
                          (std::wstring(old) + (had ? L";" : L"") + L"spoolss,localspl,winprint=n,b").c_str());
  TZib zib;
  bool started = StartProgram(zib, folder + L"\\Zib.exe", L"", folder, MainWindowClass, 20000);
  SetEnvironmentVariableW(L"WINEDLLOVERRIDES", had ? old : nullptr);
  REQUIRE(started);
  PrintWith(zib, printer, L"Ctrl+P");
  REQUIRE(Keys(zib, L"Ctrl+O"));
  HWND dialog = WaitForDialog(zib);
  REQUIRE(dialog != nullptr);
  REQUIRE(PressButton(dialog, IDCANCEL));
  REQUIRE(WaitForWindowGone(dialog));
  for (const wchar_t* name : names) {
    CAPTURE(Narrow(name));
    CHECK(GetFileAttributesW((folder + L"\\" + name + L".loaded").c_str()) == INVALID_FILE_ATTRIBUTES);
  }
}

TEST_CASE("printing on a printer: the job's name, and paragraphs wrapped onto pages") {
  TKeepPrintSetting keep;
  TFilePrinter printer;
  REQUIRE(printer.Ready);
  TZib zib;
  REQUIRE(StartZib(zib));
  using Comments = std::vector<std::string>;
  // Untitled and empty: one page with the footer alone.
  CHECK(PrintWith(zib, printer, L"Ctrl+P", L"print-dialog") == Comments{"%%Title: Unbenannt", "%%Pages: 1"});

  // A hundred short lines need a second page; one long paragraph wraps and
  // stays on one page.
  const std::wstring doc = ScratchFolder(L"print-doc") + L"\\brief.txt";
  std::string lines;
  for (int i = 1; i <= 100; ++i) lines += "Zeile " + std::to_string(i) + "\r\n";
  REQUIRE(WriteFileBytes(doc, lines));
  REQUIRE(DropFiles(zib, {doc}));
  REQUIRE(WaitUntil([&] { return EditorLength(zib) == static_cast<long>(lines.size()); }, 5000));
  CHECK(PrintWith(zib, printer, L"Ctrl+P") == Comments{"%%Title: brief.txt", "%%Pages: 2"});
  CHECK(PrintWith(zib, printer, L"Ctrl+Shift+P") == Comments{"%%Title: brief.txt", "%%Pages: 2"});
  std::wstring paragraph;
  for (int i = 0; i < 200; ++i) paragraph += L"Wort ";
  REQUIRE(SetEditorText(zib, paragraph));
  CHECK(PrintWith(zib, printer, L"Ctrl+P") == Comments{"%%Title: brief.txt", "%%Pages: 1"});
  CHECK(IsRunning(zib));
}

namespace {

// --- PDF export ----------------------------------------------------------------

// The stand-in converter installed where the editor looks for cpdf and
// LibreOffice Writer: the two program-folder variables point into the test's
// folder while the record lives. While it lives, PDF files open with the
// stand-in too (it notes "open" and the file), unless the prefix already
// has its own choice for them. (Wine's shell reads the machine's classes
// only, not the user's.)
// A folder of its own for each set of stand-ins: a stand-in started by an
// earlier test (a PDF opened through the association, a slow pass) may still
// be ending under Wine and hold its file for seconds.
std::wstring FreshConverterRoot() {
  static int count = 0;
  return ScratchFolder(L"pdf-export-" + std::to_wstring(++count));
}

struct TConverters {
  std::wstring Root = FreshConverterRoot();
  std::wstring CpdfFolder = Root + L"\\x86\\Dornef\\Pdfwrk";
  std::wstring WriterFolder = Root + L"\\w64\\LibreOffice\\program";
  std::wstring Cpdf = CpdfFolder + L"\\cpdf.exe";
  std::wstring Writer = WriterFolder + L"\\swriter.exe";
  std::vector<std::pair<std::wstring, std::wstring>> SavedEnvironment;
  bool OwnsPdfAssociation = false;

  TConverters() {
    for (const wchar_t* folder : {L"\\x86", L"\\x86\\Dornef", L"\\x86\\Dornef\\Pdfwrk", L"\\w64", L"\\w64\\LibreOffice",
                                  L"\\w64\\LibreOffice\\program", L"\\Texte"})
      CreateDirectoryW((Root + folder).c_str(), nullptr);
    for (const std::wstring& folder : {CpdfFolder, WriterFolder})
      for (const wchar_t* file : {L"\\calls.log", L"\\starts.log", L"\\typeset-input.bin", L"\\fail-on.txt",
                                  L"\\sleep-ms.txt", L"\\test-exit.txt"})
        DeleteFileW((folder + file).c_str());
    std::wstring fake = ProgramFolder() + L"\\fake_converter.exe";
    for (const std::wstring& target : {Cpdf, Writer})
      REQUIRE(WaitUntil([&] { return CopyFileW(fake.c_str(), target.c_str(), FALSE) != 0; }, 10000));
    SetVariable(L"ProgramFiles(x86)", Root + L"\\x86");
    SetVariable(L"ProgramW6432", Root + L"\\w64");
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.pdf", 0, KEY_READ, &key) == ERROR_SUCCESS) {
      RegCloseKey(key);
      return;
    }
    OwnsPdfAssociation = true;
    SetDefault(L"Software\\Classes\\.pdf", L"ZibTest.Pdf");
    SetDefault(L"Software\\Classes\\ZibTest.Pdf\\shell\\open\\command", L"\"" + Cpdf + L"\" open \"%1\"");
  }

  ~TConverters() {
    for (auto it = SavedEnvironment.rbegin(); it != SavedEnvironment.rend(); ++it)
      SetEnvironmentVariableW(it->first.c_str(), it->second.empty() ? nullptr : it->second.c_str());
    if (OwnsPdfAssociation) {
      RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\.pdf");
      RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Classes\\ZibTest.Pdf");
    }
  }

  void SetVariable(const wchar_t* name, const std::wstring& value) {
    wchar_t old[8192] = L"";
    GetEnvironmentVariableW(name, old, 8192);
    SavedEnvironment.emplace_back(name, old);
    SetEnvironmentVariableW(name, value.c_str());
  }

  static void SetDefault(const wchar_t* path, const std::wstring& value) {
    HKEY key = nullptr;
    REQUIRE(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) ==
            ERROR_SUCCESS);
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
  }

  // The command lines the converter in that folder was started with (or,
  // from starts.log, how it was started).
  static std::vector<std::wstring> Calls(const std::wstring& folder, const wchar_t* log = L"\\calls.log") {
    std::string bytes;
    ReadFileBytes(folder + log, bytes);
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1) {
      std::string line = bytes.substr(start, end - start);
      std::wstring wide(line.size(), L'\0');
      wide.resize(MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), wide.data(),
                                      static_cast<int>(wide.size())));
      lines.push_back(wide);
    }
    return lines;
  }
  std::vector<std::wstring> CpdfCalls() const { return Calls(CpdfFolder); }
  std::vector<std::wstring> WriterCalls() const { return Calls(WriterFolder); }
  std::vector<std::wstring> CpdfStarts() const { return Calls(CpdfFolder, L"\\starts.log"); }
  std::vector<std::wstring> WriterStarts() const { return Calls(WriterFolder, L"\\starts.log"); }

  // No converter where the editor looks first: both stand-ins removed.
  void Uninstall() const {
    DeleteFileW(Cpdf.c_str());
    DeleteFileW(Writer.c_str());
  }
  // The exit code of cpdf's start-up test run.
  void TestRunExits(int code) const { WriteFileBytes(CpdfFolder + L"\\test-exit.txt", std::to_string(code)); }

  // The cpdf stand-in ends with code 1 when its command line contains the text.
  void FailOn(const std::string& part) const {
    for (const std::wstring& folder : {CpdfFolder, WriterFolder}) {
      if (part.empty()) DeleteFileW((folder + L"\\fail-on.txt").c_str());
      else WriteFileBytes(folder + L"\\fail-on.txt", part);
    }
  }
  void SleepEachRun(int ms) const { WriteFileBytes(CpdfFolder + L"\\sleep-ms.txt", std::to_string(ms)); }

  // The job the editor makes of the document.
  TPdfJob Job(const std::wstring& doc, bool dos) const { return PdfJob(U(doc), U(Cpdf), U(Writer), dos); }
  std::wstring StartupTest() const { return L"\"" + Cpdf + L"\""; }
  std::wstring OpenCall(const TPdfJob& job) const { return L"\"" + Cpdf + L"\" open \"" + ToWide(job.Pdf) + L"\""; }
};

std::wstring Line(TPdfPass pass, const TPdfJob& job) { return ToWide(PdfCommandLine(pass, job)); }

// What the stand-in notes of its start: working folder, console title, show
// state, fill attribute, console size 136 x 64, and the four start-up flags
// (show window, position, count chars, fill attribute).
std::wstring Start(const std::wstring& folder, const wchar_t* title, int show, int fill) {
  wchar_t text[MAX_PATH + 200];
  wsprintfW(text, L"dir=%s|title=%s|show=%d|fill=%02X|size=136x64|flags=001D", folder.c_str(), title, show, fill);
  return text;
}
std::wstring PassStart(const TPdfJob& job, int show = SW_HIDE, int fill = 0x4E) {
  return Start(ToWide(job.Folder), AsWide(PassTitle), show, fill);
}

bool Exists(const std::u16string& path) { return GetFileAttributesW(ToWide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

// Waits until the converter's calls are the wanted ones; names both when not.
bool CallsBecome(const std::vector<std::wstring>& want, const std::function<std::vector<std::wstring>()>& calls,
                 DWORD timeoutMs = 30000) {
  if (WaitUntil([&] { return calls() == want; }, timeoutMs)) return true;
  std::string report = "wanted:\n";
  for (const std::wstring& line : want) report += "  " + Narrow(line) + "\n";
  report += "got:\n";
  for (const std::wstring& line : calls()) report += "  " + Narrow(line) + "\n";
  MESSAGE(report);
  return false;
}

void AnswerBox(TZib& zib, std::u16string_view caption, std::u16string_view text) {
  HWND box = WaitForMessageBox(zib, ToWide(caption));
  REQUIRE(box != nullptr);
  CHECK(MessageText(box) == ToWide(text));
  CHECK(GetWindow(box, GW_OWNER) == zib.Main);
  REQUIRE(PressButton(box, IDOK));
  REQUIRE(WaitForWindowGone(box));
}

// A saved letter beside the stand-ins, open in Zib; its path.
std::wstring OpenBrief(const TConverters& converters, TZib& zib) {
  const std::wstring doc = converters.Root + L"\\Texte\\brief.txt";
  REQUIRE(WriteFileBytes(doc, "Brief\r\n"));
  REQUIRE(StartZib(zib, L"\"" + doc + L"\""));
  return doc;
}

bool MenuEnabled(TZib& zib, unsigned short id) {
  TMenus menus;
  if (!ReadMenus(zib, menus, true)) return false;
  const TMenuEntry* item = FindMenuItem(menus, id);
  return item && !item->Grayed();
}

}  // namespace

TEST_CASE("PDF export: with nothing saved to export only the message shows, and no converter runs") {
  TConverters converters;
  TZib zib;
  REQUIRE(StartZib(zib));
  // Found at start-up; cpdf had its test run.
  CHECK(MenuEnabled(zib, CmdPdfCpdf));
  CHECK(MenuEnabled(zib, CmdPdfLibreOffice));
  CHECK(converters.CpdfCalls() == std::vector<std::wstring>{converters.StartupTest()});

  REQUIRE(Keys(zib, L"Alt+P"));
  AnswerBox(zib, CpdfCaption, NothingToExportText);
  REQUIRE(Keys(zib, L"Alt+L"));
  AnswerBox(zib, WriterCaption, NothingToExportText);
  REQUIRE(Type(zib, L"ungespeichert"));
  REQUIRE(Keys(zib, L"Alt+P"));
  AnswerBox(zib, CpdfCaption, NotSavedText);
  REQUIRE(Keys(zib, L"Alt+L"));
  AnswerBox(zib, WriterCaption, NotSavedText);

  CHECK(converters.CpdfCalls() == std::vector<std::wstring>{converters.StartupTest()});
  CHECK(converters.WriterCalls().empty());
  CHECK(IsWindowVisible(Editor(zib)));
}

TEST_CASE("PDF export via cpdf and via LibreOffice: the passes, the UTF-8 copy, the opened PDF") {
  TConverters converters;
  const std::wstring doc = converters.Root + L"\\Texte\\brief.txt";
  const std::u16string text = u"Grüße aus Köln\r\n€ und 😀\r\n";
  REQUIRE(WriteFileBytes(doc, EncodeUtf8(text)));
  TZib zib;
  REQUIRE(StartZib(zib, L"\"" + doc + L"\""));
  REQUIRE(EditorText(zib) == ToWide(text));
  const std::wstring title = Title(zib);
  TPdfJob job = converters.Job(doc, false);

  // Each run takes a while: the editor is hidden meanwhile and the window answers.
  converters.SleepEachRun(400);
  REQUIRE(Keys(zib, L"Alt+P"));
  CHECK(WaitUntil([&] { return !IsWindowVisible(Editor(zib)); }, 15000));
  DWORD_PTR result = 0;
  CHECK(SendMessageTimeoutW(zib.Main, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 300, &result) != 0);
  SaveScreenshot(zib.Main, L"pdf-export-busy");
  std::vector<std::wstring> want = {converters.StartupTest(), Line(TypesetPass, job), Line(PageNumberPass, job),
                                    Line(DatePass, job),      Line(FileNamePass, job)};
  if (converters.OwnsPdfAssociation) want.push_back(converters.OpenCall(job));
  CHECK(CallsBecome(want, [&] { return converters.CpdfCalls(); }));
  CHECK(WaitUntil([&] { return IsWindowVisible(Editor(zib)); }, 15000));
  // The test run in cpdf's own folder, every pass in the document's folder.
  std::vector<std::wstring> starts = {Start(converters.CpdfFolder, L"CPDF-Test", SW_HIDE, 0x4E), PassStart(job),
                                      PassStart(job), PassStart(job), PassStart(job)};
  std::vector<std::wstring> gotStarts = converters.CpdfStarts();
  if (gotStarts.size() > starts.size()) gotStarts.resize(starts.size());  // then the PDF was opened
  CHECK(gotStarts == starts);
  std::string copy;
  ReadFileBytes(converters.CpdfFolder + L"\\typeset-input.bin", copy);
  CHECK(copy == TempUtf8Bytes(text));
  CHECK(Exists(job.Pdf));
  CHECK_FALSE(Exists(job.Txt));  // the copy is removed after a complete export
  CHECK(Title(zib) == title);
  CHECK(EditorText(zib) == ToWide(text));

  // LibreOffice converts the file itself, into its working folder, which is
  // the document's (the editor's own current folder is another); cpdf then
  // stamps the pages.
  converters.SleepEachRun(0);
  DeleteFileW(ToWide(job.Pdf).c_str());
  REQUIRE(Keys(zib, L"Alt+L"));
  CHECK(CallsBecome({Line(WriterPass, job)}, [&] { return converters.WriterCalls(); }));
  CHECK(converters.WriterStarts() == std::vector<std::wstring>{PassStart(job, SW_SHOWNORMAL, 7)});
  want.insert(want.end(), {Line(PageNumberPass, job), Line(DatePass, job), Line(FileNamePass, job)});
  if (converters.OwnsPdfAssociation) want.push_back(converters.OpenCall(job));
  CHECK(CallsBecome(want, [&] { return converters.CpdfCalls(); }));
  CHECK(Exists(job.Pdf));
  CHECK(WaitUntil([&] { return IsWindowVisible(Editor(zib)); }, 15000));
  CHECK(Dialogs(zib).empty());
}

TEST_CASE("PDF export of an MS-DOS document: the shift pass for cpdf, the input filter for LibreOffice") {
  TConverters converters;
  const std::wstring doc = converters.Root + L"\\Texte\\rahmen.txt";
  std::string bytes;
  REQUIRE(ReadFileBytes(L"Z:" ZIB_SOURCE_DIR L"/tests/data/encodings/dos437.txt", bytes));
  REQUIRE(WriteFileBytes(doc, bytes));
  TZib zib;
  REQUIRE(StartZib(zib, L"\"" + doc + L"\""));
  REQUIRE(WaitUntil([&] { return StatusText(zib).find(L"DOS CP437") != std::wstring::npos; }, 5000));
  TPdfJob job = converters.Job(doc, true);

  REQUIRE(Keys(zib, L"Alt+P"));
  std::vector<std::wstring> want = {converters.StartupTest(), Line(TypesetPass, job), Line(ShiftPass, job),
                                    Line(PageNumberPass, job), Line(DatePass, job),   Line(FileNamePass, job)};
  if (converters.OwnsPdfAssociation) want.push_back(converters.OpenCall(job));
  CHECK(CallsBecome(want, [&] { return converters.CpdfCalls(); }));
  // Shortcuts wait while an export runs: the next one only after the editor is back.
  REQUIRE(WaitUntil([&] { return IsWindowVisible(Editor(zib)); }, 15000));

  REQUIRE(Keys(zib, L"Alt+L"));
  CHECK(CallsBecome({Line(WriterPass, job)}, [&] { return converters.WriterCalls(); }));
  std::vector<std::wstring> writer = converters.WriterCalls();
  REQUIRE_FALSE(writer.empty());
  CHECK(writer.front().find(L"--infilter=") != std::wstring::npos);
}

TEST_CASE("PDF export failures: typesetting says so and removes the copy; later passes stop silently") {
  TConverters converters;
  TZib zib;
  const std::wstring doc = OpenBrief(converters, zib);
  TPdfJob job = converters.Job(doc, false);

  converters.FailOn("-typeset");
  REQUIRE(Keys(zib, L"Alt+P"));
  AnswerBox(zib, FailureCaption, PdfFailureMessage(job.Doc));
  CHECK(converters.CpdfCalls() == std::vector<std::wstring>{converters.StartupTest(), Line(TypesetPass, job)});
  CHECK(WaitUntil([&] { return !Exists(job.Txt); }, 5000));
  CHECK(WaitUntil([&] { return IsWindowVisible(Editor(zib)); }, 15000));

  // The date pass fails: no message, no file-name pass, nothing opened; the copy stays.
  converters.FailOn("-bottomright");
  REQUIRE(Keys(zib, L"Alt+P"));
  std::vector<std::wstring> want = {converters.StartupTest(), Line(TypesetPass, job), Line(TypesetPass, job),
                                    Line(PageNumberPass, job), Line(DatePass, job)};
  CHECK(CallsBecome(want, [&] { return converters.CpdfCalls(); }));
  CHECK(WaitUntil([&] { return IsWindowVisible(Editor(zib)); }, 15000));
  Sleep(500);
  CHECK(converters.CpdfCalls() == want);
  CHECK(Dialogs(zib).empty());
  CHECK(Exists(job.Txt));

  // LibreOffice fails: no stamps, nothing opened, the editor is back.
  converters.FailOn("--convert-to");
  REQUIRE(Keys(zib, L"Alt+L"));
  CHECK(CallsBecome({Line(WriterPass, job)}, [&] { return converters.WriterCalls(); }));
  CHECK(WaitUntil([&] { return IsWindowVisible(Editor(zib)); }, 15000));
  Sleep(500);
  CHECK(converters.CpdfCalls() == want);
  CHECK(Dialogs(zib).empty());
}

TEST_CASE("PDF export: a UTF-8 copy that cannot be written says why, and no converter runs") {
  TConverters converters;
  const std::wstring doc = converters.Root + L"\\Texte\\brief.txt";
  REQUIRE(WriteFileBytes(doc, "Brief\r\n"));
  // Folders under every name the copy may take: no copy can be created.
  for (int i = 0; i < TempUtf8Names; ++i) REQUIRE(CreateDirectoryW(ToWide(TempUtf8Name(U(doc), i)).c_str(), nullptr));
  const std::wstring last = ToWide(TempUtf8Name(U(doc), TempUtf8Names - 1));
  TZib zib;
  REQUIRE(StartZib(zib, L"\"" + doc + L"\""));
  REQUIRE(Keys(zib, L"Alt+P"));
  HWND box = WaitForMessageBox(zib, ToWide(ZibCaption));
  REQUIRE(box != nullptr);
  CHECK(MessageText(box).starts_with(ToWide(CannotWriteText) + L"\r\n" + last + L"\r\n\r\n"));
  REQUIRE(PressButton(box, IDOK));
  REQUIRE(WaitForWindowGone(box));
  CHECK(converters.CpdfCalls() == std::vector<std::wstring>{converters.StartupTest()});
  CHECK(WaitUntil([&] { return IsWindowVisible(Editor(zib)); }, 15000));
  CHECK(EditorText(zib) == L"Brief\r\n");
  for (int i = 0; i < TempUtf8Names; ++i) RemoveDirectoryW(ToWide(TempUtf8Name(U(doc), i)).c_str());
}

TEST_CASE("PDF export writes its copy under a free name: not over the document named .utf8, not over a file beside it") {
  TConverters converters;
  const std::u16string words = u"Notizen \u00FC\r\n";
  const std::string text = EncodeUtf8(words);
  const std::string own = "mein eigener Text\r\n";
  struct {
    const wchar_t* Doc;
    const wchar_t* Beside;  // a file of the user's under the copy's first name
  } cases[] = {{L"notes.utf8", nullptr}, {L"brief.txt", L"brief.utf8"}};
  for (const auto& c : cases) {
    CAPTURE(Narrow(c.Doc));
    const std::wstring doc = converters.Root + L"\\Texte\\" + c.Doc;
    REQUIRE(WriteFileBytes(doc, text));
    const std::wstring beside = c.Beside ? converters.Root + L"\\Texte\\" + c.Beside : L"";
    if (c.Beside) REQUIRE(WriteFileBytes(beside, own));
    DeleteFileW((converters.CpdfFolder + L"\\calls.log").c_str());
    TZib zib;
    REQUIRE(StartZib(zib, L"\"" + doc + L"\""));
    const std::wstring title = Title(zib);
    TPdfJob job = converters.Job(doc, false);
    job.Txt = TempUtf8Name(job.Doc, 1);
    REQUIRE(Keys(zib, L"Alt+P"));
    std::vector<std::wstring> want = {converters.StartupTest(), Line(TypesetPass, job), Line(PageNumberPass, job),
                                      Line(DatePass, job), Line(FileNamePass, job)};
    if (converters.OwnsPdfAssociation) want.push_back(converters.OpenCall(job));
    CHECK(CallsBecome(want, [&] { return converters.CpdfCalls(); }));
    CHECK(WaitUntil([&] { return IsWindowVisible(Editor(zib)); }, 15000));
    std::string bytes;
    CHECK((ReadFileBytes(doc, bytes) && bytes == text));
    if (c.Beside) CHECK((ReadFileBytes(beside, bytes) && bytes == own));
    CHECK((ReadFileBytes(converters.CpdfFolder + L"\\typeset-input.bin", bytes) && bytes == TempUtf8Bytes(words)));
    CHECK(WaitUntil([&] { return !Exists(job.Txt); }, 5000));
    CHECK(Title(zib) == title);
    DeleteFileW(ToWide(job.Pdf).c_str());
    if (c.Beside) DeleteFileW(beside.c_str());
  }
}

TEST_CASE("PDF export: Beenden while a converter runs still ends the program") {
  TConverters converters;
  TZib zib;
  const std::wstring doc = OpenBrief(converters, zib);
  converters.SleepEachRun(1500);
  REQUIRE(Keys(zib, L"Alt+P"));
  REQUIRE(WaitUntil([&] { return converters.CpdfCalls().size() == 2; }, 10000));
  REQUIRE(PostCommand(zib, CmdExit));
  DWORD code = 1;
  CHECK(WaitForExit(zib, 30000, code));
  CHECK(code == 0);
}

TEST_CASE("PDF export: while a converter runs, a second export is refused and closing waits for the first") {
  TConverters converters;
  TZib zib;
  const std::wstring doc = OpenBrief(converters, zib);
  TPdfJob job = converters.Job(doc, false);
  converters.SleepEachRun(1500);
  REQUIRE(Keys(zib, L"Alt+P"));
  REQUIRE(WaitUntil([&] { return converters.CpdfCalls().size() == 2; }, 10000));
  CHECK_FALSE(MenuEnabled(zib, CmdPdfCpdf));
  CHECK_FALSE(MenuEnabled(zib, CmdPdfLibreOffice));
  REQUIRE(PostCommand(zib, CmdPdfCpdf));
  REQUIRE(PostCommand(zib, CmdPdfLibreOffice));
  REQUIRE(PostClose(zib));
  Sleep(300);
  CHECK(IsWindow(zib.Main));
  // The first export runs to its end, alone; then the window closes.
  std::vector<std::wstring> want = {converters.StartupTest(), Line(TypesetPass, job), Line(PageNumberPass, job),
                                    Line(DatePass, job), Line(FileNamePass, job)};
  if (converters.OwnsPdfAssociation) want.push_back(converters.OpenCall(job));
  CHECK(CallsBecome(want, [&] { return converters.CpdfCalls(); }));
  CHECK(converters.WriterCalls().empty());
  DWORD code = 1;
  CHECK(WaitForExit(zib, 30000, code));
  CHECK(code == 0);
  CHECK_FALSE(Exists(job.Txt));
}

TEST_CASE("PDF export: converters are found by full path only, never in the current or the document's folder") {
  TConverters converters;
  converters.Uninstall();
  // A CPDF.EXE planted where Zib is started and beside the document; each
  // would leave its calls.log there if it ever ran.
  const std::wstring start = converters.Root + L"\\Start";
  const std::wstring texts = converters.Root + L"\\Texte";
  const std::wstring tools = converters.Root + L"\\Werkzeuge";
  const std::wstring own = converters.Root + L"\\Programm";
  // Folders without the logs of an earlier run.
  for (const std::wstring& folder : {start, start + L"\\sub", texts, tools, own}) {
    CreateDirectoryW(folder.c_str(), nullptr);
    DeleteFileW((folder + L"\\calls.log").c_str());
    DeleteFileW((folder + L"\\starts.log").c_str());
  }
  std::wstring fake = ProgramFolder() + L"\\fake_converter.exe";
  for (const std::wstring& planted : {start + L"\\CPDF.EXE", start + L"\\sub\\cpdf.exe", texts + L"\\CPDF.EXE"})
    REQUIRE(CopyFileW(fake.c_str(), planted.c_str(), FALSE));
  const std::wstring doc = texts + L"\\brief.txt";
  REQUIRE(WriteFileBytes(doc, "Brief\r\n"));
  wchar_t path[4096] = L"";
  GetEnvironmentVariableW(L"PATH", path, 4096);
  converters.SetVariable(L"PATH", std::wstring(L".;sub;\"sub\";") + path);  // relative entries count for nothing

  {
    TZib zib;
    REQUIRE(StartZib(zib, L"\"" + doc + L"\"", start));
    CHECK_FALSE(MenuEnabled(zib, CmdPdfCpdf));
    CHECK_FALSE(MenuEnabled(zib, CmdPdfLibreOffice));
    REQUIRE(Keys(zib, L"Alt+P"));
    REQUIRE(Keys(zib, L"Alt+L"));
    Sleep(500);
    CHECK(Dialogs(zib).empty());
    CHECK(IsWindowVisible(Editor(zib)));
  }
  for (const std::wstring& folder : {start, start + L"\\sub", texts}) {
    CAPTURE(Narrow(folder));
    CHECK(converters.Calls(folder).empty());
  }

  // In an absolute folder of PATH it is found, and run by its full path.
  REQUIRE(CopyFileW(fake.c_str(), (tools + L"\\cpdf.exe").c_str(), FALSE));
  converters.SetVariable(L"PATH", std::wstring(L".;") + tools + L";" + path);
  {
    TZib zib;
    REQUIRE(StartZib(zib, L"\"" + doc + L"\"", start));
    CHECK(MenuEnabled(zib, CmdPdfCpdf));
    TPdfJob job = PdfJob(U(doc), U(tools + L"\\cpdf.exe"), u"", false);
    REQUIRE(Keys(zib, L"Alt+P"));
    CHECK(CallsBecome({L"\"" + tools + L"\\cpdf.exe\"", Line(TypesetPass, job)},
                      [&] {
                        std::vector<std::wstring> calls = converters.Calls(tools);
                        if (calls.size() > 2) calls.resize(2);
                        return calls;
                      }));
    CHECK(WaitUntil([&] { return IsWindowVisible(Editor(zib)); }, 15000));
  }

  // Beside Zib's own program file it comes before PATH.
  REQUIRE(CopyFileW(ZibPath().c_str(), (own + L"\\Zib.exe").c_str(), FALSE));
  REQUIRE(CopyFileW(fake.c_str(), (own + L"\\cpdf.exe").c_str(), FALSE));
  {
    TZib zib;
    REQUIRE(StartProgram(zib, own + L"\\Zib.exe", L"", start, MainWindowClass, 20000));
    CHECK(MenuEnabled(zib, CmdPdfCpdf));
    CHECK(CallsBecome({L"\"" + own + L"\\cpdf.exe\""}, [&] { return converters.Calls(own); }, 5000));
  }
  for (const std::wstring& folder : {start, start + L"\\sub", texts}) CHECK(converters.Calls(folder).empty());
}

TEST_CASE("PDF export: a failing cpdf test run greys its item; LibreOffice then exports without stamps") {
  TConverters converters;
  converters.TestRunExits(1);
  TZib zib;
  const std::wstring doc = OpenBrief(converters, zib);
  CHECK_FALSE(MenuEnabled(zib, CmdPdfCpdf));
  CHECK(MenuEnabled(zib, CmdPdfLibreOffice));
  REQUIRE(Keys(zib, L"Alt+P"));
  TPdfJob job = converters.Job(doc, false);
  REQUIRE(Keys(zib, L"Alt+L"));
  CHECK(CallsBecome({Line(WriterPass, job)}, [&] { return converters.WriterCalls(); }));
  CHECK(WaitUntil([&] { return IsWindowVisible(Editor(zib)); }, 15000));
  CHECK(WaitUntil([&] { return Exists(job.Pdf); }, 5000));
  Sleep(500);
  // Only the test run reached cpdf (and, where the stand-in opens PDFs, the opening).
  std::vector<std::wstring> want = {converters.StartupTest()};
  if (converters.OwnsPdfAssociation) want.push_back(converters.OpenCall(job));
  CHECK(CallsBecome(want, [&] { return converters.CpdfCalls(); }));
}

TEST_CASE("PDF export via LibreOffice: a failing stamp pass does not stop the others, the PDF is opened") {
  TConverters converters;
  TZib zib;
  const std::wstring doc = OpenBrief(converters, zib);
  TPdfJob job = converters.Job(doc, false);
  converters.FailOn("-bottom 20");
  REQUIRE(Keys(zib, L"Alt+L"));
  std::vector<std::wstring> want = {converters.StartupTest(), Line(PageNumberPass, job), Line(DatePass, job),
                                    Line(FileNamePass, job)};
  if (converters.OwnsPdfAssociation) want.push_back(converters.OpenCall(job));
  CHECK(CallsBecome(want, [&] { return converters.CpdfCalls(); }));
  CHECK(WaitUntil([&] { return IsWindowVisible(Editor(zib)); }, 15000));
  CHECK(Dialogs(zib).empty());
}
