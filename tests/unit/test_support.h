// Helpers shared by the unit tests.
#pragma once

#include <doctest/doctest.h>

#include <string>
#include <string_view>

// Makes UTF-16 values readable in doctest's failure messages.
namespace doctest {
template <>
struct StringMaker<std::u16string> {
  static String convert(const std::u16string& s) {
    std::string out = "u\"";
    for (char16_t c : s) {
      if (c >= 0x20 && c < 0x7F) {
        out += static_cast<char>(c);
      } else {
        static const char* hex = "0123456789ABCDEF";
        out += "\\u";
        for (int shift = 12; shift >= 0; shift -= 4) out += hex[(c >> shift) & 0xF];
      }
    }
    out += "\"";
    return String(out.c_str());
  }
};
template <>
struct StringMaker<std::u16string_view> {
  static String convert(std::u16string_view s) { return StringMaker<std::u16string>::convert(std::u16string(s)); }
};
}  // namespace doctest
