#include "commands/code_point.h"

namespace {

constexpr std::size_t MaxHexDigits = 6;

int HexValue(char16_t c) {
  if (c >= u'0' && c <= u'9') return c - u'0';
  if (c >= u'A' && c <= u'F') return c - u'A' + 10;
  if (c >= u'a' && c <= u'f') return c - u'a' + 10;
  return -1;
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// The units of a code point: one, or a surrogate pair above U+FFFF; none for 0.
std::u16string UnitsOf(std::uint32_t v) {
  if (v == 0) return std::u16string();
  if (v <= 0xFFFF) return std::u16string(1, static_cast<char16_t>(v));
  std::uint32_t w = v - 0x10000;
  return std::u16string{static_cast<char16_t>(0xD800 + (w >> 10)),
                        static_cast<char16_t>(0xDC00 + (w & 0x3FF))};
}

}  // namespace

bool IsHexDigit(char16_t c) { return HexValue(c) >= 0; }

bool ParseHex(std::u16string_view digits, std::uint32_t& value) {
  if (digits.empty()) return false;
  std::uint32_t v = 0;
  for (char16_t c : digits) {
    int d = HexValue(c);
    if (d < 0 || v > 0x0FFFFFFFu) return false;
    v = v * 16 + static_cast<std::uint32_t>(d);
  }
  value = v;
  return true;
}

std::u16string FormatCodePoint(std::uint32_t value) {
  static const char16_t digits[] = u"0123456789ABCDEF";
  std::u16string hex;
  do {
    hex.insert(hex.begin(), digits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  if (hex.size() < 4) hex.insert(0, 4 - hex.size(), u'0');
  return u"U+" + hex;
}

bool CodePointEdit(std::u16string_view text, std::size_t caret, TTextEdit& edit) {
  if (caret > text.size()) return false;
  std::size_t s = caret;
  while (s > 0 && caret - s < MaxHexDigits && IsHexDigit(text[s - 1])) --s;
  std::size_t count = caret - s;
  bool prefix = count >= 1 && s >= 2 && (text[s - 2] == u'U' || text[s - 2] == u'u') &&
                text[s - 1] == u'+';
  std::uint32_t v = 0;
  if ((prefix || count >= 2) && ParseHex(text.substr(s, count), v) && v <= MaxCodePoint) {
    edit = TTextEdit{prefix ? s - 2 : s, caret, UnitsOf(v)};
    return true;
  }
  if (caret == 0) return false;
  char16_t low = text[caret - 1];
  if (IsLowSurrogate(low) && caret >= 2 && IsHighSurrogate(text[caret - 2])) {
    std::uint32_t cp = ((static_cast<std::uint32_t>(text[caret - 2]) - 0xD800) << 10) +
                       (static_cast<std::uint32_t>(low) - 0xDC00) + 0x10000;
    edit = TTextEdit{caret - 2, caret, FormatCodePoint(cp)};
    return true;
  }
  edit = TTextEdit{caret - 1, caret, FormatCodePoint(low)};
  return true;
}
