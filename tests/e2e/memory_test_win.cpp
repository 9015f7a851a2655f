// End-to-end tests of memory exhaustion: a large document is loaded, then the
// process's address space is capped a little above what it has mapped (by
// scripts/stress.sh, from outside), the test takes all that is left and gives
// back room for one copy of the text, and every command that needs two must
// give up with the one message, the text, the selection, the modified flag
// and the file left as they were.
//
// They run only under scripts/stress.sh (`make stress`), which sets
// ZIB_STRESS_DIR: there the script and the test meet through two files.
#include <doctest/doctest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "base/commands.h"
#include "driver_win.h"
#include "printing_win.h"

namespace {

const std::wstring Caption = ToWide(ZibCaption);

// The folder shared with the script; empty when the tests are not run by it.
std::wstring StressFolder() { return UnixFolderFrom("ZIB_STRESS_DIR"); }

std::size_t StressLines() {
  const char* lines = std::getenv("ZIB_STRESS_LINES");
  return lines && *lines ? std::strtoul(lines, nullptr, 10) : 1500000;
}

// Lines of 58 characters, the first one sorting last, all lower case.
std::string LargeDocument(std::size_t lines) {
  std::string text;
  text.reserve(lines * 60);
  char line[64];
  for (std::size_t i = 0; i < lines; ++i) {
    std::snprintf(line, sizeof line, "%szeile %07zu mit kleinen buchstaben und etwas mehr text\r\n",
                  i == 0 ? "zz " : "", (i * 7919) % lines);
    text += line;
  }
  return text;
}

// The first units of the editor's text (WM_GETTEXT with a small buffer).
std::wstring EditorStart(TZib& zib) {
  wchar_t buffer[40] = {};
  DWORD_PTR got = 0;
  SendMessageTimeoutW(Editor(zib), WM_GETTEXT, 40, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 20000, &got);
  return std::wstring(buffer, got);
}

// Asks the script to limit Zib's address space and waits until it has.
void LimitMemory(const std::wstring& folder) {
  std::wstring limited = folder + L"\\limited";
  DeleteFileW(limited.c_str());
  REQUIRE(WriteFileBytes(folder + L"\\loaded", "go"));
  std::string figures;
  REQUIRE_MESSAGE(WaitUntil([&] { return ReadFileBytes(folder + L"\\limited", figures) && !figures.empty(); }, 60000),
                  "the script did not limit the process");
  MESSAGE("address space of Zib: " << figures);
  DeleteFileW((folder + L"\\loaded").c_str());
  DeleteFileW(limited.c_str());
}

// Reserves all the address space Zib has left under its cap, in blocks of
// its own, except one block of `room` bytes that is given back at the end:
// from then on Zib can have that much and no more.
void LeaveRoom(TZib& zib, std::size_t room) {
  HANDLE process = zib.Process.hProcess;
  void* kept = VirtualAllocEx(process, nullptr, room, MEM_RESERVE, PAGE_NOACCESS);
  REQUIRE_MESSAGE(kept != nullptr, "no room of that size to begin with");
  std::size_t taken = 0;
  for (std::size_t block = std::size_t{1} << 30; block >= 64 * 1024; block /= 4) {
    for (int i = 0; i < 100000 && VirtualAllocEx(process, nullptr, block, MEM_RESERVE, PAGE_NOACCESS); ++i)
      taken += block;
  }
  REQUIRE(VirtualFreeEx(process, kept, 0, MEM_RELEASE));
  MESSAGE("took " << taken / (1024 * 1024) << " MB of address space, left " << room / (1024 * 1024) << " MB");
}

// What must hold after a command gave up.
struct TState {
  long Length;
  std::wstring Start;
  std::wstring Title;
  HWND Editor;
};

TState StateOf(TZib& zib) { return {EditorLength(zib, 120000), EditorStart(zib), Title(zib), Editor(zib)}; }

void ExpectOutOfMemory(TZib& zib, const TState& before, const std::string& command) {
  CAPTURE(command);
  HWND box = WaitForMessageBox(zib, Caption, 180000);
  REQUIRE_MESSAGE(IsRunning(zib), "Zib has ended");
  if (!box) {
    std::wstring start = EditorStart(zib);
    MESSAGE("no message; the text now starts with " << std::string(start.begin(), start.end()));
  }
  REQUIRE(box != nullptr);
  CHECK(MessageText(box) == ToWide(NotEnoughMemoryText));
  REQUIRE(PressButton(box, IDOK));
  REQUIRE(WaitForWindowGone(box));
  REQUIRE(IsRunning(zib));
  TState after = StateOf(zib);
  CHECK(after.Length == before.Length);
  CHECK(after.Start == before.Start);
  CHECK(after.Title == before.Title);
  CHECK(after.Editor == before.Editor);
  DWORD s = 0, e = 0;
  CHECK((EditorSelection(zib, s, e) && s == 0 && e == static_cast<DWORD>(before.Length)));
}

// Starts Zib on the large document and limits it to room for `copies`
// copies of the text (by default one and a quarter: room for one copy of
// the text, not for two); the document's path. `typed` is typed at the
// start before the limit.
std::wstring StartLimited(TZib& zib, const std::wstring& folder, std::string& bytes, double copies = 1.25,
                          const std::wstring& typed = L"") {
  std::wstring path = folder + L"\\gross.txt";
  bytes = LargeDocument(StressLines());
  REQUIRE(WriteFileBytes(path, bytes));
  DWORD started = GetTickCount();
  REQUIRE(StartZib(zib, L"\"" + path + L"\"", L"", 600000));
  REQUIRE(WaitUntil([&] { return EditorLength(zib, 120000) == static_cast<long>(bytes.size()); }, 600000));
  MESSAGE("loaded " << bytes.size() << " characters in " << (GetTickCount() - started) / 1000.0 << " s");
  if (!typed.empty()) {
    SelectInEditor(zib, 0, 0);
    REQUIRE(Type(zib, typed));
    REQUIRE(WaitUntil([&] { return EditorLength(zib, 120000) == static_cast<long>(bytes.size() + typed.size()); }));
  }
  LimitMemory(folder);
  LeaveRoom(zib, static_cast<std::size_t>(static_cast<double>(bytes.size()) * 2 * copies));
  SelectInEditor(zib, 0, static_cast<DWORD>(-1));
  return path;
}

}  // namespace

