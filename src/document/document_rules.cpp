#include "document/document_rules.h"

#include "platform/memory.h"

namespace {

// The editor shows text up to its first zero unit; cut it there ourselves.
void CutAtFirstZero(TDecodedDocument& doc) {
  std::size_t zero = doc.Text.find(u'\0');
  if (zero == std::u16string::npos) return;
  doc.Text.resize(zero);
  doc.CutAtZero = true;
}

}  // namespace

bool DecodeDocument(std::u16string_view path, const char* bytes, std::size_t count, TDecodedDocument& doc) {
  doc = TDecodedDocument();
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
  bool decoded = false;
  switch (encoding) {
    case Utf8:
      decoded = DecodeUtf8(bytes, count, doc.Text);
      if (!decoded) {
        // Shown byte for byte in the ANSI code page, mark included, and kept
        // there: the extension rule would otherwise turn the next save into
        // different bytes.
        encoding = Ansi;
        doc.HasBom = false;
        doc.EncodingSource = ChosenByUser;
        decoded = DecodeCodePage(CodePageAnsi, bytes, count, doc.Text);
      }
      break;
    case Utf16: decoded = DecodeUtf16(bytes, count, doc.Text); break;
    case BigEndianMark: decoded = DecodeUtf16BigEndian(bytes, count, doc.Text); break;
    case Dos437: {
      std::string filtered;
      if (!TryReserve(filtered, count)) break;
      filtered.assign(bytes, count);
      filtered.resize(FilterDosControlBytes(filtered.data(), filtered.size()));
      decoded = DecodeCodePage(CodePageDos437, filtered.data(), filtered.size(), doc.Text);
      break;
    }
    default: decoded = DecodeCodePage(CodePageAnsi, bytes, count, doc.Text); break;
  }
  doc.Encoding = encoding;
  if (!decoded) return false;
  CutAtFirstZero(doc);
  return ToCrLfInPlace(doc.Text);
}

bool DecodeDosDocument(char* bytes, std::size_t count, TDecodedDocument& doc) {
  doc = TDecodedDocument();
  doc.Encoding = Dos437;
  std::size_t kept = FilterDosControlBytes(bytes, count);
  if (!DecodeCodePage(CodePageDos437, bytes, kept, doc.Text)) return false;
  CutAtFirstZero(doc);
  return true;
}

bool StartsWithLogMarker(std::u16string_view text) { return text.substr(0, 4) == u".LOG"; }

bool SaveStartsAsUtf8(TextEncoding encoding, TEncodingSource source, std::u16string_view path) {
  return encoding == Utf8 || (source != ChosenByUser && IsUtf8Extension(path));
}

bool SaveWritesBom(bool utf8, std::u16string_view path) { return utf8 && !IsNoBomExtension(path); }

bool EncodeForSave(std::u16string_view text, bool utf8, std::u16string_view path, std::string& bytes) {
  bytes.clear();
  std::u16string lines;
  if (!ToCrLf(text, lines)) return false;
  if (!utf8) return EncodeAnsi(lines, bytes);
  std::string encoded;
  if (!EncodeUtf8(lines, encoded)) return false;
  std::u16string().swap(lines);
  if (!SaveWritesBom(utf8, path)) {
    bytes.swap(encoded);
    return true;
  }
  if (!TryReserve(bytes, Utf8Bom.size() + encoded.size())) return false;
  bytes.assign(Utf8Bom);
  bytes += encoded;
  return true;
}
