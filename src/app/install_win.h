// Self-installation for all users and its removal; both runs end the process.
#pragma once

#include <windows.h>

// The installation run; returns the process's exit code: 0 installed or
// declined, 1 when the program could not be copied (the run is then restarted
// elevated, unless it already runs elevated).
int InstallProgram(bool silent);
// The removal run; returns 3 when the removal was started, 2 when declined.
int RemoveProgram();

// Saves a shell link at linkPath; false when the shell-link object cannot be made.
bool CreateShellLink(const wchar_t* target, const wchar_t* arguments, const wchar_t* workingFolder,
                     int showCommand, int iconIndex, const wchar_t* iconPath, const wchar_t* description,
                     const wchar_t* linkPath);
