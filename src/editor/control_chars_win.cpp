#include "editor/control_chars_win.h"

#include <vector>

#include "base/commands.h"
#include "base/frame_win.h"
#include "editor/editor_win.h"
#include "editor/marks.h"

bool ShowControlChars = false;

namespace {

bool MarkRepaintPending = false;

}  // namespace

void ToggleControlChars() {
  ShowControlChars = !ShowControlChars;
  SetViewCheck(CmdShowControlChars, ShowControlChars);
  InvalidateRect(EditorWindow(), nullptr, FALSE);
}

void ScheduleMarkRepaint(HWND editor) {
  if (!ShowControlChars) return;
  MarkRepaintPending = true;
  InvalidateRect(editor, nullptr, FALSE);
  KillTimer(editor, MarkTimerId);
  SetTimer(editor, MarkTimerId, 50, nullptr);
}

void OnMarkTimer(HWND editor) {
  KillTimer(editor, MarkTimerId);
  if (ShowControlChars && MarkRepaintPending) {
    MarkRepaintPending = false;
    RedrawWindow(editor, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_UPDATENOW);
  }
}

void RepaintMarksNow(HWND editor) {
  if (!ShowControlChars) return;
  MarkRepaintPending = false;
  KillTimer(editor, MarkTimerId);
  RedrawWindow(editor, nullptr, nullptr, RDW_INVALIDATE | RDW_NOERASE | RDW_UPDATENOW);
}

void CancelMarkRepaint(HWND editor) {
  KillTimer(editor, MarkTimerId);
  MarkRepaintPending = false;
}

void PaintEditorBuffered(HWND editor) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(editor, &ps);
  RECT client;
  GetClientRect(editor, &client);
  int width = client.right - client.left;
  int height = client.bottom - client.top;
  HDC memory = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  // Only what is due is painted: the control paints the lines that meet the
  // clip box, the marks follow it. A paint with nothing due costs nothing.
  if (width <= 0 || height <= 0 || IsRectEmpty(&ps.rcPaint)) goto out;
  memory = CreateCompatibleDC(dc);
  if (!memory) goto out;
  bitmap = CreateCompatibleBitmap(dc, width, height);
  if (!bitmap) goto out;
  oldBitmap = SelectObject(memory, bitmap);
  IntersectClipRect(memory, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right, ps.rcPaint.bottom);
  FillRect(memory, &ps.rcPaint, GetSysColorBrush(COLOR_WINDOW));
  SendMessageW(editor, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
  if (ShowControlChars) DrawControlMarks(editor, memory, MarkTabWidth);
  BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
         ps.rcPaint.bottom - ps.rcPaint.top, memory, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
out:
  if (oldBitmap) SelectObject(memory, oldBitmap);
  if (bitmap) DeleteObject(bitmap);
  if (memory) DeleteDC(memory);
  EndPaint(editor, &ps);
}

