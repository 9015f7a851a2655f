// The byte-by-byte definitions of the encoding rules, written out literally.
// The fast versions must agree with them on every input; the unit tests and
// the fuzz targets compare the two.
#pragma once

#include <string>
#include <string_view>

namespace reference {

using Bytes = std::string;

inline bool RefIsUtf8(const Bytes& b) {
  bool nonAscii = false;
  std::size_t i = 0, count = b.size();
  while (i < count) {
    unsigned c = static_cast<unsigned char>(b[i]);
    if (c < 0x80) {
      ++i;
      continue;
    }
    nonAscii = true;
    std::size_t n;
    if ((c & 0xE0) == 0xC0) n = 1;
    else if ((c & 0xF0) == 0xE0) n = 2;
    else if ((c & 0xF8) == 0xF0) n = 3;
    else return false;
    if (!(i + n < count)) return false;
    for (std::size_t k = 1; k <= n; ++k)
      if ((static_cast<unsigned char>(b[i + k]) & 0xC0) != 0x80) return false;
    i += n + 1;
  }
  return nonAscii;
}

inline bool RefLooksLikeDos(const Bytes& b) {
  std::size_t count = b.size();
  if (count == 0) return false;
  std::size_t z = 0, g = 0;
  for (char ch : b) {
    unsigned c = static_cast<unsigned char>(ch);
    if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) return true;
    if (c == 0) ++z;
    if (c >= 0xB0 && c <= 0xDF) ++g;
  }
  if (count / 50 < z) return false;
  return g >= 16 && count / 200 < g;
}

inline Bytes RefFilter(const Bytes& b) {
  Bytes out;
  for (char c : b) {
    if (c == 0x01 || c == 0x0C) continue;
    out += c == 0x16 ? ' ' : c;
  }
  return out;
}

inline std::u16string RefToCrLf(std::u16string_view t) {
  std::u16string out;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] == u'\n' && (i == 0 || t[i - 1] != u'\r')) out += u'\r';
    out += t[i];
  }
  return out;
}

inline bool RefNeedsUnicode(std::u16string_view t) {
  for (char16_t c : t)
    if (c >= 256) return true;
  return false;
}

}  // namespace reference
