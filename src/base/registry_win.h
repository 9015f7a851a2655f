// Reading and writing the registry, for the installation, the appearance and
// printing. Writes go to the 32-bit view, so a 64-bit build writes and deletes
// the same entries the 32-bit one does.
#pragma once

#include <windows.h>

// A DWORD value, or 0 when the key or value cannot be read.
DWORD RegReadDword(HKEY root, const wchar_t* key, const wchar_t* value);

// The key, created when it is missing (close it with RegCloseKey); nullptr
// when it cannot be created.
HKEY RegCreateKeyFor(HKEY root, const wchar_t* key);

// Write one value (a missing or empty valueName is the key's default value);
// false when the key cannot be created.
bool RegWriteString(HKEY root, const wchar_t* key, const wchar_t* valueName, const wchar_t* text);
bool RegWriteDword(HKEY root, const wchar_t* key, const wchar_t* valueName, DWORD number);

// Deletes the key, with its subkeys and their values when asked. True when
// the key is gone (also when it was not there).
bool RegDeleteKeyFor(HKEY root, const wchar_t* key, bool withSubkeys);
