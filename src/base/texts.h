// Every caption, prompt and message the user sees, in one place and one
// character type, grouped by the part of the program that shows them. The
// shell hands them to Windows through AsWide (platform/wide_win.h).
//
// Kept elsewhere on purpose: the menu labels stay in the menu table beside
// their ids and shortcuts, the status line's pieces in its composition
// (app/status.cpp), and the texts Zib writes into documents (templates,
// calendars, listings) with the commands that insert them.
#pragma once

#include "version.h"

// --- The program ---------------------------------------------------------------

inline constexpr char16_t ZibCaption[] = u"Z·i·b";    // our own messages, and the first title
inline constexpr char16_t UntitledName[] = u"Unbenannt";  // the document before it has a name
inline constexpr char16_t TitleSuffix[] = u" - Z·i·b";
// Whatever command runs out of memory: it has done nothing.
inline constexpr char16_t NotEnoughMemoryText[] =
    u"Nicht genug Arbeitsspeicher f\u00FCr diesen Befehl.\r\nText und Datei bleiben, wie sie sind.";
// A system error without a description of its own: "Fehler 1234".
inline constexpr char16_t SystemErrorPrefix[] = u"Fehler ";

// --- Opening and saving -----------------------------------------------------------

inline constexpr char16_t UnicodePromptText[] = u"Text enthält Unicode-Zeichen.\r\nDatei im UTF-8-Format speichern?";
inline constexpr char16_t UnicodePromptCaption[] = u"Codierung";
inline constexpr char16_t DosSavePromptText[] =
    u"Nicht alle Zeichen sind im DOS-Zeichensatz (CP 437) darstellbar.\r\nTrotzdem speichern?";
// "Änderungen an", the document's name, "speichern?" (caption ZibCaption).
inline constexpr char16_t SaveChangesBefore[] = u"Änderungen an\r\n";
inline constexpr char16_t SaveChangesAfter[] = u"\r\nspeichern?";

// Dialogs: display text and pattern in pairs, closed by an empty pair.
inline constexpr char16_t OpenFilter[] =
    u"Textdateien\t (*.txt)\0*.txt;*.html;*.srt;*.vtt;*.cmd;*.bat;*.pas;*.vbs;*.ini;*.srt;*.js;*.css;*.reg\0"
    u"UTF8-Texte\t (*.txt; *.html; *.srt)\0*.html;*.css;*.srt;*.vtt;*.txt;*.js\0"
    u"HTML-Dateien\t (*.html; *.htm)\0*.html;*.htm\0"
    u"Batchdateien\t (*.cmd; *.bat)\0*.cmd;*.bat\0"
    u"URL-Dateien\t (*.url)\0*.url\0"
    u"Registrierungsdateien\t (*.reg)\0*.reg\0"
    u"Skriptdateien\t (*.ps1; *.vbs; *.wsf)\0*.ps1;*.vbs;*.wsf\0"
    u"Alle Dateien\t (*.*)\0*.*\0";
inline constexpr char16_t SaveFilter[] =
    u"Textdateien\t (*.txt)\0*.txt;*.html;*.srt;*.vtt;*.cmd;*.bat;*.vbs;*.ini;*.srt;*.js;*.css;*.pas\0"
    u"Web-Dateien\t(html, css, js, json)\0*.html;*.htm;*.srt;*.vtt;*.js;*.css;\0"
    u"Alle Dateien\t (*.*)\0*.*\0";
inline constexpr char16_t DosFilter[] = u"MsDOS-Textdateien\t (*.txt)\0*.txt;*.cmd;*.bat;\0Alle Dateien\t (*.*)\0*.*\0";
inline constexpr char16_t DosOpenTitle[] = u"MsDOS-Datei öffnen (CP 437)";
inline constexpr char16_t DosSaveTitle[] = u"Als MsDOS-Datei speichern (CP 437)";
inline constexpr char16_t DefaultExtension[] = u"txt";

// Messages of our own (caption ZibCaption). A path follows each headline on
// its own line; the system's reason, where there is one, after a blank line.
inline constexpr char16_t CannotReadText[] = u"Datei kann nicht gelesen werden:";
inline constexpr char16_t CannotWriteText[] = u"Datei kann nicht gespeichert werden:";
inline constexpr char16_t NewContentKeptText[] = u"Die alte Datei ist nicht mehr da; der neue Inhalt ist gesichert in:";
// After a failed write into the file itself (its folder takes no new file).
inline constexpr char16_t InPlaceDamagedText[] =
    u"Im Ordner darf keine neue Datei angelegt werden, darum wurde die Datei direkt überschrieben; "
    u"sie ist jetzt unvollständig. Der Text im Editor ist vollständig: bitte unter einem anderen Namen speichern.";