namespace {

// Up to want units of the line (at most 65,534, the size word's reach) into
// buffer, which must hold want + 1; the number read.
std::size_t ReadLine(HWND editor, long line, std::vector<wchar_t>& buffer, long want) {
  if (want <= 0) return 0;
  // EM_GETLINE takes the buffer size in its first unit.
  *reinterpret_cast<WORD*>(buffer.data()) = static_cast<WORD>(want);
  LRESULT got = SendMessageW(editor, EM_GETLINE, line, reinterpret_cast<LPARAM>(buffer.data()));
  return got > 0 ? static_cast<std::size_t>(got) : 0;
}

std::u16string_view Units(const std::vector<wchar_t>& buffer, std::size_t count) {
  return std::u16string_view(reinterpret_cast<const char16_t*>(buffer.data()), count);
}

// One line's marks with one ExtTextOutW: each glyph placed by its advance
// to the next mark (GDI's text output is dear per call, not per glyph). The
// scratch is kept from paint to paint.
std::vector<wchar_t> MarkGlyphs;
std::vector<INT> MarkAdvances;

void DrawMarks(HDC dc, const std::vector<TMark>& marks, int y) {
  if (marks.empty()) return;
  MarkGlyphs.clear();
  MarkAdvances.clear();
  for (std::size_t i = 0; i < marks.size(); ++i) {
    MarkGlyphs.push_back(static_cast<wchar_t>(marks[i].Glyph));
    MarkAdvances.push_back(i + 1 < marks.size() ? marks[i + 1].X - marks[i].X : 0);
  }
  ExtTextOutW(dc, marks[0].X, y, 0, nullptr, MarkGlyphs.data(), static_cast<UINT>(MarkGlyphs.size()),
              MarkAdvances.data());
}

// Where the lines are drawn: the formatting rectangle, the bottom of the
// rows due (the clip box), the first visible line, the first line due, the
// last visible one and the line count, the x of a line's first unit, the
// line height and the column width.
struct TMarkFrame {
  RECT Format;
  int DueBottom;
  long First;
  long From;
  long Last;
  long Count;
  int X0;
  int W;
  int H;
  int TabWidth;
};

// Without word wrap every line but the last ends in a hard break, and one
// message per line suffices: EM_GETLINE of only the units that can show (the
// end of a line cut there lies past the right edge, so it draws no mark).
void DrawUnwrappedMarks(HWND editor, HDC dc, const TMarkFrame& f) {
  std::size_t reach = UnitsThatCanShow(f.X0, f.W, f.Format.right);
  long want = reach < 65534 ? static_cast<long>(reach) : 65534;
  std::vector<wchar_t> buffer(static_cast<std::size_t>(want) + 2);
  std::vector<TMark> marks;
  for (long line = f.From; line <= f.Last; ++line) {
    int y = static_cast<int>((line - f.First) * f.H + f.Format.top);
    if (y > f.Format.bottom || y >= f.DueBottom) break;
    marks.clear();
    LayoutLineMarks(Units(buffer, ReadLine(editor, line, buffer, want)), f.X0, f.W, f.Format.left, f.Format.right,
                    line + 1 < f.Count, f.TabWidth, marks);
    DrawMarks(dc, marks, y);
  }
}

// With word wrap the control's lines are display lines; a line ends hard
// when the next one starts after its own text and break.
void DrawWrappedMarks(HWND editor, HDC dc, const TMarkFrame& f) {
  long start = static_cast<long>(SendMessageW(editor, EM_LINEINDEX, f.From, 0));
  std::vector<wchar_t> buffer(256);
  std::vector<TMark> marks;
  for (long line = f.From; start >= 0 && line <= f.Last; ++line) {
    long next = line + 1 < f.Count ? static_cast<long>(SendMessageW(editor, EM_LINEINDEX, line + 1, 0)) : -1;
    int y = static_cast<int>((line - f.First) * f.H + f.Format.top);
    if (y > f.Format.bottom || y >= f.DueBottom) break;
    long len = static_cast<long>(SendMessageW(editor, EM_LINELENGTH, start, 0));
    if (len < 0) break;
    long want = len < 65534 ? len : 65534;
    if (static_cast<long>(buffer.size()) < want + 1) buffer.resize(static_cast<std::size_t>(want) + 32);
    std::size_t got = ReadLine(editor, line, buffer, want);
    bool hard = next >= 0 && next > start + len;
    marks.clear();
    LayoutLineMarks(Units(buffer, got), f.X0, f.W, f.Format.left, f.Format.right, hard, f.TabWidth, marks);
    DrawMarks(dc, marks, y);
    if (next < 0) break;
    start = next;
  }
}

}  // namespace

void DrawControlMarks(HWND editor, HDC dc, int tabWidth) {
  RECT client;
  GetClientRect(editor, &client);
  int saved = SaveDC(dc);
  IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
  HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(editor, WM_GETFONT, 0, 0)));
  TEXTMETRICW tm = {};
  GetTextMetricsW(dc, &tm);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, MarkColour);

  TMarkFrame f = {};
  RECT due = client;
  int clip = GetClipBox(dc, &due);
  if (clip == NULLREGION) due = RECT{};
  if (clip == ERROR) due = client;
  f.DueBottom = due.bottom;
  f.W = tm.tmAveCharWidth;
  f.H = tm.tmHeight < 1 ? 1 : tm.tmHeight;
  f.TabWidth = tabWidth;
  SendMessageW(editor, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&f.Format));
  f.First = static_cast<long>(SendMessageW(editor, EM_GETFIRSTVISIBLELINE, 0, 0));
  f.Count = static_cast<long>(SendMessageW(editor, EM_GETLINECOUNT, 0, 0));
  if (f.First >= 0 && f.Count > 0) {
    // The first line's x in 16 bits, made whole with the scroll position
    // (in pixels): a long line scrolled far right keeps its marks in place.
    LRESULT pos = SendMessageW(editor, EM_POSFROMCHAR, 0, 0);
    SCROLLINFO scroll = {};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_POS;
    long estimate = f.Format.left;
    if (!WordWrap && GetScrollInfo(editor, SB_HORZ, &scroll)) estimate -= scroll.nPos;
    f.X0 = pos == -1 ? f.Format.left : static_cast<int>(UnwrapCoordinate(static_cast<short>(LOWORD(pos)), estimate));
    long visible = (f.Format.bottom - f.Format.top) / f.H + 2;
    if (visible < 1) visible = 1;
    f.Last = f.First + visible - 1 < f.Count - 1 ? f.First + visible - 1 : f.Count - 1;
    long above = due.top > f.Format.top ? (due.top - f.Format.top) / f.H : 0;
    f.From = f.First + above < f.Last ? f.First + above : f.Last;
    if (WordWrap) DrawWrappedMarks(editor, dc, f);
    else DrawUnwrappedMarks(editor, dc, f);
  }
  SelectObject(dc, oldFont);
  RestoreDC(dc, saved);
}