TEST_CASE("memory: sorting a large document without the memory for it changes nothing") {
  std::wstring folder = StressFolder();
  if (folder.empty()) return;
  TZib zib;
  std::string bytes;
  StartLimited(zib, folder, bytes);
  TState before = StateOf(zib);
  REQUIRE(PostCommand(zib, CmdSortAscending));
  HWND question = WaitForMessageBox(zib, ToWide(SortCaption), 20000);
  REQUIRE(question != nullptr);
  REQUIRE(PressButton(question, IDYES));
  ExpectOutOfMemory(zib, before, "sort");
}

TEST_CASE("memory: every whole-text command, printing, a load and a save give up alike under the limit") {
  std::wstring folder = StressFolder();
  if (folder.empty()) return;
  TKeepPrintSetting keep;
  WritePrintSetting(true, 0);
  TFilePrinter printer;
  REQUIRE(printer.Ready);
  TZib zib;
  std::string bytes;
  std::wstring path = StartLimited(zib, folder, bytes);
  TState before = StateOf(zib);
  CHECK(before.Start.substr(0, 8) == L"zz zeile");

  REQUIRE(PostCommand(zib, CmdUpperCase));
  ExpectOutOfMemory(zib, before, "upper case");

  REQUIRE(PostCommand(zib, CmdSortAscending));
  HWND question = WaitForMessageBox(zib, ToWide(SortCaption), 20000);
  REQUIRE(question != nullptr);
  REQUIRE(PressButton(question, IDYES));
  ExpectOutOfMemory(zib, before, "sort");

  REQUIRE(PostCommand(zib, CmdCleanUp));
  ExpectOutOfMemory(zib, before, "clean-up");

  REQUIRE(PostCommand(zib, CmdComment));
  ExpectOutOfMemory(zib, before, "comment");

  LONG_PTR style = WindowStyle(before.Editor);
  REQUIRE(PostCommand(zib, CmdWordWrap));
  ExpectOutOfMemory(zib, before, "word wrap");
  CHECK(WindowStyle(Editor(zib)) == style);

  REQUIRE(Keys(zib, L"Ctrl+H"));
  HWND dialog = WaitForFindDialog(zib);
  REQUIRE(dialog != nullptr);
  REQUIRE(SetDialogItemText(dialog, FindWhatFieldId, L"zeile"));
  REQUIRE(SetDialogItemText(dialog, 0x481, L"ZEILE"));
  REQUIRE(PressButton(dialog, 0x401));
  ExpectOutOfMemory(zib, before, "replace all");
  REQUIRE(PressButton(dialog, IDCANCEL));
  REQUIRE(WaitForWindowGone(dialog));

  // Printing gives up before its job starts, and still releases the printer
  // and puts the dialog preference back.
  REQUIRE(PostCommand(zib, CmdPrint));
  HWND print = WaitForDialog(zib, 30000);
  REQUIRE(print != nullptr);
  REQUIRE(PressButton(print, IDOK));
  ExpectOutOfMemory(zib, before, "print");
  CHECK(ReadPrintSetting() == std::pair<bool, DWORD>(true, 0));
  std::string printed;
  CHECK_FALSE(ReadFileBytes(printer.Output, printed));

  // A second document as large: it cannot be read, the first one stays.
  std::wstring other = folder + L"\\noch-groesser.txt";
  REQUIRE(WriteFileBytes(other, bytes + bytes));
  REQUIRE(DropFiles(zib, {other}));
  ExpectOutOfMemory(zib, before, "load");

  SelectInEditor(zib, 0, static_cast<DWORD>(-1));
  REQUIRE(PostCommand(zib, CmdSave));
  ExpectOutOfMemory(zib, before, "save");
  std::string onDisk;
  REQUIRE(ReadFileBytes(path, onDisk));
  CHECK(onDisk == bytes);
}

