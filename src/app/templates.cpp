// The template texts and the symbol characters. The longer templates are
// written below as they read, one source line per text line; TemplateText
// turns the line feeds into CR LF, and for the two installation scripts the
// characters into the code points a console with an MS-DOS code page shows
// as those characters.
#include "app/templates.h"

#include <initializer_list>
#include <string_view>

#include "app/commands.h"

namespace {

// 201: a German HTML5 page that greets with today's date and links a search engine.
constexpr std::u16string_view HtmlPage = uR"zib(<!DOCTYPE html>
<html lang="de">
<head>
<meta charset="UTF-8">
<meta name="viewport" content="width=device-width, initial-scale=1.0">
<meta name="description" content="HTML-Vorlage">
<meta name="keywords" content="HTML, Vorlage, Suche">
<meta name="google" content="notranslate">
<meta name="author" content="NAME">
<title>&#X1F50D; DuckDuckGo</title>
<style>
html { scroll-behavior: smooth; }
body { font-family: Arial, Helvetica, sans-serif; }
a { color: #00a; }
a:focus { color: white; background-color: black; }
a:hover { color: white; background-color: #008; }
a:active { color: #0f0; }
img:active { width: 70%; }
.bild {
  height: 320px;
  border: 1px solid #888;
  box-shadow: 4px 4px 8px #888;
}
kbd {
  padding: 0 4px;
  border: 1px solid #888;
  border-radius: 3px;
  background-color: #eee;
  box-shadow: 1px 1px 1px #888;
  font-family: monospace;
}
.ovl { text-decoration: overline; }
/* Bruch: <span class="bruch"><sup>1</sup><sub>2</sub></span> */
.bruch {
  display: inline-flex;
  flex-direction: column;
  vertical-align: middle;
  text-align: center;
}
.bruch sup, .bruch sub {
  font-size: 70%;
  line-height: 1.2;
  vertical-align: baseline;
}
.bruch sup { border-bottom: 1px solid; }
</style>
<script>
document.addEventListener("DOMContentLoaded", function () {
  var heute = new Date();
  var fmt = {
    weekday: "long",
    day: "numeric",
    month: "long",
    year: "numeric"
  };
  document.getElementById("hi").textContent =
    heute.toLocaleDateString(navigator.language, fmt);
});
</script>
</head>
<body>
<h1>&#X1F50D; Suche</h1>
<p id="hi"></p>
<p>Taste <kbd>F3</kbd>, Linie <span class="ovl">A</span>, <span class="bruch"><sup>1</sup><sub>2</sub></span></p>
<p><a href="https://duckduckgo.com/" target="_blank">DuckDuckGo</a></p>
</body>
</html>)zib";

constexpr std::u16string_view InternetShortcut = uR"zib([InternetShortcut]
URL = )zib";

constexpr std::u16string_view RegistryFile = uR"zib(REGEDIT4

[HKEY_CURRENT_USER\Software\7-Zip\FM]
"FolderHistory"=-

[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced]
"HideFileExt"=dword:00000000
"FullPath"=dword:00000001
"FullPathAddress"=dword:00000001
"ShowStatusBar"=dword:00000001
"ShowAttribCol"=dword:00000001

[HKEY_CURRENT_USER\Software\Microsoft\Notepad]
"StatusBar"=dword:00000001)zib";

constexpr std::u16string_view ForDoScript = uR"zib(:: Loop APP through all *.jpg
@echo off
set App=%ProgramW6432%\IrfanView\i_view64.exe
set folder="%USERPROFILE%\Pictures"
for %%f in ("%folder%\*.jpg") do (
  "%App%" "%%f"
)
pause)zib";

constexpr std::u16string_view RecursiveScript = uR"zib(:: Execute recursively _zipme.cmd in all sub-folders
@echo off
for /r %%f in (_zipme.cmd) do if exist "%%f" CALL "%%f"
pause)zib";

// 206 and 207 as they read in a console; DosCoded stores them.
// The part both scripts share, from the mode switch to the application's
// folder; each script has it between its own head and tail.
constexpr std::u16string_view ScriptFolders = uR"zib(SET SILENT=
IF /I "%~1"=="/S" SET SILENT=1
IF /I "%~1"=="ELEVS" SET SILENT=1

CD /D "%~dp0"

:: Konsole: schwarz auf weiß / console: black on white
COLOR F0
SET ECHOLINE=ECHO ─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─═─

