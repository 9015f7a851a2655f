// UTF-16 on Windows: char16_t and wchar_t hold the same units.
#pragma once

#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wchar_t is a UTF-16 unit");

inline std::wstring ToWide(std::u16string_view s) {
  return std::wstring(reinterpret_cast<const wchar_t*>(s.data()), s.size());
}

inline std::u16string FromWide(std::wstring_view s) {
  return std::u16string(reinterpret_cast<const char16_t*>(s.data()), s.size());
}

inline const wchar_t* AsWide(const char16_t* s) { return reinterpret_cast<const wchar_t*>(s); }
inline const char16_t* AsUtf16(const wchar_t* s) { return reinterpret_cast<const char16_t*>(s); }
