#include "app/appearance_win.h"

#include <string>

#include "app/main_window_win.h"
#include "app/menu_win.h"
#include "base/commands.h"
#include "base/registry_win.h"
#include "base/shared_win.h"
#include "base/texts.h"
#include "editor/editor_win.h"
#include "platform/wide_win.h"

HFONT EditorFont = nullptr;
bool DarkMode = false;
const char16_t* BusyText = IdleBusyText;

namespace {

const wchar_t ThemeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

}  // namespace

void CreateEditorFont() {
  bool consolas = FileExists(L"%WINDIR%\\Fonts\\consola.ttf");
  EditorFont = CreateFontW(-18, 0, 0, 0, 100, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_ONLY_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, consolas ? FF_MODERN : FF_ROMAN,
                           consolas ? L"Consolas" : L"Courier New");
}

void InitDarkMode() { DarkMode = RegReadDword(HKEY_CURRENT_USER, ThemeKey, L"AppsUseLightTheme") == 0; }

void SetDarkMode(bool on) {
  DarkMode = on;
  InvalidateRgn(MainWindow, nullptr, TRUE);
  SetViewCheck(CmdDarkMode, DarkMode);
}

LRESULT EditorColours(HDC dc) {
  SetTextColor(dc, DarkText);
  SetBkColor(dc, DarkBackground);
  return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
}

void PaintBusyText(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT rect;
  GetClientRect(window, &rect);
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ oldFont = SelectObject(dc, EditorFont);
  const UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;
  OffsetRect(&rect, 1, 1);
  SetTextColor(dc, RGB(79, 79, 79));
  DrawTextW(dc, AsWide(BusyText), -1, &rect, format);
  OffsetRect(&rect, -1, -1);
  SetTextColor(dc, RGB(0, 175, 175));
  DrawTextW(dc, AsWide(BusyText), -1, &rect, format);
  SelectObject(dc, oldFont);
  EndPaint(window, &ps);
}

void ShowAbout(HWND owner) {
  ShowIconMessage(owner, AsWide(AboutText), AsWide(AboutCaption), MB_OK | MB_USERICON, L"I");
}

void BeginBusy(const char16_t* text) {
  BusyText = text;
  ShowWindow(EditorWindow(), SW_HIDE);
  InvalidateRect(MainWindow, nullptr, TRUE);
  SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void EndBusy() {
  ShowWindow(EditorWindow(), SW_SHOWNORMAL);
  InvalidateRect(MainWindow, nullptr, TRUE);
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}
