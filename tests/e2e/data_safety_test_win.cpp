// End-to-end tests of the paths where text could be lost or a save reported
// that did not happen: the end of the session, a save question while the
// replace dialog works, a .LOG file cut at a zero byte.
#include <doctest/doctest.h>

#include <string>

#include "base/commands.h"
#include "driver_win.h"

namespace {

const std::wstring Caption = ToWide(ZibCaption);

bool Unsaved(const TZib& zib) { return Title(zib).find(L" *") != std::wstring::npos; }

std::string FileText(const std::wstring& path) {
  std::string bytes;
  ReadFileBytes(path, bytes);
  return bytes;
}

// WM_QUERYENDSESSION as Windows sends it, from a thread of its own: the
// answer waits for the question Zib may ask.
struct TSessionQuery {
  HWND Main = nullptr;
  LRESULT Answer = -1;
  HANDLE Thread = nullptr;

  static DWORD WINAPI Send(void* self) {
    auto* query = static_cast<TSessionQuery*>(self);
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutW(query->Main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_NORMAL, 60000, &answer))
      query->Answer = static_cast<LRESULT>(answer);
    return 0;
  }
  explicit TSessionQuery(HWND main) : Main(main) { Thread = CreateThread(nullptr, 0, Send, this, 0, nullptr); }
  LRESULT Wait() {
    WaitForSingleObject(Thread, 70000);
    CloseHandle(Thread);
    Thread = nullptr;
    return Answer;
  }
  ~TSessionQuery() {
    if (Thread) Wait();
  }
};

}  // namespace

TEST_CASE("ending the session asks about unsaved text: Abbrechen keeps it running, Ja saves first, Nein lets it end") {
  const std::wstring path = ScratchFolder(L"session") + L"\\ende.txt";
  REQUIRE(WriteFileBytes(path, "alt"));
  TZib zib;
  REQUIRE(StartZib(zib, L"\"" + path + L"\""));
  const std::wstring question = ToWide(SaveChangesBefore) + path + ToWide(SaveChangesAfter);
  struct {
    int Button;
    LRESULT Answer;
    const char* OnDisk;
    bool Unsaved;
  } rows[] = {{IDCANCEL, FALSE, "alt", true}, {IDNO, TRUE, "alt", true}, {IDYES, TRUE, "neualt", false}};
  SelectInEditor(zib, 0, 0);
  REQUIRE(Type(zib, L"neu"));
  REQUIRE(TextBecomes(zib, L"neualt"));
  for (const auto& row : rows) {
    CAPTURE(row.Button);
    REQUIRE(Unsaved(zib));
    TSessionQuery query(zib.Main);
    HWND box = WaitForMessageBox(zib, Caption);
    REQUIRE(box != nullptr);
    CHECK(MessageText(box) == question);
    REQUIRE(PressButton(box, row.Button));
    CHECK(query.Wait() == row.Answer);
    CHECK(IsRunning(zib));
    CHECK(FileText(path) == row.OnDisk);
    CHECK(Unsaved(zib) == row.Unsaved);
  }
  // Nothing unsaved: the session may end without a question.
  TSessionQuery query(zib.Main);
  CHECK(query.Wait() == TRUE);
  CHECK(Dialogs(zib).empty());
}

TEST_CASE("a save writes the text as it stands after its encoding question, also when Replace All ran meanwhile") {
  const std::wstring path = ScratchFolder(L"save-question") + L"\\wahl.txt";
  REQUIRE(WriteFileBytes(path, "eins"));
  TZib zib;
  REQUIRE(StartZib(zib, L"\"" + path + L"\""));
  SelectInEditor(zib, 4, 4);
  REQUIRE(Type(zib, L" \u2192"));  // not in the ANSI code page: the save asks
  REQUIRE(TextBecomes(zib, L"eins \u2192"));
  REQUIRE(Keys(zib, L"Ctrl+H"));
  HWND dialog = WaitForFindDialog(zib);
  REQUIRE(dialog != nullptr);
  REQUIRE(SetDialogItemText(dialog, FindWhatFieldId, L"eins"));
  REQUIRE(SetDialogItemText(dialog, edt2, L"zwei"));
  REQUIRE(PostCommand(zib, CmdSave));
  HWND box = WaitForMessageBox(zib, ToWide(UnicodePromptCaption));
  REQUIRE(box != nullptr);
  REQUIRE(PressButton(dialog, psh2));  // Alle ersetzen, while the question waits
  REQUIRE(TextBecomes(zib, L"zwei \u2192"));
  REQUIRE(PressButton(box, IDYES));
  REQUIRE(WaitForWindowGone(box));
  REQUIRE(WaitUntil([&] { return FileText(path).find("zwei") != std::string::npos; }));
  CHECK(FileText(path).find("eins") == std::string::npos);
  CHECK_FALSE(Unsaved(zib));
  REQUIRE(PressButton(dialog, IDCANCEL));
}

TEST_CASE("a .LOG file cut at a zero byte gets its stamp after the warning, and the stamp counts as unsaved") {
  const std::wstring path = ScratchFolder(L"log-zero") + L"\\journal.txt";
  REQUIRE(WriteFileBytes(path, std::string(".LOG\r\nabc\0def", 13)));
  TZib zib;
  REQUIRE(StartZib(zib, L"\"" + path + L"\""));
  HWND box = WaitForMessageBox(zib, Caption);
  REQUIRE(box != nullptr);
  CHECK(MessageText(box).starts_with(ToWide(ZeroBytesHeadline)));
  REQUIRE(PressButton(box, IDOK));
  REQUIRE(WaitForWindowGone(box));
  REQUIRE(WaitUntil([&] { return EditorLength(zib) == 9 + 23; }));
  CHECK(EditorText(zib).starts_with(L".LOG\r\nabc\r\n"));
  CHECK(WaitUntil([&] { return Unsaved(zib); }));
  CHECK(FileText(path) == std::string(".LOG\r\nabc\0def", 13));
}
