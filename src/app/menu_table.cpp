// The menu bar and the shortcut table. The order of the rows is the order on
// screen; the shortcut table keeps the order the accelerator table is built in.
#include "app/menu_table.h"

#include "base/commands.h"

namespace {

constexpr TMenuItem Separator{0, u""};

constexpr TMenuItem FileItems[] = {
    {CmdNew, u"&Neu...\tCtrl+N"},
    {CmdNewInstance, u"Neue &Instanz\tCtrl+Shift+N"},
    Separator,
    {CmdOpen, u"Ö&ffnen...\tCtrl+O"},
    {CmdSave, u"&Speichern...\tCtrl+S"},
    {CmdSaveAs, u"Speichern &unter...\tCtrl+Shift+S"},
    Separator,
    {CmdOpenDos, u"MsD&OS-Datei öffnen...\tCtrl+Shift+O"},
    {CmdSaveDos, u"Speichern als &MsDOS-Datei..."},
    {CmdToggleEncoding, u"&Encoding ANSI ⇔ UTF-8"},
    Separator,
    {CmdPrint, u"&Drucken...\tCtrl+P"},
    {CmdPrintSansSerif, u"Drucken (S&ans Serif)...\tCtrl+Shift+P"},
    Separator,
    {CmdPdfCpdf, u"&PDF-Export (via CPDF)\tAlt+P"},
    {CmdPdfLibreOffice, u"PDF-Export (via &LibreOffice)\tAlt+L"},
    Separator,
    {CmdExit, u"&Beenden\tAlt+F4"},
};

constexpr TMenuItem EditItems[] = {
    {CmdUndo, u"&Rückgängig\tCtrl+Z"},
    Separator,
    {CmdCut, u"&Ausschneiden\tCtrl+X"},
    {CmdCopy, u"&Kopieren\tCtrl+C"},
    {CmdPaste, u"E&infügen\tCtrl+V"},
    {CmdDelete, u"&Löschen\tDel"},
    Separator,
    {CmdFind, u"S&uchen...\tCtrl+F"},
    {CmdFindNext, u"&Weitersuchen\tF3"},
    {CmdReplace, u"&Ersetzen...\tCtrl+H"},
    {CmdGoToLine, u"&Gehe zu Zeile...\tCtrl+G"},
    Separator,
    {CmdDuplicateLine, u"Zeile verdo&ppeln\tCtrl+D"},
    {CmdComment, u"Aus&kommentieren\tCtrl+Q"},
    Separator,
    {CmdSelectAll, u"Alles &markieren\tCtrl+A"},
    {CmdUpperCase, u"In &Großbuchstaben\tCtrl+Shift+U"},
    {CmdLowerCase, u"In &Kleinbuchstaben\tCtrl+U"},
    Separator,
    {CmdSortAscending, u"Sor&tieren A → Z\tCtrl+T"},
    {CmdSortDescending, u"Sortiere&n Z → A\tCtrl+Shift+T"},
    Separator,
    {CmdCodePoint, u"&Zeichen ⇄ Unicode\tAlt+C"},
    {CmdCleanUp, u"Dokument &bereinigen\tCtrl+B"},
    {CmdDateTime, u"&Datum && Uhrzeit\tF5"},
};

constexpr TMenuItem ViewItems[] = {
    {CmdShowControlChars, u"&Steuerzeichen anzeigen\tCtrl+F10"},
    {CmdWordWrap, u"&Zeilenumbruch\tCtrl+W"},
    {CmdDarkMode, u"Du&nkler Modus\tCtrl+F1"},
};

constexpr TMenuItem ExtrasItems[] = {
    {CmdTemplateHtml, u"&HTML-Vorlage\tF2"},
    {CmdTemplateUrl, u"UR&L-Vorlage\tCtrl+L"},
    {CmdTemplateReg, u"&REG-Vorlage\tCtrl+R"},
    Separator,
    {CmdListingAnsi, u"&ANSI-Zeichensatz 32 ... 255\tCtrl+3"},
    {CmdListingDos, u"&MsDOS-Zeichensatz 0 ... 255\tCtrl+0"},
    Separator,
    {CmdTemplateBoxHeader, u"&Blockgrafik-Kopfzeile\tF6"},
    {CmdTemplateBoxTable, u"Blockgrafik-&Tabelle\tShift+F6"},
    Separator,
    {CmdTemplateChord, u"Gitarren-&Griffdiagramm\tF7"},
    {CmdTemplateChordLarge, u"Gr&oßes Git.-Griffdiagramm\tShift+F7"},
    Separator,
    {CmdTemplateForDo, u"CMD-Vorlage »for .. &do«\tF8"},
    {CmdTemplateForRecursive, u"CMD-Vorlage »Rekursives &for«\tShift+F8"},
    Separator,
    {CmdTemplateSetup, u"&CMD-Vorlage »Setup«\tF9"},
    {CmdTemplateUninstall, u"CMD-Vorlage »&Uninstall«\tShift+F9"},
    Separator,
    {CmdCalendarThreeMonths, u"Aktueller 3-Monats&kalender\tCtrl+K"},
    {CmdCalendarYear, u"&Jahreskalender für ...\tCtrl+Shift+K"},
};

// U+00A0 is the no-break blank of the labels below.
constexpr TMenuItem SymbolItems[] = {
    {CmdCharTableAnsi, u"&Zeichentabelle\tF4"},
    {CmdCharTableDos, u"MsD&OS-Zeichentabelle\tShift+F4"},
    Separator,
    {CmdSymbolMultiplyDot, u"&Multiplikationspunkt ·\tCtrl+."},
    {CmdSymbolBlackCircle, u"Schwarzer &Keis ●\tCtrl+,"},
    {CmdSymbolDivision, u"&Divisionszeichen ÷\tCtrl+Shift+,"},
    Separator,
    {CmdSymbolGuillemetOpen, u"&Guillemet ouvrant\u00A0«\tCtrl+8"},
    {CmdSymbolGuillemetClose, u"G&uillemet fermant\u00A0»\tCtrl+9"},
    Separator,
    {CmdSymbolNoBreakSpace, u"Geschützes &Leerzeichen\tCtrl+Shift+Space"},
    {CmdSymbolNarrowSpace, u"Schmales L&eerzeichen\tCtrl+Space"},
    Separator,
    {CmdSymbolColon, u"💾-&Doppelpunkt\u00A0\u00A0։\tCtrl+Shift+."},
    {CmdSymbolQuestion, u"💾-&Fragezeichen？\u00A0\tCtrl+Shift+?"},
    {CmdSymbolSlash, u"💾-&Schrägstrich ⧸\u00A0\tCtrl+7"},
    {CmdSymbolBackslash, u"💾-&Backslash ⧹\u00A0\tCtrl+Shift+7"},
};

constexpr TMenuPopup Popups[] = {
    {u"&Datei", FileItems},
    {u"&Bearbeiten", EditItems},
    {u"&Ansicht", ViewItems},
    {u"&Extras", ExtrasItems},
    {u"&Symbole", SymbolItems},
};

constexpr unsigned char V = KeyVirtual;
constexpr unsigned char C = KeyVirtual | KeyControl;
constexpr unsigned char CS = KeyVirtual | KeyControl | KeyShift;
constexpr unsigned char S = KeyVirtual | KeyShift;
constexpr unsigned char A = KeyVirtual | KeyAlt;

constexpr TShortcut Shortcuts[] = {
    {C, 'N', CmdNew},                          // 1
    {C, 'O', CmdOpen},
    {C, 'S', CmdSave},
    {CS, 'S', CmdSaveAs},
    {C, 'A', CmdSelectAll},                    // 5
    {C, 'F', CmdFind},
    {V, VkF3, CmdFindNext},
    {CS, 'P', CmdPrintSansSerif},
    {V, VkF5, CmdDateTime},
    {C, 'P', CmdPrint},                        // 10
    {C, 'W', CmdWordWrap},
    {V, VkF1, CmdAbout},
    {V, VkF2, CmdTemplateHtml},
    {C, 'R', CmdTemplateReg},
    {C, 'L', CmdTemplateUrl},                  // 15
    {CS, 'U', CmdUpperCase},
    {C, 'U', CmdLowerCase},
    {C, 'B', CmdCleanUp},
    {C, 'G', CmdGoToLine},
    {CS, 'O', CmdOpenDos},                     // 20
    {V, VkF6, CmdTemplateBoxHeader},
    {S, VkF6, CmdTemplateBoxTable},
    {V, VkF7, CmdTemplateChord},
    {S, VkF7, CmdTemplateChordLarge},
    {C, VkOemPeriod, CmdSymbolMultiplyDot},    // 25
    {C, VkOemComma, CmdSymbolBlackCircle},
    {A, 'C', CmdCodePoint},
    {A, 'X', CmdCodePoint},
    {V, VkF8, CmdTemplateForDo},
    {S, VkF8, CmdTemplateForRecursive},        // 30
    {V, VkF9, CmdTemplateSetup},
    {S, VkF9, CmdTemplateUninstall},
    {C, 'H', CmdReplace},
    {A, VkBack, CmdUndo},
    {C, 'D', CmdDuplicateLine},                // 35
    {C, 'Q', CmdComment},
    {C, '7', CmdSymbolSlash},
    {CS, '7', CmdSymbolBackslash},
    {CS, VkOem4, CmdSymbolQuestion},
    {CS, VkOemPeriod, CmdSymbolColon},         // 40
    {C, '8', CmdSymbolGuillemetOpen},
    {C, '9', CmdSymbolGuillemetClose},
    {CS, VkSpace, CmdSymbolNoBreakSpace},
    {C, VkSpace, CmdSymbolNarrowSpace},
    {A, 'P', CmdPdfCpdf},                      // 45
    {CS, VkOemComma, CmdSymbolDivision},
    {C, 'T', CmdSortAscending},
    {CS, 'T', CmdSortDescending},
    {V, VkF4, CmdCharTableAnsi},
    {S, VkF4, CmdCharTableDos},                // 50
    {C, '0', CmdListingDos},
    {C, '3', CmdListingAnsi},
    {C, 'K', CmdCalendarThreeMonths},
    {CS, 'K', CmdCalendarYear},
    {A, 'L', CmdPdfLibreOffice},               // 55
    {C, VkF1, CmdDarkMode},
    {CS, 'N', CmdNewInstance},
    {CS, '8', CmdShowControlChars},
    {C, VkF10, CmdShowControlChars},           // 59
};

}  // namespace

