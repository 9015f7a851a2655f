#include "base/report_win.h"

#include "base/frame_win.h"
#include "base/texts.h"
#include "platform/wide_win.h"

std::wstring SystemReason(DWORD error) {
  wchar_t* buffer = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring reason;
  if (n > 0 && buffer) reason.assign(buffer, n);
  if (buffer) LocalFree(buffer);
  while (!reason.empty() && (reason.back() == L'\r' || reason.back() == L'\n' || reason.back() == L' '))
    reason.pop_back();
  if (reason.empty()) reason = AsWide(SystemErrorPrefix) + std::to_wstring(error);
  return reason;
}

void ReportProblem(HWND owner, const char16_t* caption, UINT icon, const char16_t* headline,
                   std::wstring_view subject, std::wstring_view detail) {
  std::wstring text = AsWide(headline);
  if (!subject.empty()) {
    text += L"\r\n";
    text += subject;
  }
  if (!detail.empty()) {
    text += L"\r\n\r\n";
    text += detail;
  }
  MessageBoxW(owner, text.c_str(), AsWide(caption), MB_OK | icon);
}

void ReportSystemError(HWND owner, const char16_t* caption, const char16_t* headline, std::wstring_view subject,
                       DWORD error) {
  ReportProblem(owner, caption, MB_ICONERROR, headline, subject, SystemReason(error));
}

void ReportFileProblem(const char16_t* headline, std::wstring_view path, std::wstring_view detail, UINT icon) {
  ReportProblem(MainWindow, ZibCaption, icon, headline, path, detail);
}

void ReportFileError(const char16_t* headline, std::wstring_view path, DWORD error) {
  ReportSystemError(MainWindow, ZibCaption, headline, path, error);
}

void ReportOutOfMemory() { ReportProblem(MainWindow, ZibCaption, MB_ICONERROR, NotEnoughMemoryText); }
