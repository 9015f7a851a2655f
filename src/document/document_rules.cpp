#include "document/document_rules.h"

namespace {

// The editor shows text up to its first zero unit; cut it there ourselves.
void CutAtFirstZero(TDecodedDocument& doc) {
  std::size_t zero = doc.Text.find(u'\0');
  if (zero == std::u16string::npos) return;
  doc.Text.resize(zero);
  doc.CutAtZero = true;
}

}  // namespace

TDecodedDocument DecodeDocument(std::u16string_view path, const char* bytes, std::size_t count) {
  TDecodedDocument doc;
  TextEncoding mark = DetectByteOrderMark(bytes, count);
  TextEncoding encoding = mark;
  doc.HasBom = mark == Utf8;
  if (encoding == Ansi && IsUtf8Extension(path)) {
    encoding = Utf8;
    doc.EncodingSource = ByExtension;
  }
  if (encoding == Ansi) {
    if (IsUtf8Text(bytes, count)) encoding = Utf8;
    else if (LooksLikeDos437(bytes, count)) encoding = Dos437;
  }
  std::u16string text;
  switch (encoding) {
    case Utf8:
      if (!DecodeUtf8(bytes, count, text)) {
        // Shown byte for byte in the ANSI code page, mark included, and kept
        // there: the extension rule would otherwise turn the next save into
        // different bytes.
        encoding = Ansi;
        doc.HasBom = false;
        doc.EncodingSource = ChosenByUser;
        text = DecodeCodePage(CodePageAnsi, bytes, count);
      }
      break;
    case Utf16: text = DecodeUtf16(bytes, count); break;
    case BigEndianMark: text = DecodeUtf16BigEndian(bytes, count); break;
    case Dos437: {
      std::string filtered(bytes, count);
      filtered.resize(FilterDosControlBytes(filtered.data(), filtered.size()));
      text = DecodeCodePage(CodePageDos437, filtered.data(), filtered.size());
      break;
    }
    default: text = DecodeCodePage(CodePageAnsi, bytes, count); break;
  }
  doc.Encoding = encoding;
  doc.Text = std::move(text);
  CutAtFirstZero(doc);
  ToCrLfInPlace(doc.Text);
  return doc;
}

TDecodedDocument DecodeDosDocument(char* bytes, std::size_t count) {
  TDecodedDocument doc;
  doc.Encoding = Dos437;
  std::size_t kept = FilterDosControlBytes(bytes, count);
  doc.Text = DecodeCodePage(CodePageDos437, bytes, kept);
  CutAtFirstZero(doc);
  return doc;
}

bool StartsWithLogMarker(std::u16string_view text) { return text.substr(0, 4) == u".LOG"; }

bool SaveStartsAsUtf8(TextEncoding encoding, TEncodingSource source, std::u16string_view path) {
  return encoding == Utf8 || (source != ChosenByUser && IsUtf8Extension(path));
}

bool SaveWritesBom(bool utf8, std::u16string_view path) { return utf8 && !IsNoBomExtension(path); }

std::string EncodeForSave(std::u16string_view text, bool utf8, std::u16string_view path) {
  std::u16string lines = ToCrLf(text);
  if (!utf8) return EncodeAnsi(lines);
  std::string bytes(SaveWritesBom(utf8, path) ? Utf8Bom : std::string_view());
  bytes += EncodeUtf8(lines);
  return bytes;
}
