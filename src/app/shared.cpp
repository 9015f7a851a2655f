#include "app/shared.h"

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
