// Printing and the PDF export through the outside converters.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "output/print.h"

extern std::wstring SwriterPath;  // empty when LibreOffice Writer was not found
extern std::wstring CpdfPath;     // empty when cpdf was not found or failed its test run

// Finds LibreOffice Writer and cpdf by full paths, never through a program
// search, and test-runs cpdf (at start-up).
void LocatePdfConverters();

// Ctrl+P and Ctrl+Shift+P: the print dialog, then the whole text in the mode's font.
void PrintDocument(TPrintMode mode);

// Alt+L and Alt+P: the saved document to a PDF beside it, which is then
// opened; true when the PDF was made and opened. One export runs at a time:
// while one waits for its converter, another is refused with a beep.
bool ExportPdfViaLibreOffice(HWND owner);
bool ExportPdfViaCpdf(HWND owner);

// True while an export waits for its converter. Closing the window or ending
// the program meanwhile waits for the export: the message is posted again
// once it is over (DeferUntilExportEnds).
bool PdfExportRunning();
void DeferUntilExportEnds(UINT message, WPARAM wParam);

// Runs the command line (its program quoted with its full path) in a new
// console with the folder as its working folder, and waits for it while
// dispatching the thread's messages; the exit code, or -1 when it could not
// be started.
int RunAndWait(std::u16string_view commandLine, const wchar_t* title, WORD show, WORD fillAttribute,
               std::u16string_view folder);