:: Ordner für 32 Bit, 64 Bit und ARM / folders for 32-bit, 64-bit and ARM
SET PF=%ProgramFiles%
SET PF64=%ProgramFiles%

SET CPF=%CommonProgramFiles%
SET CPF64=%CommonProgramFiles%

SET REGNODE=/reg:64
SET REGNODE32=/reg:32

SET isARM=0

IF DEFINED ProgramFiles(x86) SET "PF=%ProgramFiles(x86)%"
IF DEFINED CommonProgramFiles(x86) SET "CPF=%CommonProgramFiles(x86)%"
IF DEFINED ProgramW6432 SET "PF64=%ProgramW6432%"
IF DEFINED CommonProgramW6432 SET "CPF64=%CommonProgramW6432%"

IF /I "%PROCESSOR_ARCHITECTURE%"=="ARM64" SET isARM=1
IF /I "%PROCESSOR_ARCHITEW6432%"=="ARM64" SET isARM=1

SET "StartMenuPrograms=%ProgramData%\Microsoft\Windows\Start Menu\Programs"

:: === ANPASSEN / ADAPT ===================================================
SET NAME=Application
SET COMPANY=ANPASSEN
SET PRODUCT=%NAME%
SET "AppFolder=%PF64%\%COMPANY%\%PRODUCT%"
)zib";

constexpr std::u16string_view SetupHead = uR"zib(@ECHO OFF
SETLOCAL
:: +------------------------------------------------------------+
:: :  _Setup_XXX.cmd                                            :
:: :  Vorlage/template: Zib-Projekt, 2026                       :
:: :  Installation für beliebige Anwendungen                    :
:: +------------------------------------------------------------+
:: Aufruf / usage:
::   _Setup_XXX.cmd      mit Fragen / interactive
::   _Setup_XXX.cmd /S   ohne Fragen / silent
:: Neben dieser Datei liegen / next to this file:
::   Installer-x64.exe, Installer-arm64.exe, Installer-x86.exe
::   oder/or *.exe, *.dll und/and _UnInstall_APPNAME.cmd
::   und/and CreateLink.exe (optional)

:: Administratorrechte? Sonst mit Administratorrechten neu starten.
:: Administrator rights? Otherwise restart elevated.
NET FILE 1>NUL 2>NUL
IF NOT ERRORLEVEL 1 GOTO Admin
IF /I "%~1"=="ELEV" GOTO NoAdmin
IF /I "%~1"=="ELEVS" GOTO NoAdmin

SET P=ELEV
IF /I "%~1"=="/S" SET P=ELEVS
powershell -NoProfile -ExecutionPolicy Bypass -Command "Start-Process '%~dpnx0' %P% -Verb runas"
EXIT /B

:NoAdmin
ECHO Ohne Administratorrechte keine Installation.
ECHO No installation without administrator rights.
PAUSE
EXIT /B 1

:Admin
)zib";

constexpr std::u16string_view SetupTail = uR"zib(
:: Installationsprogramm und Parameter (z. B. /S, /SILENT, /VERYSILENT, /qn)
:: Installer and its parameters (e.g. /S, /SILENT, /VERYSILENT, /qn)

SET INSTALLER=Installer-x64.exe
IF "%isARM%"=="1" SET INSTALLER=Installer-arm64.exe

SET INSTALLER32=Installer-x86.exe
SET PARA=/SILENT

:: Version für "Apps und Features" / version for "Apps and features"
SET VERSION=1.0
:: =========================================================================

TITLE %NAME% (Installation)
CLS
%ECHOLINE%
ECHO    %NAME% (Installation)
%ECHOLINE%
ECHO.

IF DEFINED SILENT GOTO Begin
ECHO Beliebige Taste, um zu beginnen (CTRL+C = Abbruch) . . .
PAUSE >NUL
:Begin

:: Werkzeuge: taskkill und 7-Zip / tools: taskkill and 7-Zip

SET "TASKKILL=%SystemRoot%\System32\taskkill.exe"
SET "ZIP=%PF64%\7-Zip\7z.exe"
IF NOT EXIST "%ZIP%" SET "ZIP=%PF%\7-Zip\7z.exe"
IF NOT EXIST "%ZIP%" SET ZIP=

:: Laufende Anwendung beenden / end the running application
ECHO Beende/closing %NAME% . . .
"%TASKKILL%" /F /IM "%NAME%.exe" 1>NUL 2>NUL

