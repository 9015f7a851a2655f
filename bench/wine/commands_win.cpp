// The commands on large documents under Wine: for generated documents of
// several sizes, the time of each command in the running Zib.exe, driven as
// the end-to-end tests drive it. A command is timed from the moment it is
// given to the moment Zib's thread is back in its message loop (a WM_NULL
// sent to the main window returns). Prints one table: the command, its time
// at each size, its ratio to the baseline (one whole-text replacement: select
// all, upper case) and its scaling from the second largest to the largest
// size. Repaints and typing are medians of several; the last lines give the
// ratios of Zib to the bare control at the largest size.
//   zib_commands_bench [lines ...]      default 5000 20000 80000 320000
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/commands.h"
#include "dialogs/dialog_template.h"
#include "e2e/driver_win.h"
#include "timing_win.h"

namespace {

// Lines of about 58 characters in mixed case, with blanks at some line ends
// and tabs for the clean-up to find.
std::string MakeDocument(std::size_t lines) {
  static const char* words[] = {"Zib", "editor", "Text", "zeile", "Datei", "fenster", "Tempo", "wine",
                                "control", "OFFEN", "der", "ein", "und", "von", "Speicher", "Dokument"};
  std::string s;
  s.reserve(lines * 62);
  unsigned seed = 12345;
  for (std::size_t i = 0; i < lines; ++i) {
    std::size_t start = s.size();
    while (s.size() - start < 54) {
      seed = seed * 1103515245u + 12345u;
      s += words[(seed >> 16) % 16];
      s += (seed >> 8) % 9 == 0 ? '\t' : ' ';
    }
    if (i % 5 == 0) s += "  ";
    s += "\r\n";
  }
  return s;
}

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 3600000, &result);
  return static_cast<LRESULT>(result);
}

// Back in the message loop: every command posted or sent before is done.
void Settle(TZib& zib) { Send(zib.Main, WM_NULL); }

double Command(TZib& zib, unsigned short id) {
  double t = Now();
  Send(zib.Main, WM_COMMAND, MAKEWPARAM(id, 0));
  return Now() - t;
}

void SelectAll(TZib& zib) { Send(Editor(zib), EM_SETSEL, 0, -1); }

void CaretToEnd(TZib& zib) {
  LRESULT length = Send(Editor(zib), WM_GETTEXTLENGTH);
  Send(Editor(zib), EM_SETSEL, length, length);
  Send(Editor(zib), EM_SCROLLCARET);
}

// A dialog answered: the time from the answer until Zib is idle again.
// Without a window manager, Wine waits up to two seconds for a hidden dialog
// to be withdrawn; so the commands that ask first are given as the time with
// the answer that does the work less the time with the one that does nothing.
double Answer(TZib& zib, unsigned short id, const wchar_t* caption, int button, const std::wstring& entry = L"") {
  PostCommand(zib, id);
  HWND dialog = WaitForDialog(zib, 60000, caption);
  if (!dialog) return -1;
  if (!entry.empty()) SetDialogItemText(dialog, NumberFieldId, entry);
  double t = Now();
  PressButton(dialog, button);
  WaitForWindowGone(dialog, 600000);
  Settle(zib);
  return Now() - t;
}

double Answered(TZib& zib, unsigned short id, const wchar_t* caption, int work, int nothing,
                const std::wstring& entry = L"") {
  double idle = Answer(zib, id, caption, nothing, entry);
  return Answer(zib, id, caption, work, entry) - idle;
}

const int Repeats = 5;

// Milliseconds per key, typing at the end: twenty keys as one burst of input;
// the median of three bursts.
double TypingAtEnd(TZib& zib) {
  CaretToEnd(zib);
  const int keys = 20;
  BringToFront(zib);
  std::vector<double> bursts;
  for (int i = 0; i < 3; ++i) {
    WaitForInputHandled(zib);
    double t = Now();
    Type(zib, std::wstring(keys, L'x'));
    bursts.push_back((Now() - t) / keys);
  }
  return Median(bursts);
}

