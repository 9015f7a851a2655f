// The messages of our own: one routine shows every one of them, one turns a
// system error code into the German text the user reads.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The system's text for an error code in the user's language, without the
// closing line break; "Fehler <code>" when the system has none.
std::wstring SystemReason(DWORD error);

// A message box owned by `owner` with the icon: the headline, the subject (a
// path, when given) on the next line, then the detail (when given) after a
// blank line.
void ReportProblem(HWND owner, const char16_t* caption, UINT icon, const char16_t* headline,
                   std::wstring_view subject = L"", std::wstring_view detail = L"");
// The same with the system's reason for `error` as the detail.
void ReportSystemError(HWND owner, const char16_t* caption, const char16_t* headline, std::wstring_view subject,
                       DWORD error);

// A file that cannot be read, written or shown whole: caption "Z·i·b",
// owned by the main window.
void ReportFileProblem(const char16_t* headline, std::wstring_view path, std::wstring_view detail,
                       UINT icon = MB_ICONERROR);
void ReportFileError(const char16_t* headline, std::wstring_view path, DWORD error);

// Whatever command runs out of memory says so the same way; it has done nothing.
void ReportOutOfMemory();