:: --- Kopierende Installation / copying installation ---------------------
ECHO Kopiere/copying . . .
IF NOT EXIST "%AppFolder%" MD "%AppFolder%"
IF EXIST "_UnInstall_APPNAME.cmd" XCOPY "_UnInstall_APPNAME.cmd" "%AppFolder%\" /Y /Q >NUL
IF EXIST "*.exe" XCOPY "*.exe" "%AppFolder%\" /Y /Q >NUL
IF EXIST "*.dll" XCOPY "*.dll" "%AppFolder%\" /Y /Q >NUL

:: Unterordner mitkopieren / copy sub-folders too:
:: XCOPY "Daten\*" "%AppFolder%\Daten\" /E /I /Y /Q >NUL

:: --- Installationsprogramm / installer ----------------------------------

IF NOT DEFINED ProgramW6432 GOTO Inst32
:: 64 Bit (oder ARM64) / 64-bit (or ARM64)
IF EXIST "%INSTALLER%" (
  ECHO %INSTALLER% %PARA% . . .
  START /W "" "%INSTALLER%" %PARA%
  IF ERRORLEVEL 1 (
    ECHO Fehler/error %ERRORLEVEL%
    IF NOT DEFINED SILENT PAUSE
  )
)

:: MSI-Paket / MSI package:
:: START /W msiexec.exe /i "Installer-x64.msi" /qn /norestart

:: Archiv entpacken / unpack an archive:
:: IF DEFINED ZIP "%ZIP%" x "Archiv-x64.7z" -o"%AppFolder%" -y >NUL
GOTO Links

:Inst32
:: 32 Bit (x86) / 32-bit x86
IF EXIST "%INSTALLER32%" (
  ECHO %INSTALLER32% %PARA% . . .
  START /W "" "%INSTALLER32%" %PARA%
  IF ERRORLEVEL 1 (
    ECHO Fehler/error %ERRORLEVEL%
    IF NOT DEFINED SILENT PAUSE
  )
)

:: MSI-Paket / MSI package:
:: START /W msiexec.exe /i "Installer-x86.msi" /qn /norestart

:: Archiv entpacken / unpack an archive:
:: IF DEFINED ZIP "%ZIP%" x "Archiv-x86.7z" -o"%AppFolder%" -y >NUL

:Links
:: --- Verknüpfung im Startmenü / Start-menu shortcut ---------------------
:: Codepage 1252, damit Umlaute in Pfaden stimmen / so that paths keep their umlauts
ECHO Verknüpfung/shortcut . . .

CHCP 1252 >NUL
SET "LinkFolder=%StartMenuPrograms%\%COMPANY%\%PRODUCT%"
IF NOT EXIST "%LinkFolder%" MD "%LinkFolder%"

IF EXIST "%~dp0CreateLink.exe" (
  "%~dp0CreateLink.exe" "%LinkFolder%\%NAME%.lnk" "%AppFolder%\%NAME%.exe"
) ELSE (
  CALL :CreateLink "%LinkFolder%\%NAME%.lnk" "%AppFolder%\%NAME%.exe"
)

:: Verknüpfung zur Deinstallation / shortcut to the removal:
:: CALL :CreateLink "%LinkFolder%\%NAME% entfernen.lnk" "%AppFolder%\_UnInstall_APPNAME.cmd"

CHCP 850 >NUL

:: --- Registrierung / registration ---------------------------------------

:: Eintrag in "Apps und Features" / entry in "Apps and features":
:: SET "UKEY=HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\%PRODUCT%"
:: REG ADD "%UKEY%" /v Publisher /d "HERAUSGEBER" /f %REGNODE%
:: REG ADD "%UKEY%" /v DisplayName /d "%NAME%" /f %REGNODE%
:: REG ADD "%UKEY%" /v DisplayIcon /d "%AppFolder%\%NAME%.exe" /f %REGNODE%
:: REG ADD "%UKEY%" /v UninstallString /d "\"%AppFolder%\_UnInstall_APPNAME.cmd\"" /f %REGNODE%
:: REG ADD "%UKEY%" /v QuietUninstallString /d "\"%AppFolder%\_UnInstall_APPNAME.cmd\" /S" /f %REGNODE%
:: REG ADD "%UKEY%" /v DisplayVersion /d "%VERSION%" /f %REGNODE%
:: REG ADD "%UKEY%" /v InstallDate /d "%DATE:~-4%%DATE:~3,2%%DATE:~0,2%" /f %REGNODE%
:: REG ADD "%UKEY%" /v NoModify /t REG_DWORD /d 1 /f %REGNODE%
:: REG ADD "%UKEY%" /v NoRepair /t REG_DWORD /d 1 /f %REGNODE%
:: REG ADD "%UKEY%" /v EstimatedSize /t REG_DWORD /d 1024 /f %REGNODE%
:: REG ADD "%UKEY%" /v URLInfoAbout /d "https://www.example.com/" /f %REGNODE%

