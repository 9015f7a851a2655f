// The product's text services, straight from the Win32 functions.
#include "platform/text.h"

#include <windows.h>

#include <climits>

#include "platform/memory.h"

namespace {

const wchar_t* W(const char16_t* s) { return reinterpret_cast<const wchar_t*>(s); }
wchar_t* W(char16_t* s) { return reinterpret_cast<wchar_t*>(s); }

}  // namespace

unsigned AnsiCodePage() { return GetACP(); }

bool DecodeBytes(unsigned codePage, const char* bytes, std::size_t count, bool strict,
                 std::u16string& out) {
  out.clear();
  if (count == 0) return true;
  if (count > INT_MAX) return false;
  DWORD flags = strict ? MB_ERR_INVALID_CHARS : 0;
  int n = MultiByteToWideChar(codePage, flags, bytes, static_cast<int>(count), nullptr, 0);
  if (n <= 0) return false;
  if (!TryResize(out, static_cast<std::size_t>(n))) return false;
  int done = MultiByteToWideChar(codePage, flags, bytes, static_cast<int>(count), W(out.data()), n);
  if (done != n) {
    out.clear();
    return false;
  }
  return true;
}

bool EncodeText(unsigned codePage, std::u16string_view text, bool exactOnly, std::string& out,
                bool* usedDefault) {
  out.clear();
  if (usedDefault) *usedDefault = false;
  if (text.empty()) return true;
  if (text.size() > INT_MAX) return false;
  // UTF-8 accepts neither flags nor a default character.
  bool utf = codePage == CP_UTF8 || codePage == CP_UTF7;
  DWORD flags = (exactOnly && !utf) ? WC_NO_BEST_FIT_CHARS : 0;
  const char* fallback = (exactOnly && !utf) ? "?" : nullptr;
  BOOL used = FALSE;
  BOOL* usedPtr = (usedDefault && !utf) ? &used : nullptr;
  int len = static_cast<int>(text.size());
  int n = WideCharToMultiByte(codePage, flags, W(text.data()), len, nullptr, 0, fallback, usedPtr);
  if (n <= 0) return false;
  if (!TryResize(out, static_cast<std::size_t>(n))) return false;
  int done = WideCharToMultiByte(codePage, flags, W(text.data()), len, out.data(), n, fallback,
                                 usedPtr);
  if (done != n) {
    out.clear();
    return false;
  }
  if (usedDefault) *usedDefault = used != FALSE;
  return true;
}

bool IsAlphaOrDigit(char16_t c) {
  WORD type = 0;
  wchar_t w = static_cast<wchar_t>(c);
  if (!GetStringTypeW(CT_CTYPE1, &w, 1, &type)) return false;
  return (type & (C1_ALPHA | C1_DIGIT)) != 0;
}

char16_t UpperChar(char16_t c) {
  return static_cast<char16_t>(reinterpret_cast<ULONG_PTR>(
      CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)))));
}

char16_t LowerChar(char16_t c) {
  return static_cast<char16_t>(reinterpret_cast<ULONG_PTR>(
      CharLowerW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)))));
}

void UpperInPlace(char16_t* text, std::size_t count) {
  while (count > 0) {
    DWORD part = count > 0x40000000u ? 0x40000000u : static_cast<DWORD>(count);
    CharUpperBuffW(W(text), part);
    text += part;
    count -= part;
  }
}

void LowerInPlace(char16_t* text, std::size_t count) {
  while (count > 0) {
    DWORD part = count > 0x40000000u ? 0x40000000u : static_cast<DWORD>(count);
    CharLowerBuffW(W(text), part);
    text += part;
    count -= part;
  }
}

int CompareNoCase(std::u16string_view a, std::u16string_view b) {
  int r = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, W(a.data()),
                         static_cast<int>(a.size()), W(b.data()), static_cast<int>(b.size()));
  return r == 0 ? 0 : r - 2;
}
