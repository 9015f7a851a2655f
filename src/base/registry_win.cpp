#include "base/registry_win.h"

#include <cstddef>

#include "base/shared.h"

namespace {

constexpr REGSAM KeyAccess = KEY_ALL_ACCESS | KEY_WOW64_32KEY;

const wchar_t* ValueName(const wchar_t* name) { return name && *name ? name : nullptr; }

}  // namespace

DWORD RegReadDword(HKEY root, const wchar_t* key, const wchar_t* value) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(root, key, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) return 0;
  DWORD data = 0;
  DWORD size = sizeof data;
  DWORD type = 0;
  LONG status = RegQueryValueExW(handle, value, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
  RegCloseKey(handle);
  return status == ERROR_SUCCESS ? data : 0;
}

HKEY RegCreateKeyFor(HKEY root, const wchar_t* key) {
  HKEY created = nullptr;
  if (RegCreateKeyExW(root, key, 0, nullptr, REG_OPTION_NON_VOLATILE, KeyAccess, nullptr, &created, nullptr) !=
      ERROR_SUCCESS)
    return nullptr;
  return created;
}

bool RegWriteString(HKEY root, const wchar_t* key, const wchar_t* valueName, const wchar_t* text) {
  HKEY opened = RegCreateKeyFor(root, key);
  if (!opened) return false;
  DWORD bytes = static_cast<DWORD>(RegistryStringBytes(static_cast<std::size_t>(lstrlenW(text))));
  RegSetValueExW(opened, ValueName(valueName), 0, REG_SZ, reinterpret_cast<const BYTE*>(text), bytes);
  RegCloseKey(opened);
  return true;
}

bool RegWriteDword(HKEY root, const wchar_t* key, const wchar_t* valueName, DWORD number) {
  HKEY opened = RegCreateKeyFor(root, key);
  if (!opened) return false;
  RegSetValueExW(opened, ValueName(valueName), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
  RegCloseKey(opened);
  return true;
}

bool RegDeleteKeyFor(HKEY root, const wchar_t* key, bool withSubkeys) {
  if (withSubkeys) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(root, key, 0, KeyAccess, &opened) == ERROR_SUCCESS) {
      RegDeleteTreeW(opened, nullptr);
      RegCloseKey(opened);
    }
  }
  LONG result = RegDeleteKeyExW(root, key, KEY_WOW64_32KEY, 0);
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND || result == ERROR_PATH_NOT_FOUND;
}
