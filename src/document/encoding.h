// Byte-level encoding rules: classifying file bytes, decoding them to the
// editor's UTF-16 text and encoding that text back.
#pragma once

#include <cstdint>
#include <string_view>

enum TextEncoding : std::uint8_t {
  Ansi = 0,           // the system's ANSI code page
  Utf8 = 1,
  Utf16 = 2,          // little-endian with mark; read only
  BigEndianMark = 3,
  Dos437 = 4,
};

// The name the status line shows: "ANSI", "UTF-8", "UTF-16", "DOS CP437", else "?".
std::u16string_view EncodingDisplayName(int encoding);
