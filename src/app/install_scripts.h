// The two installation scripts, 206 and 207: each is its own head, the
// folder part both share, and its own tail (templates.cpp joins them).
#pragma once

#include <string_view>

// 206 and 207 as they read in a console; DosCoded stores them.
// The part both scripts share, from the mode switch to the application's
// folder; each script has it between its own head and tail.
inline constexpr std::u16string_view ScriptFolders = uR"zib(SET SILENT=
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

inline constexpr std::u16string_view SetupHead = uR"zib(@ECHO OFF
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

inline constexpr std::u16string_view SetupTail = uR"zib(
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

inline constexpr std::u16string_view UninstallHead = uR"zib(@ECHO OFF
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

inline constexpr std::u16string_view UninstallTail = uR"zib(
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