:: Dateityp / file type:
:: REG ADD "HKLM\SOFTWARE\Classes\.xyz" /ve /d "%PRODUCT%.Datei" /f %REGNODE%
:: REG ADD "HKLM\SOFTWARE\Classes\%PRODUCT%.Datei" /ve /d "%NAME%-Datei" /f %REGNODE%
:: REG ADD "HKLM\SOFTWARE\Classes\%PRODUCT%.Datei\DefaultIcon" /ve /d "%AppFolder%\%NAME%.exe,0" /f %REGNODE%
:: REG ADD "HKLM\SOFTWARE\Classes\%PRODUCT%.Datei\shell\open\command" /ve /d "\"%AppFolder%\%NAME%.exe\" \"%%1\"" /f %REGNODE%

:: App Paths (Start mit Windows+R / start with Windows+R):
:: REG ADD "HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\%NAME%.exe" /ve /d "%AppFolder%\%NAME%.exe" /f %REGNODE%
:: REG ADD "HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\%NAME%.exe" /v Path /d "%AppFolder%" /f %REGNODE%

:: Liste "Open with" / "Open with" list:
:: REG ADD "HKLM\SOFTWARE\Classes\Applications\%NAME%.exe\SupportedTypes" /v .txt /d "" /f %REGNODE%
:: REG ADD "HKLM\SOFTWARE\Classes\.txt\OpenWithList\%NAME%.exe" /f %REGNODE%

:: 32-Bit-Zweig der Registrierung / 32-bit view of the registry: %REGNODE32%

:: --- Fertig / done ------------------------------------------------------

IF DEFINED SILENT EXIT /B 0
ECHO.
%ECHOLINE%
ECHO    %NAME% wurde installiert.
%ECHOLINE%
ECHO.

:: Meldung als Fenster / message as a window:
:: CALL :MsgBox "%NAME% wurde installiert." "%NAME% (Installation)"

ECHO Dieses Fenster schließt sich
ECHO automatisch in 3 Sekunden . . .

ping -n 3 localhost >NUL
EXIT /B 0

:: --- Unterprogramme / subroutines ---------------------------------------

:CreateLink
:: Verknüpfung anlegen / create a shortcut
:: %1 = Verknüpfung (.lnk) / shortcut, %2 = Ziel / target
powershell -NoProfile -ExecutionPolicy Bypass -Command "$s=(New-Object -ComObject WScript.Shell).CreateShortcut('%~1'); $s.TargetPath='%~2'; $s.WorkingDirectory='%~dp2'; $s.Save()"
EXIT /B

:MsgBox
:: Meldungsfenster / message box
:: %1 = Text, %2 = Titel / caption

SET "MsgPs=%TEMP%\_MsgBox_%RANDOM%.ps1"
ECHO Add-Type -Namespace Win -Name User -MemberDefinition '[DllImport("user32.dll", CharSet = CharSet.Unicode)] public static extern int MessageBox(IntPtr w, string t, string c, int f);' > "%MsgPs%"
ECHO [void][Win.User]::MessageBox([IntPtr]::Zero, $args[0], $args[1], 0x40) >> "%MsgPs%"

powershell -NoProfile -ExecutionPolicy Bypass -File "%MsgPs%" "%~1" "%~2"
DEL "%MsgPs%" 1>NUL 2>NUL
EXIT /B)zib";

constexpr std::u16string_view UninstallHead = uR"zib(@ECHO OFF
SETLOCAL
:: +------------------------------------------------------------+
:: :  _UnInstall_XXX.cmd                                        :
:: :  Vorlage/template: Zib-Projekt, 2026                       :
:: :  DeInstallation für beliebige Anwendungen                  :
:: +------------------------------------------------------------+

:: Aufruf / usage:
::   _UnInstall_XXX.cmd      mit Fragen / interactive
::   _UnInstall_XXX.cmd /S   ohne Fragen / silent

