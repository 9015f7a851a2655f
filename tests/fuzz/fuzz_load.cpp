// Bytes of a file -> detection -> decoding -> CR LF, as a load does it; the
// fast byte rules are checked against their literal definitions, and what a
// load shows must save back to the bytes it came from where the encoding
// allows it.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "../unit/encoding_reference.h"
#include "document/document_rules.h"
#include "rules_by_value.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// The file's bytes with lone line feeds made CR LF, as a save writes them.
std::string CrLfBytes(std::string_view b) {
  std::string out;
  for (std::size_t i = 0; i < b.size(); ++i) {
    if (b[i] == '\n' && (i == 0 || b[i - 1] != '\r')) out += '\r';
    out += b[i];
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the file name, the rest is the file.
  static const char16_t* names[] = {u"a.txt", u"page.html", u"run.cmd", u"x.JSON"};
  std::u16string_view path = names[data[0] % 4];
  std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

  Check(IsUtf8Text(bytes.data(), bytes.size()) == reference::RefIsUtf8(bytes));
  Check(LooksLikeDos437(bytes.data(), bytes.size()) == reference::RefLooksLikeDos(bytes));
  std::string filtered = bytes;
  filtered.resize(FilterDosControlBytes(filtered.data(), filtered.size()));
  Check(filtered == reference::RefFilter(bytes));

  TDecodedDocument doc = DecodeDocument(path, bytes.data(), bytes.size());
  Check(doc.Text.find(u'\0') == std::u16string::npos);
  Check(doc.Text == reference::RefToCrLf(doc.Text));  // no lone line feed is left
  Check(doc.HasBom == (doc.Encoding == Utf8 && DetectByteOrderMark(bytes.data(), bytes.size()) == Utf8));

  // Shown whole, ANSI and UTF-8 text saves back to the same bytes.
  if (!doc.CutAtZero && (doc.Encoding == Ansi || doc.Encoding == Utf8)) {
    bool utf8 = doc.Encoding == Utf8;
    std::string saved = utf8 ? EncodeUtf8(doc.Text) : EncodeAnsi(doc.Text);
    std::string_view body = bytes;
    if (doc.HasBom) body.remove_prefix(3);
    Check(saved == CrLfBytes(body));
  }

  std::string dos = bytes;
  TDecodedDocument dosDoc = DecodeDosDocument(dos.data(), dos.size());
  Check(dosDoc.Encoding == Dos437);
  Check(dosDoc.Text.size() <= filtered.size());
  return 0;
}
