#include "editor/word_delete.h"

#include "platform/text.h"

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsBreak(char16_t c) { return c == u'\r' || c == u'\n'; }
bool IsOther(char16_t c) { return !IsBlank(c) && !IsBreak(c) && !IsWordChar(c); }

}  // namespace

bool IsWordChar(char16_t c) { return c == u'_' || (c != 0 && IsAlphaOrDigit(c)); }

std::size_t WordLeftStart(std::u16string_view text, std::size_t p) {
  if (p < 1 || p > text.size()) return p;
  std::size_t k = p;
  char16_t c = text[p - 1];
  if (IsBlank(c) || IsBreak(c)) {
    while (k > 0 && IsBlank(text[k - 1])) --k;
    while (k > 0 && IsBreak(text[k - 1])) --k;
    if (k > 0 && !IsBlank(text[k - 1]) && !IsBreak(text[k - 1])) {
      while (k > 0 && IsOther(text[k - 1])) --k;
      while (k > 0 && IsWordChar(text[k - 1])) --k;
    }
  } else if (IsWordChar(c)) {
    while (k > 0 && IsWordChar(text[k - 1])) --k;
  } else {
    while (k > 0 && IsOther(text[k - 1])) --k;
  }
  return k;
}

std::size_t WordRightEnd(std::u16string_view text, std::size_t p) {
  if (p >= text.size()) return p;
  std::size_t n = text.size();
  std::size_t k = p;
  char16_t c = text[p];
  if (IsBlank(c) || IsBreak(c)) {
    while (k < n && IsBlank(text[k])) ++k;
    while (k < n && IsBreak(text[k])) ++k;
  } else if (IsWordChar(c)) {
    while (k < n && IsWordChar(text[k])) ++k;
    while (k < n && IsOther(text[k])) ++k;
    while (k < n && IsBlank(text[k])) ++k;
  } else {
    while (k < n && IsOther(text[k])) ++k;
    while (k < n && IsBlank(text[k])) ++k;
  }
  return k;
}

TTypedRange OverwrittenRange(std::size_t start, std::size_t end, std::size_t lineEnd) {
  if (start == end && start < lineEnd) return {start, start + 1};
  return {start, end};
}
