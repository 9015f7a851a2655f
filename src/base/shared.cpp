#include "base/shared.h"

#include "platform/text.h"

namespace {

char16_t Fold(char16_t c) {
  if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 32);
  if (c >= 128) return UpperChar(c);
  return c;
}

}  // namespace

std::optional<std::size_t> ContainsNoCase(std::u16string_view text, std::u16string_view part) {
  if (part.size() > text.size()) return std::nullopt;
  for (std::size_t start = 0; start + part.size() <= text.size(); ++start) {
    std::size_t i = 0;
    while (i < part.size() && Fold(text[start + i]) == Fold(part[i])) ++i;
    if (i == part.size()) return start;
  }
  return std::nullopt;
}

std::u16string ExtendedLengthPath(std::u16string_view fullPath) {
  std::u16string path(fullPath);
  if (path.size() < LongPathFrom) return path;
  if (path.starts_with(u"\\\\?\\") || path.starts_with(u"\\\\.\\")) return path;
  for (char16_t& c : path)
    if (c == u'/') c = u'\\';
  bool drive = path.size() >= 3 && path[1] == u':' && path[2] == u'\\' &&
               ((path[0] >= u'A' && path[0] <= u'Z') || (path[0] >= u'a' && path[0] <= u'z'));
  if (drive) return u"\\\\?\\" + path;
  if (path.starts_with(u"\\\\")) return u"\\\\?\\UNC\\" + path.substr(2);
  return path;
}

std::u16string TempNameBeside(std::u16string_view target, std::uint32_t stamp) {
  std::size_t slash = target.find_last_of(u"\\/");
  std::u16string name(slash == std::u16string_view::npos ? std::u16string_view(u".\\") : target.substr(0, slash + 1));
  name += u"zib";
  for (int shift = 28; shift >= 0; shift -= 4) name += u"0123456789ABCDEF"[(stamp >> shift) & 15];
  name += u".tmp";
  return name;
}