// The same, one key at a time, each handled and painted before the next, as
// a typist slower than the program gives them: every key is a burst of its
// own. The median of ten keys.
double TypingKeyByKey(TZib& zib) {
  CaretToEnd(zib);
  BringToFront(zib);
  WaitForInputHandled(zib);
  std::vector<double> keys;
  for (int i = 0; i < 10; ++i) {
    double t = Now();
    Type(zib, L"x");
    UpdateWindow(Editor(zib));
    Settle(zib);
    keys.push_back(Now() - t);
  }
  return Median(keys);
}

// One repaint of the editor, as it is (UpdateWindow sends WM_PAINT), after
// whatever painting was still due has been done; the median of several.
double Repaint(TZib& zib, int repeats = Repeats) {
  std::vector<double> times;
  for (int i = 0; i < repeats; ++i) {
    UpdateWindow(Editor(zib));
    Settle(zib);
    double t = Now();
    RedrawWindow(Editor(zib), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Settle(zib);
    times.push_back(Now() - t);
  }
  return Median(times);
}

// The bare EDIT control in this process (of the same class as Zib's: the
// program carries Zib's manifest), with the same text, caret at the end: its
// repaint, its typing (the character, then the repaint it causes), and both
// again after six replacements of the whole text as one undoable step each,
// once as a single EM_REPLACESEL and once deleting first, as Zib replaces
// large ranges under Wine. The floor for any editor built on the control.
struct TBare {
  double Repaint = -1, Typing = -1, RepaintSix = -1, TypingSix = -1, PrintSix = -1;
};

// The control's paint into a bitmap of its size (WM_PRINTCLIENT), as the
// buffered paint of the marks has it paint.
double PrintBare(HWND edit) {
  RECT client;
  GetClientRect(edit, &client);
  HDC screen = GetDC(edit);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  std::vector<double> times;
  for (int i = 0; i < Repeats; ++i) {
    double t = Now();
    SendMessageW(edit, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    times.push_back(Now() - t);
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(edit, screen);
  return Median(times);
}

// Replaces the whole text as one undoable step and puts the caret at the end.
void ReplaceAllBare(HWND edit, const std::wstring& text, bool deleteFirst) {
  SendMessageW(edit, WM_SETREDRAW, FALSE, 0);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  if (deleteFirst) SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L""));
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  LRESULT length = SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
  SendMessageW(edit, EM_SETSEL, length, length);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
  SendMessageW(edit, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(edit, nullptr, FALSE);
}

double RepaintBare(HWND edit) {
  std::vector<double> times;
  for (int i = 0; i < Repeats; ++i) {
    UpdateWindow(edit);
    double t = Now();
    RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    times.push_back(Now() - t);
  }
  return Median(times);
}

// Milliseconds per key: the median of three bursts of twenty.
double TypingBare(HWND edit) {
  std::vector<double> bursts;
  for (int b = 0; b < 3; ++b) {
    const int keys = 20;
    double start = Now();
    for (int i = 0; i < keys; ++i) {
      SendMessageW(edit, WM_CHAR, L'x', 0);
      UpdateWindow(edit);
    }
    bursts.push_back((Now() - start) / keys);
  }
  return Median(bursts);
}

TBare BareControl(const std::string& bytes, bool deleteFirst) {
  TBare bare;
  std::wstring text(bytes.begin(), bytes.end());
  HWND frame = CreateWindowExW(0, L"STATIC", L"bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 800, 608, nullptr,
                               nullptr, nullptr, nullptr);
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                              ES_AUTOHSCROLL | ES_NOHIDESEL, 0, 0, 784, 530, frame, nullptr, nullptr, nullptr);
  SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
  // Zib's font, made as Zib makes it.
  HFONT font = CreateFontW(-18, 0, 0, 0, 100, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_ONLY_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_ROMAN, L"Courier New");
  SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  SetWindowTextW(edit, text.c_str());
  LRESULT length = SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0);
  SendMessageW(edit, EM_SETSEL, length, length);
  SendMessageW(edit, EM_SCROLLCARET, 0, 0);
  bare.Repaint = RepaintBare(edit);
  bare.Typing = TypingBare(edit);
  // Six, as the commands above give them: upper case, lines of other
  // lengths (a prefix on every line, as the comment toggle makes), and back.
  std::wstring upper = text;
  for (wchar_t& c : upper) c = c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c;
  std::wstring prefixed = L"REM ";
  for (wchar_t c : upper) {
    prefixed += c;
    if (c == L'\n') prefixed += L"REM ";
  }
  for (const std::wstring* next : {&upper, &prefixed, &upper, &prefixed, &upper, &text})
    ReplaceAllBare(edit, *next, deleteFirst);
  bare.RepaintSix = RepaintBare(edit);
  bare.TypingSix = TypingBare(edit);
  bare.PrintSix = PrintBare(edit);
  DestroyWindow(frame);
  DeleteObject(font);
  return bare;
}