:: Administratorrechte? Sonst mit Administratorrechten neu starten.
:: Administrator rights? Otherwise restart elevated.
NET FILE 1>NUL 2>NUL
IF NOT ERRORLEVEL 1 GOTO Admin
IF /I "%~1"=="ELEV" GOTO NoAdmin
IF /I "%~1"=="ELEVS" GOTO NoAdmin

SET P=ELEV
IF /I "%~1"=="/S" SET P=ELEVS
powershell -NoProfile -ExecutionPolicy Bypass -Command "Start-Process '%~dpnx0' %P% -Verb runas"
EXIT /B

:NoAdmin
ECHO Ohne Administratorrechte keine Deinstallation.
ECHO No removal without administrator rights.
PAUSE
EXIT /B 1

:Admin

)zib";

constexpr std::u16string_view UninstallTail = uR"zib(
:: Deinstallationsprogramm und Parameter (z. B. /S, /SILENT, /qn)
:: Uninstaller and its parameters (e.g. /S, /SILENT, /qn)
SET UNINST=Uninstall.exe
SET PARAMS=/SILENT

:: MSI: Produktcode statt Programm / product code, not a program
:: SET MSICODE={00000000-0000-0000-0000-000000000000}
:: =========================================================================

TITLE %NAME% (Deinstallation)
CLS
%ECHOLINE%
ECHO    %NAME% (Deinstallation)
%ECHOLINE%
ECHO.

IF DEFINED SILENT GOTO Begin
ECHO Beliebige Taste, um zu beginnen (CTRL+C = Abbruch) . . .
PAUSE >NUL
:Begin

:: Laufende Anwendung beenden / end the running application
ECHO Beende/closing %NAME% . . .
taskkill /F /IM "%NAME%.exe" 1>NUL 2>NUL

:: --- Eintrag in "Apps und Features" / uninstall entry ---
:: REG DELETE "HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\%PRODUCT%" /f %REGNODE%

:: REG DELETE "HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\%NAME%.exe" /f %REGNODE%

:: --- Startmenü / Start menu ---
IF EXIST "%StartMenuPrograms%\%COMPANY%\%PRODUCT%" RD /S /Q "%StartMenuPrograms%\%COMPANY%\%PRODUCT%"
RD "%StartMenuPrograms%\%COMPANY%" 1>NUL 2>NUL

:: --- Deinstallation / removal ---

:: MSI-Paket / MSI package:
:: START /W msiexec.exe /x %MSICODE% /qn /norestart
:: GOTO Done

IF NOT DEFINED ProgramW6432 GOTO Uninst32
:: 64 Bit (oder ARM64) / 64-bit (or ARM64)
:: IF EXIST "%PF64%\%COMPANY%\%PRODUCT%\%UNINST%" (
::   START /W "" "%PF64%\%COMPANY%\%PRODUCT%\%UNINST%" %PARAMS%
:: )
GOTO Done

:Uninst32
:: 32 Bit (x86) / 32-bit x86
:: IF EXIST "%PF%\%COMPANY%\%PRODUCT%\%UNINST%" (
::   START /W "" "%PF%\%COMPANY%\%PRODUCT%\%UNINST%" %PARAMS%
:: )

:Done

CD /D "%TEMP%"
IF DEFINED SILENT GOTO Remove

ECHO.
%ECHOLINE%
ECHO    %NAME% wurde deinstalliert.
%ECHOLINE%
ECHO.

ECHO Dieses Fenster schließt sich
ECHO automatisch in 3 Sekunden . . .
ping -n 3 localhost >NUL

:Remove
:: Programmordner zuletzt, diese Datei liegt darin
:: program folder last, this file lies in it
IF EXIST "%AppFolder%" RD /S /Q "%AppFolder%" & EXIT /B 0
EXIT /B 0)zib";

// One installation script: its head, the shared folder part, its tail.
std::u16string Script(std::u16string_view head, std::u16string_view tail) {
  std::u16string out(head);
  out += ScriptFolders;
  out += tail;
  return out;
}

// The source with each line feed as CR LF.
std::u16string WithCrLf(std::u16string_view source) {
  std::u16string out;
  out.reserve(source.size() + source.size() / 16);
  for (char16_t c : source) {
    if (c == u'\n') out += u'\r';
    out += c;
  }
  return out;
}