TEST_CASE("memory: a whole-text command with room for one to five copies works whole or gives up, typing kept") {
  // Between two and three copies the command's own copies fit, but not the
  // two the edit control keeps of the text it replaces: the paths inside the
  // control. The typed text before the command must survive every outcome.
  std::wstring folder = StressFolder();
  if (folder.empty()) return;
  for (double copies : {1.5, 2.0, 2.5, 3.0, 5.0}) {
    CAPTURE(copies);
    TZib zib;
    std::string bytes;
    StartLimited(zib, folder, bytes, copies, L"x");
    TState before = StateOf(zib);
    REQUIRE(before.Start.substr(0, 4) == L"xzz ");
    REQUIRE(PostCommand(zib, CmdUpperCase));
    bool converted = false;
    HWND box = nullptr;
    REQUIRE(WaitUntil([&] {
      box = WaitForMessageBox(zib, Caption, 200);
      converted = EditorStart(zib).substr(0, 4) == L"XZZ ";
      return box != nullptr || converted || !IsRunning(zib);
    }, 180000));
    REQUIRE_MESSAGE(IsRunning(zib), "Zib has ended");
    if (box) {
      MESSAGE("gave up with the message");
      ExpectOutOfMemory(zib, before, "upper case");
    } else {
      MESSAGE("converted");
      CHECK(EditorLength(zib, 120000) == before.Length);
      CHECK(EditorStart(zib).substr(0, 14) == L"XZZ ZEILE 0000");
    }
    if (copies <= 1.5) CHECK(box != nullptr);
    if (copies >= 5.0) CHECK(converted);
  }
}

TEST_CASE("memory: a file that Zib can read but the edit control has no room for leaves the document as it was") {
  // Room for two copies: the new text, a fifth longer, decodes, but the
  // control cannot take it beside that copy. Name, text and state stay.
  std::wstring folder = StressFolder();
  if (folder.empty()) return;
  TZib zib;
  std::string bytes;
  std::wstring path = StartLimited(zib, folder, bytes, 2.0);
  TState before = StateOf(zib);
  std::wstring other = folder + L"\\etwas-groesser.txt";
  REQUIRE(WriteFileBytes(other, bytes + bytes.substr(0, bytes.size() / 5)));
  REQUIRE(DropFiles(zib, {other}));
  ExpectOutOfMemory(zib, before, "load");
  REQUIRE(PostCommand(zib, CmdSave));
  REQUIRE(WaitForInputHandled(zib, 120000));
  std::string onDisk;
  CHECK((ReadFileBytes(other, onDisk) && onDisk.size() == bytes.size() + bytes.size() / 5));
}
