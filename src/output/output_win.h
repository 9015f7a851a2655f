// Printing and the PDF export through the outside converters.
#pragma once

#include <windows.h>

enum TPrintFont { FixedPitch, SansSerif };

extern wchar_t SwriterPath[MAX_PATH];  // empty when LibreOffice Writer was not found
extern wchar_t CpdfPath[MAX_PATH];     // empty when cpdf was not found

void LocatePdfConverters();
void PrintDocument(TPrintFont font);
void ExportPdfViaLibreOffice(HWND owner);
void ExportPdfViaCpdf(HWND owner);