inline constexpr char16_t TooLargeText[] = u"Datei ist zu groß für den Editor:";
inline constexpr char16_t ZeroBytesHeadline[] = u"Datei unvollständig angezeigt:";
inline constexpr char16_t ZeroBytesDetail[] =
    u"Die Datei enthält Nullbytes. Angezeigt wird nur der Text vor dem ersten Nullbyte.\r\n"
    u"Damit die Datei nicht gekürzt überschrieben wird, ist sie schreibgeschützt geöffnet; "
    u"Speichern fragt nach einem neuen Namen.";

// --- Find and replace ----------------------------------------------------------------

inline constexpr char16_t FindCaption[] = u"Suchen";
inline constexpr char16_t ReplaceCaption[] = u"Ersetzen";
inline constexpr char16_t NotFoundText[] = u"Text nicht gefunden.";
inline constexpr char16_t ReplaceTooLargeText[] = u"Ersetzen: Ergebnis zu gross (32-bit Overflow).";

// --- Sorting -------------------------------------------------------------------------

inline constexpr char16_t SortCaption[] = u"Sortierung";
inline constexpr char16_t SortAscendingQuestion[] = u"Ausgew\u00E4hlte Zeilen von A \u2192 Z sortieren?";
inline constexpr char16_t SortDescendingQuestion[] = u"Ausgew\u00E4hlte Zeilen von Z \u2192 A sortieren?";

// --- Dialogs -------------------------------------------------------------------------

inline constexpr char16_t GoToLineCaption[] = u"Gehe zu Zeile";
inline constexpr char16_t GoToLineLabel[] = u"&Zeilennummer:";
inline constexpr char16_t YearCaption[] = u"Jahreskalender";
inline constexpr char16_t YearLabel[] = u"F\u00FCr das &Jahr:";
inline constexpr char16_t AnsiTableCaption[] = u"Zeichentabelle";
inline constexpr char16_t OemTableCaption[] = u"OEM-Zeichentabelle";
inline constexpr char16_t CharTableListText[] = u"Zeichen...";
inline constexpr char16_t OkButton[] = u"&Ok";
inline constexpr char16_t CancelButton[] = u"Abbrechen";
inline constexpr char16_t InsertButton[] = u"\U0001F4CB &Einf\u00FCgen";

// --- PDF export ----------------------------------------------------------------------

inline constexpr char16_t CpdfCaption[] = u"Z·i·b: PDF-Export (via CPDF)";
inline constexpr char16_t WriterCaption[] = u"Z·i·b: PDF-Export (via LibreOffice)";
inline constexpr char16_t FailureCaption[] = u"Z·i·b: PDF-Export";
inline constexpr char16_t NothingToExportText[] = u"Nichts zum Exportieren vorhanden.";
inline constexpr char16_t NotSavedText[] = u"Nicht gespeicherte Datei.\r\nPDF-Export nicht möglich.";
// "Der PDF-Export von", the document's path, then the rest.
inline constexpr char16_t PdfFailureBefore[] = u"Der PDF-Export von\r\n";
inline constexpr char16_t PdfFailureAfter[] = u"\r\nist fehlgeschlagen.\r\n\r\n(Cpdf blockiert gewisse Unicode Zeichen)";
// The title of the converters' console windows.
inline constexpr char16_t PassTitle[] = u"PDF Export...";
// What the main window shows while a converter runs, and before any did.
inline constexpr char16_t CpdfBusyText[] = u"Coherent CPDF erstellt PDF . . .";
inline constexpr char16_t WriterBusyText[] = u"LibreOffice erstellt PDF . . .";
inline constexpr char16_t IdleBusyText[] = u"Kein externer Prozess vorhanden...";

// --- Installation --------------------------------------------------------------------

inline constexpr char16_t InstallCaption[] = u"Installation";
inline constexpr char16_t RemovalCaption[] = u"Deinstallation";
inline constexpr char16_t InstallPrompt[] = u"Z·i·b - Mini Editor " ZIB_VERSION_TEXT "\r\nFür alle Benutzer installieren?";
inline constexpr char16_t RemovalPrompt[] = u"Z·i·b - Mini Editor " ZIB_VERSION_TEXT "\r\nvon diesem Computer entfernen?";
// Our own: a removal that could not delete everything (caption RemovalCaption).
inline constexpr char16_t RemovalIncompleteText[] =
    u"Z·i·b konnte nicht vollständig entfernt werden.\r\n\r\n"
    u"Dazu sind Administratorrechte nötig: bitte die Deinstallation als Administrator wiederholen.";

// --- About ---------------------------------------------------------------------------

inline constexpr char16_t AboutCaption[] = u"Über Z·i·b";
inline constexpr char16_t AboutText[] =
    u"Z·i·b\u00A0\u00A0v" ZIB_VERSION_TEXT " - Mini-Editor\r\n"
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