// The script with CR LF and with each of its non-ASCII characters as the code
// point equal to its byte in the MS-DOS code pages (ü 0x81, ä 0x84, ß 0xE1,
// ─ 0xC4, ═ 0xCD), so that the script saved as ANSI reads right in a console.
std::u16string DosCoded(std::u16string_view source) {
  std::u16string out = WithCrLf(source);
  for (char16_t& c : out) {
    switch (c) {
      case u'ü': c = u'\u0081'; break;
      case u'ä': c = u'\u0084'; break;
      case u'ß': c = u'\u00E1'; break;
      case u'─': c = u'\u00C4'; break;
      case u'═': c = u'\u00CD'; break;
      default: break;
    }
  }
  return out;
}

// Appends one frame line and CR LF: the left corner, each column of `fill`
// with `join` between the columns, the right corner.
void FrameLine(std::u16string& out, char16_t left, char16_t fill, char16_t join, char16_t right,
               std::initializer_list<int> widths) {
  out += left;
  bool first = true;
  for (int width : widths) {
    if (!first) out += join;
    first = false;
    out.append(static_cast<std::size_t>(width), fill);
  }
  out += right;
  out += u"\r\n";
}

std::u16string BoxHeader() {
  std::u16string out;
  FrameLine(out, u'┌', u'─', u'┬', u'┐', {8, 60, 8});
  FrameLine(out, u'│', u' ', u'│', u'│', {8, 60, 8});
  FrameLine(out, u'└', u'─', u'┴', u'┘', {8, 60, 8});
  return out;
}

std::u16string BoxTable() {
  const std::initializer_list<int> Columns = {6, 8, 8, 8, 8, 8, 8, 8, 8};
  std::u16string out;
  FrameLine(out, u'╔', u'═', u'╤', u'╗', Columns);
  FrameLine(out, u'║', u' ', u'│', u'║', Columns);
  FrameLine(out, u'╟', u'─', u'┼', u'╢', Columns);
  FrameLine(out, u'║', u' ', u'│', u'║', Columns);
  FrameLine(out, u'╚', u'═', u'╧', u'╝', Columns);
  return out;
}

// Six strings and five frets.
std::u16string ChordGrid() {
  std::u16string out;
  FrameLine(out, u'╒', u'═', u'╤', u'╕', {0, 0, 0, 0, 0});
  for (int fret = 0; fret < 5; ++fret) FrameLine(out, u'├', u'─', u'┼', u'┤', {0, 0, 0, 0, 0});
  return out;
}

std::u16string LargeChordGrid() {
  std::u16string out;
  FrameLine(out, u'╒', u'═', u'╤', u'╕', {1, 1, 1, 1, 1});
  for (int fret = 0; fret < 5; ++fret) {
    FrameLine(out, u'│', u' ', u'│', u'│', {1, 1, 1, 1, 1});
    FrameLine(out, u'├', u'─', u'┼', u'┤', {1, 1, 1, 1, 1});
  }
  return out;
}

}  // namespace

std::u16string TemplateText(unsigned short command) {
  switch (command) {
    case CmdTemplateHtml: return WithCrLf(HtmlPage);
    case CmdTemplateUrl: return WithCrLf(InternetShortcut);
    case CmdTemplateReg: return WithCrLf(RegistryFile);
    case CmdTemplateForDo: return WithCrLf(ForDoScript);
    case CmdTemplateForRecursive: return WithCrLf(RecursiveScript);
    case CmdTemplateSetup: return DosCoded(Script(SetupHead, SetupTail));
    case CmdTemplateUninstall: return DosCoded(Script(UninstallHead, UninstallTail));
    case CmdTemplateBoxHeader: return BoxHeader();
    case CmdTemplateBoxTable: return BoxTable();
    case CmdTemplateChord: return ChordGrid();
    case CmdTemplateChordLarge: return LargeChordGrid();
    default: return std::u16string();
  }
}

char16_t SymbolCharacter(unsigned short command) {
  switch (command) {
    case CmdSymbolMultiplyDot: return u'\u00B7';
    case CmdSymbolBlackCircle: return u'\u25CF';
    case CmdSymbolDivision: return u'\u00F7';
    case CmdSymbolColon: return u'\u0589';
    case CmdSymbolQuestion: return u'\uFF1F';
    case CmdSymbolSlash: return u'\u29F8';
    case CmdSymbolBackslash: return u'\u29F9';
    case CmdSymbolGuillemetOpen: return u'\u00AB';
    case CmdSymbolGuillemetClose: return u'\u00BB';
    case CmdSymbolNoBreakSpace: return u'\u00A0';
    case CmdSymbolNarrowSpace: return u'\u202F';
    default: return 0;
  }
}
