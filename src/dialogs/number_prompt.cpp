// Reading the number prompts' field and placing the go-to-line caret.
#include "dialogs/number_prompt.h"

#include <cstdint>

bool ParseNumberField(std::u16string_view text, int& value) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    negative = text[i] == u'-';
    ++i;
  }
  if (i == text.size()) return false;
  std::int64_t n = 0;
  for (; i < text.size(); ++i) {
    char16_t c = text[i];
    if (c < u'0' || c > u'9') return false;
    n = n * 10 + (c - u'0');
    if (n > 2147483648LL) return false;  // also keeps n far from overflowing
  }
  if (negative) n = -n;
  if (n > INT32_MAX || n < INT32_MIN) return false;
  value = static_cast<int>(n);
  return true;
}

int GoToLineTarget(int n, int lineCount) {
  if (n < 1) return 0;
  if (n > lineCount) return lineCount > 0 ? lineCount - 1 : 0;
  return n - 1;
}
