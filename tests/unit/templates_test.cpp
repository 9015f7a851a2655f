#include "app/templates.h"

#include <algorithm>

#include "base/commands.h"
#include "test_support.h"

namespace {

std::u16string Repeat(std::u16string_view piece, int times) {
  std::u16string out;
  for (int k = 0; k < times; ++k) out += piece;
  return out;
}

std::size_t Count(std::u16string_view text, std::u16string_view piece) {
  std::size_t n = 0;
  for (std::size_t at = text.find(piece); at != std::u16string_view::npos; at = text.find(piece, at + 1)) ++n;
  return n;
}

// True when the pieces occur in the text in this order.
bool InOrder(std::u16string_view text, std::initializer_list<std::u16string_view> pieces) {
  std::size_t at = 0;
  for (std::u16string_view piece : pieces) {
    at = text.find(piece, at);
    if (at == std::u16string_view::npos) {
      MESSAGE("missing or out of order: ", std::u16string(piece));
      return false;
    }
    at += piece.size();
  }
  return true;
}

}  // namespace

TEST_CASE("every template has its size and line count, with CR LF breaks only") {
  struct TRow {
    unsigned short Id;
    std::size_t Size;
    std::size_t Lines;
    bool EndsWithBreak;
  };
  const TRow rows[] = {
      {CmdTemplateHtml, 1847, 67, false},        {CmdTemplateUrl, 26, 2, false},
      {CmdTemplateReg, 384, 14, false},          {CmdTemplateForDo, 187, 8, false},
      {CmdTemplateForRecursive, 127, 4, false},  {CmdTemplateSetup, 9052, 244, false},
      {CmdTemplateUninstall, 4280, 143, false},  {CmdTemplateBoxHeader, 246, 3, true},
      {CmdTemplateBoxTable, 410, 5, true},       {CmdTemplateChord, 48, 6, true},
      {CmdTemplateChordLarge, 143, 11, true},
  };
  for (const TRow& row : rows) {
    CAPTURE(row.Id);
    std::u16string text = TemplateText(row.Id);
    std::size_t breaks = Count(text, u"\r\n");
    CHECK(text.size() == row.Size);
    CHECK(std::count(text.begin(), text.end(), u'\r') == static_cast<long>(breaks));
    CHECK(std::count(text.begin(), text.end(), u'\n') == static_cast<long>(breaks));
    CHECK(breaks == (row.EndsWithBreak ? row.Lines : row.Lines - 1));
    CHECK((text.size() >= 2 && text.substr(text.size() - 2) == u"\r\n") == row.EndsWithBreak);
  }
  CHECK(TemplateText(200).empty());
  CHECK(TemplateText(CmdListingAnsi).empty());
}

TEST_CASE("the shortcut, registry and command-script templates read exactly") {
  CHECK(TemplateText(CmdTemplateUrl) == u"[InternetShortcut]\r\nURL = ");
  CHECK(TemplateText(CmdTemplateReg) ==
        u"REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\7-Zip\\FM]\r\n\"FolderHistory\"=-\r\n\r\n"
        u"[HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced]\r\n"
        u"\"HideFileExt\"=dword:00000000\r\n\"FullPath\"=dword:00000001\r\n\"FullPathAddress\"=dword:00000001\r\n"
        u"\"ShowStatusBar\"=dword:00000001\r\n\"ShowAttribCol\"=dword:00000001\r\n\r\n"
        u"[HKEY_CURRENT_USER\\Software\\Microsoft\\Notepad]\r\n\"StatusBar\"=dword:00000001");
  CHECK(TemplateText(CmdTemplateForDo) ==
        u":: Loop APP through all *.jpg\r\n@echo off\r\nset App=%ProgramW6432%\\IrfanView\\i_view64.exe\r\n"
        u"set folder=\"%USERPROFILE%\\Pictures\"\r\nfor %%f in (\"%folder%\\*.jpg\") do (\r\n"
        u"  \"%App%\" \"%%f\"\r\n)\r\npause");
  CHECK(TemplateText(CmdTemplateForRecursive) ==
        u":: Execute recursively _zipme.cmd in all sub-folders\r\n@echo off\r\n"
        u"for /r %%f in (_zipme.cmd) do if exist \"%%f\" CALL \"%%f\"\r\npause");
}

TEST_CASE("the web page: German HTML5 head, style, date script, search body") {
  std::u16string page = TemplateText(CmdTemplateHtml);
  CHECK(page.starts_with(u"<!DOCTYPE html>\r\n<html lang=\"de\">\r\n<head>\r\n"));
  CHECK(page.ends_with(u"</html>"));
  CHECK(InOrder(page, {u"charset=\"UTF-8\"", u"width=device-width, initial-scale=1.0", u"content=\"HTML-Vorlage\"",
                       u"notranslate", u"content=\"NAME\"", u"<title>&#X1F50D; ", u"<style>", u"scroll-behavior: smooth",
                       u"sans-serif", u"#00a", u"#008", u"#0f0", u"70%", u".bild", u"320px", u"kbd", u".ovl", u".bruch",
                       u"</style>", u"<script>", u"getElementById(\"hi\")", u"</script>", u"<body>",
                       u"&#X1F50D; Suche", u"<p id=\"hi\"></p>", u"target=\"_blank\"", u"</body>"}));
}

