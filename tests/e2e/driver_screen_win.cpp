// The end-to-end driver, screen: what the main window, its editor and status
// line show, and pictures of windows. See driver_win.h for what each routine
// promises.
#include "driver_internal_win.h"

#include <gdiplus.h>

namespace {

ULONG_PTR GdiplusToken = 0;


bool PngEncoder(CLSID& clsid) {
  UINT count = 0, size = 0;
  if (Gdiplus::GetImageEncodersSize(&count, &size) != Gdiplus::Ok || size == 0) return false;
  std::vector<BYTE> buffer(size);
  auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  if (Gdiplus::GetImageEncoders(count, size, codecs) != Gdiplus::Ok) return false;
  for (UINT i = 0; i < count; ++i)
    if (std::wstring_view(codecs[i].MimeType) == L"image/png") {
      clsid = codecs[i].Clsid;
      return true;
    }
  return false;
}

// Copies a screen rectangle into a new bitmap; nullptr on failure.
HBITMAP CaptureScreen(const RECT& r) {
  int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BOOL ok = BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY | CAPTUREBLT);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  if (!ok) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}


}  // namespace

// --- Reading the main window ---------------------------------------------------------

std::wstring WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!window || !SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, SendTimeoutMs, &length))
    return L"";
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, SendTimeoutMs, &copied))
    return L"";
  text.resize(copied);
  return text;
}

std::wstring WindowClass(HWND window) {
  wchar_t name[256];
  int n = GetClassNameW(window, name, 256);
  return std::wstring(name, n > 0 ? n : 0);
}

std::wstring Title(const TZib& zib) { return WindowText(zib.Main); }
HWND Editor(const TZib& zib) { return zib.Main ? GetDlgItem(zib.Main, EditorId) : nullptr; }
HWND StatusLine(const TZib& zib) { return zib.Main ? GetDlgItem(zib.Main, StatusId) : nullptr; }
std::wstring EditorText(const TZib& zib) { return WindowText(Editor(zib)); }
std::string Narrow(const std::wstring& text) {
  std::string bytes(text.size() * 3, '\0');
  bytes.resize(WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(),
                                   static_cast<int>(bytes.size()), nullptr, nullptr));
  return bytes;
}

std::wstring StatusText(const TZib& zib) { return WindowText(StatusLine(zib)); }

bool EditorSelection(TZib& zib, DWORD& start, DWORD& end) {
  start = end = 0;
  HWND editor = Editor(zib);
  if (!editor || !AskProbe(zib, ProbeReadSelection, reinterpret_cast<LPARAM>(editor), DefaultWaitMs)) return false;
  start = zib.Block->SelectionStart;
  end = zib.Block->SelectionEnd;
  return true;
}

long EditorLength(TZib& zib, UINT timeoutMs) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(Editor(zib), WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &length)) return -1;
  return static_cast<long>(length);
}

bool TextBecomes(TZib& zib, const std::wstring& text, DWORD timeoutMs) {
  return WaitUntil([&] { return EditorText(zib) == text; }, timeoutMs);
}

bool SelectionBecomes(TZib& zib, DWORD start, DWORD end, DWORD timeoutMs) {
  return WaitUntil(
      [&] {
        DWORD s = 0, e = 0;
        return EditorSelection(zib, s, e) && s == start && e == end;
      },
      timeoutMs);
}

LONG_PTR WindowStyle(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

bool CaretRect(const TZib& zib, RECT& rect) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(zib.ThreadId, &info) || !info.hwndCaret) return false;
  rect = info.rcCaret;
  return true;
}

// --- Pictures ------------------------------------------------------------------------

bool SaveScreenshot(HWND window, std::wstring_view name) {
  RECT r;
  if (!window || !GetWindowRect(window, &r)) return false;
  if (!GdiplusToken) {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&GdiplusToken, &input, nullptr) != Gdiplus::Ok) return false;
  }
  std::wstring folder = ProgramFolder() + L"\\..\\screenshots";
  CreateDirectoryW(folder.c_str(), nullptr);
  std::wstring path = folder + L"\\" + std::wstring(name) + L".png";
  CLSID png;
  if (!PngEncoder(png)) return false;
  HBITMAP bitmap = CaptureScreen(r);
  if (!bitmap) return false;
  bool ok;
  {
    Gdiplus::Bitmap image(bitmap, nullptr);
    ok = image.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
  }
  DeleteObject(bitmap);
  return ok;
}

bool ScreenPixel(HWND window, int x, int y, COLORREF& colour) {
  POINT p{x, y};
  if (!window || !ClientToScreen(window, &p)) return false;
  RECT r{p.x, p.y, p.x + 1, p.y + 1};
  HBITMAP bitmap = CaptureScreen(r);
  if (!bitmap) return false;
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memory, bitmap);
  colour = GetPixel(memory, 0, 0);
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(bitmap);
  return colour != CLR_INVALID;
}

bool ScreenPixels(HWND window, const RECT& area, std::vector<COLORREF>& pixels) {
  pixels.clear();
  POINT p{area.left, area.top};
  if (!window || !ClientToScreen(window, &p)) return false;
  int w = area.right - area.left, h = area.bottom - area.top;
  RECT r{p.x, p.y, p.x + w, p.y + h};
  HBITMAP bitmap = CaptureScreen(r);
  if (!bitmap) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<DWORD> raw(static_cast<size_t>(w) * h);
  HDC screen = GetDC(nullptr);
  int rows = GetDIBits(screen, bitmap, 0, h, raw.data(), &info, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  DeleteObject(bitmap);
  if (rows != h) return false;
  pixels.reserve(raw.size());
  for (DWORD bgr : raw) pixels.push_back(RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF));
  return true;
}

bool AreaShows(HWND window, const RECT& area, COLORREF colour) {
  std::vector<COLORREF> pixels;
  if (!ScreenPixels(window, area, pixels)) return false;
  for (COLORREF c : pixels)
    if (c == colour) return true;
  return false;
}
