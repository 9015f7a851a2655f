// The rules of loading and saving that need no window: what a file's bytes
// become in the editor, and which bytes a save writes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "document/document_state.h"
#include "document/encoding.h"

// The largest file a load accepts. Its text, even with every byte a lone line
// feed, then fits the edit control (0x7FFFFFFE units) and the int-sized counts
// of the platform's conversions; a 32-bit process also has to hold the bytes,
// the text and the control's copy in its 2 GB.
constexpr std::uint64_t MaxDocumentBytes = sizeof(void*) >= 8 ? 0x3FFFFFFFu : 0x08000000u;

struct TDecodedDocument {
  std::u16string Text;  // what the editor shows; ends before the first U+0000 of the data
  TextEncoding Encoding = Ansi;
  bool HasBom = false;
  TEncodingSource EncodingSource = Detected;
  bool CutAtZero = false;  // the data held a zero, so Text is shorter than the file
};

// The detection chain of a load: the mark, then a UTF-8 extension, then the
// UTF-8 test, then the MS-DOS heuristic, else ANSI; decoded, line feeds made
// CR LF. UTF-8 that the strict conversion rejects is shown as ANSI instead
// (every byte kept, extension rule off), so saving it unchanged writes the
// same bytes; FE FF data is read as big-endian UTF-16.
// False when the memory for the text cannot be had (platform/memory.h).
bool DecodeDocument(std::u16string_view path, const char* bytes, std::size_t count, TDecodedDocument& doc);

// The MS-DOS open: control bytes filtered (in place), code page 437, line
// breaks as they are.
bool DecodeDosDocument(char* bytes, std::size_t count, TDecodedDocument& doc);

// True when the text starts with ".LOG" (case matters).
bool StartsWithLogMarker(std::u16string_view text);

// Whether a save to path starts out as UTF-8, before the Unicode question:
// a UTF-8 document, or a UTF-8 extension unless the user chose the encoding.
bool SaveStartsAsUtf8(TextEncoding encoding, TEncodingSource source, std::u16string_view path);

// A UTF-8 save writes the mark unless the name ends in ".cmd" or ".bat".
bool SaveWritesBom(bool utf8, std::u16string_view path);

// The bytes of a save: line feeds made CR LF, then UTF-8 (with the mark when
// SaveWritesBom says so) or the ANSI code page.
// False when the memory for them cannot be had.
bool EncodeForSave(std::u16string_view text, bool utf8, std::u16string_view path, std::string& bytes);