TEST_CASE("the installation scripts: sections in order, console code points only") {
  const std::u16string rule = Repeat(u"\u00C4\u00CD", 38) + u"\u00C4";
  std::u16string setup = TemplateText(CmdTemplateSetup);
  std::u16string uninstall = TemplateText(CmdTemplateUninstall);
  for (const std::u16string& script : {setup, uninstall}) {
    for (char16_t c : script) {
      if (c >= 0x80) CHECK((c == 0x81 || c == 0x84 || c == 0xE1 || c == 0xC4 || c == 0xCD));
    }
    CHECK(script.starts_with(u"@ECHO OFF\r\n"));
    CHECK(Count(script, u"SET ECHOLINE=ECHO " + rule + u"\r\n") == 1);
    CHECK(Count(script, u"\u00C4") == 39);
    CHECK(Count(script, u"\u00CD") == 38);
    CHECK(Count(script, u"ECHO Dieses Fenster schlie\u00E1t sich\r\nECHO automatisch in 3 Sekunden . . .\r\n") == 1);
  }
  CHECK(InOrder(setup, {u"_Setup_XXX.cmd", u"Installation f\u0081r beliebige Anwendungen", u"NET FILE 1>NUL 2>NUL",
                        u"ELEVS", u"Start-Process '%~dpnx0' %P% -Verb runas", u"COLOR F0", u"SET ECHOLINE=",
                        u"REGNODE=/reg:64", u"REGNODE32=/reg:32", u"isARM", u"SET NAME=Application", u"COMPANY",
                        u"PRODUCT", u"AppFolder", u"Installer-x64.exe", u"Installer-arm64.exe", u"PARA=/SILENT",
                        u"%NAME% (Installation)", u"Beliebige Taste, um zu beginnen (CTRL+C = Abbruch) . . .",
                        u"taskkill", u"7-Zip", u"XCOPY \"_UnInstall_APPNAME.cmd\"", u"XCOPY \"*.exe\"",
                        u"XCOPY \"*.dll\"", u"START /W", u"msiexec", u"CHCP 1252", u"CreateLink.exe", u"CHCP 850",
                        u":: REG ADD", u"NoModify", u"NoRepair", u"EstimatedSize", u"App Paths", u"OpenWithList",
                        u"%NAME% wurde installiert.", u"ping -n 3 localhost", u":CreateLink", u"WScript.Shell",
                        u":MsgBox", u"MessageBox"}));
  CHECK(InOrder(uninstall, {u"_UnInstall_XXX.cmd", u"DeInstallation f\u0081r beliebige Anwendungen",
                            u"NET FILE 1>NUL 2>NUL", u"-Verb runas", u"COLOR F0", u"isARM", u"SET NAME=Application",
                            u"SET COMPANY=ANPASSEN", u"SET UNINST=Uninstall.exe", u"SET PARAMS=/SILENT", u":: SET MSI",
                            u"%NAME% (Deinstallation)", u":: REG DELETE", u"%StartMenuPrograms%\\%COMPANY%\\%PRODUCT%",
                            u"msiexec", u"%NAME% wurde deinstalliert.", u"ping -n 3 localhost"}));
}

TEST_CASE("the frames and chord grids line up") {
  const std::u16string h8 = Repeat(u"─", 8);
  CHECK(TemplateText(CmdTemplateBoxHeader) ==
        u"┌" + h8 + u"┬" + Repeat(u"─", 60) + u"┬" + h8 + u"┐\r\n" +
        u"│" + Repeat(u" ", 8) + u"│" + Repeat(u" ", 60) + u"│" + Repeat(u" ", 8) + u"│\r\n" +
        u"└" + h8 + u"┴" + Repeat(u"─", 60) + u"┴" + h8 + u"┘\r\n");
  const std::u16string top = u"╔══════" + Repeat(u"╤════════", 8) + u"╗\r\n";
  const std::u16string row = u"║      " + Repeat(u"│        ", 8) + u"║\r\n";
  const std::u16string rule = u"╟──────" + Repeat(u"┼────────", 8) + u"╢\r\n";
  const std::u16string bottom = u"╚══════" + Repeat(u"╧════════", 8) + u"╝\r\n";
  CHECK(TemplateText(CmdTemplateBoxTable) == top + row + rule + row + bottom);
  CHECK(TemplateText(CmdTemplateChord) == u"╒╤╤╤╤╕\r\n" + Repeat(u"├┼┼┼┼┤\r\n", 5));
  CHECK(TemplateText(CmdTemplateChordLarge) ==
        u"╒═╤═╤═╤═╤═╕\r\n" + Repeat(u"│ │ │ │ │ │\r\n├─┼─┼─┼─┼─┤\r\n", 5));
}

TEST_CASE("each symbol command has its one character") {
  const std::pair<unsigned short, char16_t> rows[] = {
      {CmdSymbolMultiplyDot, u'\u00B7'},    {CmdSymbolBlackCircle, u'\u25CF'},    {CmdSymbolDivision, u'\u00F7'},
      {CmdSymbolColon, u'\u0589'},          {CmdSymbolQuestion, u'\uFF1F'},       {CmdSymbolSlash, u'\u29F8'},
      {CmdSymbolBackslash, u'\u29F9'},      {CmdSymbolGuillemetOpen, u'\u00AB'},  {CmdSymbolGuillemetClose, u'\u00BB'},
      {CmdSymbolNoBreakSpace, u'\u00A0'},   {CmdSymbolNarrowSpace, u'\u202F'},
  };
  for (const auto& row : rows) {
    CAPTURE(row.first);
    CHECK(SymbolCharacter(row.first) == row.second);
  }
  CHECK(SymbolCharacter(300) == 0);
  CHECK(SymbolCharacter(CmdCharTableDos) == 0);
}
