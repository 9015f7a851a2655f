// Self-installation for all users and its removal; both runs end the process.
#pragma once

#include <windows.h>

// The installation run; returns the process's exit code: 0 installed or
// declined, 1 when the program could not be copied (the run is then restarted
// elevated, unless it already runs elevated).
int InstallProgram(bool silent);
// The removal run; returns 3 when the removal was started, 2 when declined.
int RemoveProgram();

// Write one value in the 32-bit view (a missing or empty valueName is the
// key's default value); false when the key cannot be created.
bool RegWriteString(HKEY root, const wchar_t* key, const wchar_t* valueName, const wchar_t* text);
bool RegWriteDword(HKEY root, const wchar_t* key, const wchar_t* valueName, DWORD number);

// Today's date as yyyy-MM-dd (local time).
void FormatShortDate(wchar_t* buffer, int size);

// Saves a shell link at linkPath; false when the shell-link object cannot be made.
bool CreateShellLink(const wchar_t* target, const wchar_t* arguments, const wchar_t* workingFolder,
                     int showCommand, int iconIndex, const wchar_t* iconPath, const wchar_t* description,
                     const wchar_t* linkPath);
