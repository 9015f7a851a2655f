// The encodings: the marks, decoding file bytes to the editor's UTF-16 text
// and encoding that text back, and the extension rules. The byte scans that
// classify the bytes live in byte_scans.h, the line-break conversion in
// line_breaks.h; both are included here for the encodings' users.
//
// Byte buffers come as a pointer and a count; texts as UTF-16 views. The
// scans look at 16 bytes at a time where the target has SSE2 and fall back to
// plain, partly word-at-a-time loops elsewhere; the results are those of the
// byte-by-byte definitions in the comments.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/byte_scans.h"
#include "document/line_breaks.h"

#include "platform/text.h"  // the code page numbers

enum TextEncoding : std::uint8_t {
  Ansi = 0,           // the system's ANSI code page
  Utf8 = 1,
  Utf16 = 2,          // little-endian with mark; read only
  BigEndianMark = 3,
  Dos437 = 4,
};

// Code page number 0 stands for the system's ANSI code page.
constexpr unsigned CodePageAnsi = 0;

// The UTF-8 byte-order mark EF BB BF.
constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";

// Extensions whose files are read as UTF-8 without looking at the bytes, and
// the extensions whose UTF-8 files are written without the mark.
constexpr std::u16string_view Utf8Extensions[] = {u".html", u".htm", u".css", u".js",
                                                  u".srt",  u".vtt", u".json"};
constexpr std::u16string_view NoBomExtensions[] = {u".cmd", u".bat"};

// The name the status line shows: "ANSI", "UTF-8", "UTF-16", "DOS CP437", else "?".
std::u16string_view EncodingDisplayName(int encoding);

// The mark at the start of a file: FF FE gives Utf16, FE FF BigEndianMark,
// EF BB BF (three bytes or more) Utf8; anything else, and fewer than two
// bytes, Ansi.
TextEncoding DetectByteOrderMark(const char* bytes, std::size_t count);

// Strict UTF-8 after an optional mark EF BB BF; false (out empty) when the
// platform rejects the bytes.
bool DecodeUtf8(const char* bytes, std::size_t count, std::u16string& out);

// The decoders and encoders below answer false, with out empty, when the
// memory for their result cannot be had (platform/memory.h).

// Little-endian units after the two mark bytes; an odd last byte is dropped.
bool DecodeUtf16(const char* bytes, std::size_t count, std::u16string& out);

// Big-endian units after the two mark bytes FE FF; an odd last byte is dropped.
bool DecodeUtf16BigEndian(const char* bytes, std::size_t count, std::u16string& out);

// Bytes of code page 437 or of the ANSI code page (CodePageAnsi) as text; a
// zero byte becomes U+0000.
bool DecodeCodePage(unsigned codePage, const char* bytes, std::size_t count, std::u16string& out);

// The text as UTF-8, without mark, and in the ANSI code page with the
// platform's substitutions.
bool EncodeUtf8(std::u16string_view text, std::string& out);
bool EncodeAnsi(std::u16string_view text, std::string& out);

// The text in code page 437 without best-fit mapping: characters without an
// exact form become '?' and set replaced.
bool EncodeDos437(std::u16string_view text, std::string& out, bool& replaced);

// The tail of the path from its last full stop, searched over the whole path
// (so C:\my.docs\readme gives ".docs\readme"); empty when there is no full stop.
std::u16string_view ExtensionOf(std::u16string_view path);

// The extension compared with each list entry, ignoring case.
bool IsUtf8Extension(std::u16string_view path);
bool IsNoBomExtension(std::u16string_view path);