std::span<const TMenuPopup> MenuPopups() { return Popups; }

TMenuItem MenuAboutItem() { return {CmdAbout, u"&?"}; }

std::u16string_view SystemMenuRestoreLabel() { return u"&Wiederherstellen\tF11"; }
std::u16string_view SystemMenuMaximizeLabel() { return u"Ma&ximieren\tF12"; }

std::span<const TShortcut> ShortcutEntries() { return Shortcuts; }

std::u16string ShortcutText(const TShortcut& shortcut) {
  std::u16string text;
  if (shortcut.Flags & KeyControl) text += u"Ctrl+";
  if (shortcut.Flags & KeyShift) text += u"Shift+";
  if (shortcut.Flags & KeyAlt) text += u"Alt+";
  unsigned short key = shortcut.Key;
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
    text += static_cast<char16_t>(key);
  } else if (key >= VkF1 && key <= VkF12) {
    text += u'F';
    int n = key - VkF1 + 1;
    if (n >= 10) text += static_cast<char16_t>(u'0' + n / 10);
    text += static_cast<char16_t>(u'0' + n % 10);
  } else {
    switch (key) {
      case VkBack: text += u"Backspace"; break;
      case VkSpace: text += u"Space"; break;
      case VkOemComma: text += u","; break;
      case VkOemPeriod: text += u"."; break;
      case VkOem4: text += u"?"; break;
      default: break;
    }
  }
  return text;
}
