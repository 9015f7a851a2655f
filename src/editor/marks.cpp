#include "editor/marks.h"

char16_t MarkFor(char16_t c) {
  switch (c) {
    case u'\t': return u'→';
    case u' ': return u'·';
    case u'\u00A0': return u'°';
    case u'\u202F': return u'_';
    default: return 0;
  }
}

std::size_t UnitsThatCanShow(int x0, int w, int right) {
  if (w < 1) w = 1;
  long long room = static_cast<long long>(right) - x0;
  return room <= 0 ? 0 : static_cast<std::size_t>((room + w - 1) / w);
}

void LayoutLineMarks(std::u16string_view line, int x0, int w, int left, int right, bool hardEnd,
                     int tabWidth, std::vector<TMark>& marks) {
  if (tabWidth < 1) tabWidth = MarkTabWidth;
  long long col = 0;
  for (char16_t c : line) {
    char16_t glyph = MarkFor(c);
    if (glyph == 0) {
      ++col;
      continue;
    }
    long long a = x0 + static_cast<long long>(w) * col;
    col = (c == u'\t') ? (col / tabWidth + 1) * tabWidth : col + 1;
    long long b = x0 + static_cast<long long>(w) * col;
    if (left < b && a < right && b - a > 0) {
      long long x = (b - a > w) ? a + (b - a - w) / 2 : a;
      marks.push_back({static_cast<int>(x), glyph});
    }
  }
  if (hardEnd) {
    long long x = x0 + static_cast<long long>(w) * col;
    if (left <= x && x < right) marks.push_back({static_cast<int>(x), u'¶'});
  }
}

long UnwrapCoordinate(short shown, long estimate) {
  long value = shown;
  long turns = (estimate - value + (estimate >= value ? 32768 : -32768)) / 65536;
  return value + turns * 65536;
}