struct TRow {
  const char* Name;
  std::vector<double> Ms;
};

enum Rows { Open, PaintOpened, Baseline, Sort, Comment, CleanUp, Duplicate, GoTo, Typing, TypingSingly, PaintPlain,
            PaintPlainDark, PaintMarks, PaintMarksDark, PageDownMarks, WrapOn, WrapOff, BareTyping, BarePaint,
            BarePaintSix, BareTypingSix, BarePrintSix, FreshPaintSix, FreshTypingSix, FreshPrintSix, RowCount };

const char* const RowNames[RowCount] = {
    "open (drop)", "repaint at the end, just opened", "baseline: select all, upper case", "sort all A-Z",
    "comment toggle all (mean of on, off)", "clean-up", "Ctrl+End, duplicate line", "go to the last line",
    "typing at the end, 20 keys (ms/key)", "typing at the end, key by key (ms/key)", "repaint at the end, marks off",
    "repaint at the end, marks off, dark", "repaint at the end, marks on", "repaint at the end, marks on, dark",
    "marks on: page down", "word wrap on", "word wrap off", "bare EDIT: typing at the end",
    "bare EDIT: repaint at the end", "  after six whole-text replacements", "  typing after those six",
    "  its paint into a bitmap then", "  six deleting first: repaint", "  six deleting first: typing",
    "  six deleting first: paint into a bitmap"};

