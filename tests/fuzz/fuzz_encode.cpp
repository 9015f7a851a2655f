// Editor text -> the encoders and the save rules; what an encoder writes
// without replacements must decode to the same text.
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

bool HasLoneSurrogate(std::u16string_view t) {
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] >= 0xD800 && t[i] <= 0xDBFF && i + 1 < t.size() && t[i + 1] >= 0xDC00 && t[i + 1] <= 0xDFFF)
      ++i;
    else if (t[i] >= 0xD800 && t[i] <= 0xDFFF)
      return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Pairs of bytes are the units; the editor's text holds no zero unit.
  std::u16string text;
  for (std::size_t i = 0; i + 1 < size; i += 2) {
    char16_t c = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    text += c ? c : u'\n';
  }

  Check(NeedsUnicode(text) == reference::RefNeedsUnicode(text));
  std::u16string lines = ToCrLf(text);
  Check(lines == reference::RefToCrLf(text));

  std::string utf8 = EncodeUtf8(text);
  std::u16string back;
  if (!HasLoneSurrogate(text)) {
    Check(DecodeUtf8(utf8.data(), utf8.size(), back));
    // A leading U+FEFF is written as EF BB BF, which reads back as the mark.
    Check(back == (text.substr(0, 1) == u"\uFEFF" ? text.substr(1) : text));
  }

  bool replaced = false;
  std::string dos = EncodeDos437(text, replaced);
  Check(dos.size() == text.size());
  if (!replaced) Check(DecodeCodePage(CodePageDos437, dos.data(), dos.size()) == text);

  std::string ansi = EncodeAnsi(text);
  // Latin-1 letters are in code page 1252 at their own numbers (80..9F are not).
  bool latin1 = true;
  for (char16_t c : text) latin1 = latin1 && (c < 0x80 || (c >= 0xA0 && c <= 0xFF));
  if (latin1) Check(DecodeCodePage(CodePageAnsi, ansi.data(), ansi.size()) == text);

  std::string saved = EncodeForSave(text, true, u"a.txt");
  Check(saved.compare(0, 3, Utf8Bom) == 0);
  Check(EncodeForSave(text, true, u"run.cmd") == saved.substr(3));
  return 0;
}
