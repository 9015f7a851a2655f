// The texts of loading and saving: prompts, dialog titles and filters, and the
// messages of our own about files that cannot be read or written.
#pragma once

// Prompts.
constexpr wchar_t UnicodePromptText[] = L"Text enthält Unicode-Zeichen.\r\nDatei im UTF-8-Format speichern?";
constexpr wchar_t UnicodePromptCaption[] = L"Codierung";
constexpr wchar_t DosSavePromptText[] =
    L"Nicht alle Zeichen sind im DOS-Zeichensatz (CP 437) darstellbar.\r\nTrotzdem speichern?";
constexpr wchar_t SaveChangesBefore[] = L"Änderungen an\r\n";
constexpr wchar_t SaveChangesAfter[] = L"\r\nspeichern?";
constexpr wchar_t ZibCaption[] = L"Z·i·b";

// Dialogs: display text and pattern in pairs, closed by an empty pair.
constexpr wchar_t OpenFilter[] =
    L"Textdateien\t (*.txt)\0*.txt;*.html;*.srt;*.vtt;*.cmd;*.bat;*.pas;*.vbs;*.ini;*.srt;*.js;*.css;*.reg\0"
    L"UTF8-Texte\t (*.txt; *.html; *.srt)\0*.html;*.css;*.srt;*.vtt;*.txt;*.js\0"
    L"HTML-Dateien\t (*.html; *.htm)\0*.html;*.htm\0"
    L"Batchdateien\t (*.cmd; *.bat)\0*.cmd;*.bat\0"
    L"URL-Dateien\t (*.url)\0*.url\0"
    L"Registrierungsdateien\t (*.reg)\0*.reg\0"
    L"Skriptdateien\t (*.ps1; *.vbs; *.wsf)\0*.ps1;*.vbs;*.wsf\0"
    L"Alle Dateien\t (*.*)\0*.*\0";
constexpr wchar_t SaveFilter[] =
    L"Textdateien\t (*.txt)\0*.txt;*.html;*.srt;*.vtt;*.cmd;*.bat;*.vbs;*.ini;*.srt;*.js;*.css;*.pas\0"
    L"Web-Dateien\t(html, css, js, json)\0*.html;*.htm;*.srt;*.vtt;*.js;*.css;\0"
    L"Alle Dateien\t (*.*)\0*.*\0";
constexpr wchar_t DosFilter[] = L"MsDOS-Textdateien\t (*.txt)\0*.txt;*.cmd;*.bat;\0Alle Dateien\t (*.*)\0*.*\0";
constexpr wchar_t DosOpenTitle[] = L"MsDOS-Datei öffnen (CP 437)";
constexpr wchar_t DosSaveTitle[] = L"Als MsDOS-Datei speichern (CP 437)";
constexpr wchar_t DefaultExtension[] = L"txt";

// Messages of our own (caption ZibCaption). A path follows each headline on
// its own line; the system's reason, where there is one, after a blank line.
constexpr wchar_t CannotReadText[] = L"Datei kann nicht gelesen werden:";
constexpr wchar_t CannotWriteText[] = L"Datei kann nicht gespeichert werden:";
constexpr wchar_t TooLargeText[] = L"Datei ist zu groß für den Editor:";
// Whatever command runs out of memory: it has done nothing.
constexpr wchar_t NotEnoughMemoryText[] =
    L"Nicht genug Arbeitsspeicher f\u00FCr diesen Befehl.\r\nText und Datei bleiben, wie sie sind.";
constexpr wchar_t ZeroBytesHeadline[] = L"Datei unvollständig angezeigt:";
constexpr wchar_t ZeroBytesDetail[] =
    L"Die Datei enthält Nullbytes. Angezeigt wird nur der Text vor dem ersten Nullbyte.\r\n"
    L"Damit die Datei nicht gekürzt überschrieben wird, ist sie schreibgeschützt geöffnet; "
    L"Speichern fragt nach einem neuen Namen.";
