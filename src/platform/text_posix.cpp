// Stand-in text services for the native test, fuzz and benchmark builds.
// Code pages 437 and 1252 come from iconv, case and classes from the C.UTF-8
// locale. The product never links this file; tests whose expected values
// depend on the platform's own tables run in the Windows build.
#include "platform/text.h"

#include "platform/memory.h"

#include <iconv.h>
#include <locale.h>
#include <wctype.h>

#include <array>
#include <vector>

namespace {

struct TSingleByteTable {
  std::array<char16_t, 256> toUnit{};
  std::vector<unsigned char> fromUnit;  // 0x10000 entries, 0 = none (byte 0 maps U+0000)
};

TSingleByteTable BuildTable(const char* name) {
  TSingleByteTable t;
  t.fromUnit.assign(0x10000, 0);
  iconv_t cd = iconv_open("UTF-16LE", name);
  for (int b = 0; b < 256; ++b) {
    char in = static_cast<char>(b);
    char outBuf[8] = {};
    char* ip = &in;
    char* op = outBuf;
    size_t il = 1, ol = sizeof outBuf;
    char16_t unit = static_cast<char16_t>(b);  // undefined bytes pass through as U+00xx
    if (cd != reinterpret_cast<iconv_t>(-1) && iconv(cd, &ip, &il, &op, &ol) != static_cast<size_t>(-1) &&
        op - outBuf == 2)
      unit = static_cast<char16_t>(static_cast<unsigned char>(outBuf[0]) |
                                   (static_cast<unsigned char>(outBuf[1]) << 8));
    t.toUnit[static_cast<std::size_t>(b)] = unit;
  }
  if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
  for (int b = 255; b >= 1; --b) t.fromUnit[t.toUnit[static_cast<std::size_t>(b)]] = static_cast<unsigned char>(b);
  return t;
}

const TSingleByteTable& Table(unsigned codePage) {
  static const TSingleByteTable dos = BuildTable("CP437");
  static const TSingleByteTable ansi = BuildTable("CP1252");
  return codePage == CodePageDos437 ? dos : ansi;
}

locale_t Utf8Locale() {
  static locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  return loc;
}

bool DecodeUtf8Bytes(const unsigned char* s, std::size_t n, bool strict, std::u16string& out) {
  if (!TryReserve(out, n)) return false;  // never more units than bytes
  std::size_t i = 0;
  while (i < n) {
    unsigned c = s[i];
    unsigned need = 0;
    unsigned cp = 0;
    unsigned min = 0;
    if (c < 0x80) {
      out.push_back(static_cast<char16_t>(c));
      ++i;
      continue;
    } else if (c >= 0xC2 && c <= 0xDF) {
      need = 1, cp = c & 0x1F, min = 0x80;
    } else if (c >= 0xE0 && c <= 0xEF) {
      need = 2, cp = c & 0x0F, min = 0x800;
    } else if (c >= 0xF0 && c <= 0xF4) {
      need = 3, cp = c & 0x07, min = 0x10000;
    } else {
      need = 0xFF;
    }
    bool ok = need != 0xFF;
    for (unsigned k = 1; ok && k <= need; ++k) {
      if (i + k >= n || (s[i + k] & 0xC0) != 0x80) ok = false;
      else cp = (cp << 6) | (s[i + k] & 0x3F);
    }
    if (ok && (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))) ok = false;
    if (!ok) {
      if (strict) return false;
      out.push_back(u'\uFFFD');
      ++i;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += need + 1;
  }
  return true;
}

bool EncodeUtf8Units(std::u16string_view t, std::string& out) {
  if (!TryReserve(out, 3 * t.size())) return false;  // never more than three bytes a unit
  for (std::size_t i = 0; i < t.size(); ++i) {
    unsigned c = t[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < t.size() && t[i + 1] >= 0xDC00 && t[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (t[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;
    }
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (c >> 6)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (c >> 12)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (c >> 18)));
      out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
  }
  return true;
}

}  // namespace

unsigned AnsiCodePage() { return 1252; }

bool DecodeBytes(unsigned codePage, const char* bytes, std::size_t count, bool strict,
                 std::u16string& out) {
  out.clear();
  const auto* s = reinterpret_cast<const unsigned char*>(bytes);
  if (codePage == CodePageUtf8) {
    if (!DecodeUtf8Bytes(s, count, strict, out)) {
      out.clear();
      return false;
    }
    return true;
  }
  const TSingleByteTable& t = Table(codePage);
  if (!TryResize(out, count)) return false;
  for (std::size_t i = 0; i < count; ++i) out[i] = t.toUnit[s[i]];
  return true;
}

bool EncodeText(unsigned codePage, std::u16string_view text, bool exactOnly, std::string& out,
                bool* usedDefault) {
  (void)exactOnly;
  out.clear();
  if (usedDefault) *usedDefault = false;
  if (codePage == CodePageUtf8) {
    return EncodeUtf8Units(text, out);
  }
  const TSingleByteTable& t = Table(codePage);
  if (!TryResize(out, text.size())) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char16_t u = text[i];
    unsigned char b = t.fromUnit[u];
    if (b == 0 && u != 0) {
      b = '?';
      if (usedDefault) *usedDefault = true;
    }
    out[i] = static_cast<char>(b);
  }
  return true;
}

bool IsAlphaOrDigit(char16_t c) {
  if (c >= 0xD800 && c <= 0xDFFF) return false;
  return iswalnum_l(static_cast<wint_t>(c), Utf8Locale()) != 0;
}

char16_t UpperChar(char16_t c) {
  if (c >= 0xD800 && c <= 0xDFFF) return c;
  wint_t u = towupper_l(static_cast<wint_t>(c), Utf8Locale());
  return u > 0xFFFF ? c : static_cast<char16_t>(u);
}

char16_t LowerChar(char16_t c) {
  if (c >= 0xD800 && c <= 0xDFFF) return c;
  wint_t u = towlower_l(static_cast<wint_t>(c), Utf8Locale());
  return u > 0xFFFF ? c : static_cast<char16_t>(u);
}

void UpperInPlace(char16_t* text, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) text[i] = UpperChar(text[i]);
}

void LowerInPlace(char16_t* text, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) text[i] = LowerChar(text[i]);
}

int CompareNoCase(std::u16string_view a, std::u16string_view b) {
  std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    char16_t x = LowerChar(a[i]);
    char16_t y = LowerChar(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}