bool Measure(std::size_t lines, std::vector<TRow>& rows) {
  std::wstring folder = ScratchFolder(L"commands-bench");
  std::wstring path = folder + L"\\bench.bat";
  std::string bytes = MakeDocument(lines);
  if (!WriteFileBytes(path, bytes)) return false;
  TZib zib;
  if (!StartZib(zib)) return false;
  std::vector<double> t(RowCount, -1);

  double start = Now();
  DropFiles(zib, {path});
  WaitUntil([&] { return Send(Editor(zib), WM_GETTEXTLENGTH) == static_cast<LRESULT>(bytes.size()); }, 600000);
  t[Open] = Now() - start;
  CaretToEnd(zib);
  t[PaintOpened] = Repaint(zib);

  SelectAll(zib);
  t[Baseline] = Command(zib, CmdUpperCase);
  SelectAll(zib);
  t[Sort] = Answered(zib, CmdSortAscending, AsWide(SortCaption), IDYES, IDNO);
  SelectAll(zib);
  t[Comment] = Command(zib, CmdComment);
  SelectAll(zib);
  t[Comment] = (t[Comment] + Command(zib, CmdComment)) / 2;
  t[CleanUp] = Command(zib, CmdCleanUp);
  Keys(zib, L"Ctrl+End");
  t[Duplicate] = Command(zib, CmdDuplicateLine);
  Keys(zib, L"Ctrl+Home");
  t[GoTo] = Answered(zib, CmdGoToLine, AsWide(GoToLineCaption), IDOK, IDCANCEL, std::to_wstring(lines));
  t[Typing] = TypingAtEnd(zib);
  t[TypingSingly] = TypingKeyByKey(zib);
  CaretToEnd(zib);
  t[PaintPlain] = Repaint(zib);
  Command(zib, CmdDarkMode);
  Settle(zib);
  t[PaintPlainDark] = Repaint(zib);
  Command(zib, CmdShowControlChars);
  Settle(zib);
  t[PaintMarksDark] = Repaint(zib);
  Command(zib, CmdDarkMode);
  Settle(zib);
  t[PaintMarks] = Repaint(zib);
  Keys(zib, L"Ctrl+Home");
  double page = Now();
  Keys(zib, L"PageDown");
  Repaint(zib, 1);
  t[PageDownMarks] = Now() - page;
  Command(zib, CmdShowControlChars);
  t[WrapOn] = Command(zib, CmdWordWrap);
  t[WrapOff] = Command(zib, CmdWordWrap);

  StopZib(zib);
  // Deleting first, in a heap no whole-text replacement has yet scattered.
  TBare fresh = BareControl(bytes, true);
  TBare bare = BareControl(bytes, false);
  t[BarePaint] = bare.Repaint;
  t[BareTyping] = bare.Typing;
  t[BarePaintSix] = bare.RepaintSix;
  t[BareTypingSix] = bare.TypingSix;
  t[BarePrintSix] = bare.PrintSix;
  t[FreshPaintSix] = fresh.RepaintSix;
  t[FreshTypingSix] = fresh.TypingSix;
  t[FreshPrintSix] = fresh.PrintSix;
  for (int r = 0; r < RowCount; ++r) rows[r].Ms.push_back(t[r]);
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::size_t> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::wcstoul(argv[i], nullptr, 10));
  if (sizes.empty()) sizes = {5000, 20000, 80000, 320000};
  std::vector<TRow> rows(RowCount);
  for (int r = 0; r < RowCount; ++r) rows[r].Name = RowNames[r];
  for (std::size_t lines : sizes) {
    std::fprintf(stderr, "%zu lines ...\n", lines);
    if (!Measure(lines, rows)) {
      std::fprintf(stderr, "could not measure at %zu lines\n", lines);
      return 1;
    }
  }

  std::printf("%-44s", "ms");
  for (std::size_t lines : sizes) std::printf(" %10zu", lines);
  std::printf("   x base   scaling\n");
  std::size_t n = sizes.size();
  for (const TRow& row : rows) {
    std::printf("%-44s", row.Name);
    for (double ms : row.Ms) std::printf(" %10.1f", ms);
    double base = rows[Baseline].Ms[n - 1];
    std::printf("   %6.2f", base > 0 ? row.Ms[n - 1] / base : 0.0);
    if (n >= 2 && row.Ms[n - 2] > 0) std::printf("   %6.2f", row.Ms[n - 1] / row.Ms[n - 2]);
    std::printf("\n");
  }
  std::printf("(x base: at %zu lines; scaling: %zu lines against %zu)\n", sizes[n - 1], sizes[n - 1],
              n >= 2 ? sizes[n - 2] : sizes[n - 1]);

  struct TRatio {
    const char* Name;
    Rows Of, To;
  };
  const TRatio ratios[] = {
      {"typing, 20 keys / bare EDIT typing", Typing, BareTyping},
      {"typing, 20 keys / bare EDIT after six deleting first", Typing, FreshTypingSix},
      {"marks on / marks off, light", PaintMarks, PaintPlain},
      {"marks on / marks off, dark", PaintMarksDark, PaintPlainDark},
      {"repaint after the commands / just opened", PaintPlain, PaintOpened},
      {"bare EDIT: repaint after six / fresh", BarePaintSix, BarePaint},
      {"bare EDIT: repaint after six deleting first / fresh", FreshPaintSix, BarePaint},
  };
  std::printf("\n%-52s", "ratio");
  for (std::size_t lines : sizes) std::printf(" %10zu", lines);
  std::printf("\n");
  for (const TRatio& ratio : ratios) {
    std::printf("%-52s", ratio.Name);
    for (std::size_t i = 0; i < n; ++i) {
      double to = rows[ratio.To].Ms[i];
      std::printf(" %10.2f", to > 0 ? rows[ratio.Of].Ms[i] / to : 0.0);
    }
    std::printf("\n");
  }
  return 0;
}
