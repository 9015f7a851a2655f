// Shared routines of the start-up, the installation and several commands.
#pragma once

#include <windows.h>

#include <string>

// Argument `index` of the process command line (0 is the program itself), or
// the empty text when there is no such argument or the line cannot be split.
std::wstring CommandLineArg(int index);

// Takes the program's own folder and the current folder out of the DLL
// search: from now on DLLs loaded by name come from the system folder only,
// so a DLL planted beside a downloaded Zib-Setup.exe is never loaded. The
// first thing the program does.
void RestrictDllSearch();

// The full path of the running program file (GetModuleFileNameW), never a
// name as typed on a command line; empty when it cannot be had.
std::wstring ProgramFilePath();

// The full path of a program in the system folder ("cmd.exe"), so that no
// program is ever started by a bare name found through a search.
std::wstring SystemProgramPath(const wchar_t* name);

// The path with its environment variables expanded, at any length; the path
// as it is when the expansion fails.
std::wstring ExpandedPath(const wchar_t* path);

// The full form of a path (GetFullPathNameW at any length); the path as it
// is when that fails.
std::wstring FullPath(const wchar_t* path);

// The path as the file functions take it at any length: from LongPathFrom
// units on its full "\\?\" form, a shorter one as it is.
std::wstring FileApiPath(const wchar_t* path);

// True when the (environment-expanded) path names a file or a folder.
bool FileExists(const wchar_t* path);

// Today's date as yyyy-MM-dd (local time), for the installation and the
// printed footer.
void FormatShortDate(wchar_t* buffer, int size);

// A piece of work that may take a while on a large document: BeginWork shows
// the wait cursor (once, however often it is called), EndWork puts back the
// cursor from before. The main window ends the work after every command and
// drop, so the commands only begin it.
void BeginWork();
void EndWork();

// True when the program runs under Wine rather than Windows: for the few
// places where Wine's own controls need to be driven another way.
bool RunningOnWine();

// Asks the first running editor window to close, then pauses 300 ms.
void CloseRunningInstance();

// A message box with the program icon and a short beep; returns the button pressed.
int ShowIconMessage(HWND owner, const wchar_t* text, const wchar_t* caption, UINT style,
                    const wchar_t* iconName);
