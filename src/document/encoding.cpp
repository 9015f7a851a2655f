#include "document/encoding.h"

#include <algorithm>
#include <cstring>

#include "platform/memory.h"
#include "platform/text.h"

namespace {

using Byte = unsigned char;

const Byte* U(const char* p) { return reinterpret_cast<const Byte*>(p); }

}  // namespace

std::u16string_view EncodingDisplayName(int encoding) {
  switch (encoding) {
    case Ansi: return u"ANSI";
    case Utf8: return u"UTF-8";
    case Utf16: return u"UTF-16";
    case Dos437: return u"DOS CP437";
    default: return u"?";
  }
}

TextEncoding DetectByteOrderMark(const char* bytes, std::size_t count) {
  const Byte* s = U(bytes);
  if (count < 2) return Ansi;
  if (s[0] == 0xFF && s[1] == 0xFE) return Utf16;
  if (s[0] == 0xFE && s[1] == 0xFF) return BigEndianMark;
  if (count >= 3 && s[0] == 0xEF && s[1] == 0xBB && s[2] == 0xBF) return Utf8;
  return Ansi;
}

bool DecodeUtf8(const char* bytes, std::size_t count, std::u16string& out) {
  if (DetectByteOrderMark(bytes, count) == Utf8) {
    bytes += 3;
    count -= 3;
  }
  return DecodeBytes(CodePageUtf8, bytes, count, true, out);
}

bool DecodeUtf16(const char* bytes, std::size_t count, std::u16string& out) {
  const Byte* s = U(bytes);
  out.clear();
  if (!TryResize(out, count < 2 ? 0 : (count - 2) / 2)) return false;
  for (std::size_t k = 0; k < out.size(); ++k)
    out[k] = static_cast<char16_t>(s[2 + 2 * k] | (s[3 + 2 * k] << 8));
  return true;
}

bool DecodeUtf16BigEndian(const char* bytes, std::size_t count, std::u16string& out) {
  const Byte* s = U(bytes);
  out.clear();
  if (!TryResize(out, count < 2 ? 0 : (count - 2) / 2)) return false;
  for (std::size_t k = 0; k < out.size(); ++k)
    out[k] = static_cast<char16_t>((s[2 + 2 * k] << 8) | s[3 + 2 * k]);
  return true;
}

bool DecodeCodePage(unsigned codePage, const char* bytes, std::size_t count, std::u16string& out) {
  return DecodeBytes(codePage == CodePageAnsi ? AnsiCodePage() : codePage, bytes, count, false, out);
}

bool EncodeUtf8(std::u16string_view text, std::string& out) {
  return EncodeText(CodePageUtf8, text, false, out, nullptr);
}

bool EncodeAnsi(std::u16string_view text, std::string& out) {
  return EncodeText(AnsiCodePage(), text, false, out, nullptr);
}

bool EncodeDos437(std::u16string_view text, std::string& out, bool& replaced) {
  replaced = false;
  return EncodeText(CodePageDos437, text, true, out, &replaced);
}

std::u16string_view ExtensionOf(std::u16string_view path) {
  std::size_t dot = path.rfind(u'.');
  return dot == std::u16string_view::npos ? std::u16string_view() : path.substr(dot);
}

namespace {

template <std::size_t N>
bool ExtensionIn(std::u16string_view path, const std::u16string_view (&list)[N]) {
  std::u16string_view ext = ExtensionOf(path);
  if (ext.empty()) return false;
  for (std::u16string_view entry : list)
    if (CompareNoCase(ext, entry) == 0) return true;
  return false;
}

}  // namespace

bool IsUtf8Extension(std::u16string_view path) { return ExtensionIn(path, Utf8Extensions); }

bool IsNoBomExtension(std::u16string_view path) { return ExtensionIn(path, NoBomExtensions); }
