#include "app/about.h"

#include "version.h"

std::u16string_view AboutText() {
  return u"Z·i·b\u00A0\u00A0v" ZIB_VERSION_TEXT " - Mini-Editor\r\n"
         u"© 2026 die Zib-Entwickler\r\n"
         u"-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-=-\r\n"
         u"· Alternative für klassisches Notepad\r\n"
         u"· Unicode-Konversion [Alt]+[X]\r\n"
         u"· Nichtproportionale Schriftart\r\n"
         u"· Optionale Steuerzeichen-Anzeige ·_°→¶\r\n"
         u"· Dateisystem-sichere Symbole\u00A0\u00A0։\u00A0？\u00A0⧸\u00A0\u00A0⧹\r\n"
         u"· PDF-Export (LibreOffice/Coherent CPDF)\r\n"
         u"· Bearbeitung von MsDos-Dateien\r\n"
         u"· 3-Monats– und Jahreskalender\r\n"
         u"· Zeichentabellen (ANSI & MsDos)\r\n"
         u"\r\n"
         u"Reines Win32 in C++, ohne Laufzeitbibliotheken.";
}
