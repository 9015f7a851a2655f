// Placeholders until printing and the PDF export land.
#include "output/output_win.h"

wchar_t SwriterPath[MAX_PATH] = L"";
wchar_t CpdfPath[MAX_PATH] = L"";

void LocatePdfConverters() {}
void PrintDocument(TPrintFont) {}
void ExportPdfViaLibreOffice(HWND) {}
void ExportPdfViaCpdf(HWND) {}
