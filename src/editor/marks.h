// Where the control-character display draws its marks on one line.
#pragma once

#include <string_view>
#include <vector>

struct TMark {
  int X;
  char16_t Glyph;
};

constexpr int MarkTabWidth = 4;

// The mark drawn for a character, or 0 for none: tab "→", space "·",
// no-break space "°", narrow no-break space "_".
char16_t MarkFor(char16_t c);

// Marks of one line whose first character starts at x0, with columns w pixels
// wide, clipped to the formatting rectangle's left and right edges. A tab
// advances to the next multiple of tabWidth columns (below 1 counts as 4) and
// its mark is centred in its span when that is wider than one column. A hard
// line end adds "¶" after the last column.
void LayoutLineMarks(std::u16string_view line, int x0, int w, int left, int right, bool hardEnd,
                     int tabWidth, std::vector<TMark>& marks);

// How many of a line's first units can start left of right when the first
// starts at x0 with columns w pixels wide. Every unit takes at least one
// column, so no later unit and no line end after them can show.
std::size_t UnitsThatCanShow(int x0, int w, int right);

// EM_POSFROMCHAR gives a coordinate in 16 bits: the true value is `shown`
// plus a multiple of 65,536. Returns the one nearest to `estimate` (from the
// scroll position), so a line scrolled beyond 32,767 pixels keeps its place.
long UnwrapCoordinate(short shown, long estimate);
