// The edit control's lines, found in its text: what EM_LINEFROMCHAR,
// EM_LINEINDEX and EM_LINELENGTH answer while word wrap is off, without a
// message per line. A line ends at CR LF, or at CR CR LF (the control's soft
// break); a lone CR or LF is a character of its line. A position belongs to
// the line whose text or break holds it; the text's end to the last line.
#pragma once

#include <cstddef>
#include <string_view>

// The first index of the line that holds position p (p at most the length).
std::size_t LineStartOf(std::u16string_view text, std::size_t p);

// The end of the line's own text (its length is this minus start), the
// line starting at start.
std::size_t LineEnd(std::u16string_view text, std::size_t start);

// The first index of the next line, or npos when the line starting at start
// is the last.
std::size_t NextLineStart(std::u16string_view text, std::size_t start);

// The line number (from 0) of the line that holds position p.
std::size_t LineNumberOf(std::u16string_view text, std::size_t p);

// The first index of line n (from 0), or npos when the text has fewer lines.
std::size_t LineStartAt(std::u16string_view text, std::size_t n);

// A run of whole lines: from the first index of its first line to the end of
// its last line's own text (End), and the first index of the line after it
// (After, npos when the last line is the text's). Lines counts them.
struct TLineBlock {
  std::size_t Start = 0;
  std::size_t End = 0;
  std::size_t After = 0;
  std::size_t Lines = 0;
};

// The lines from the one that holds first to the one that holds last.
TLineBlock LinesBetween(std::u16string_view text, std::size_t first, std::size_t last);
