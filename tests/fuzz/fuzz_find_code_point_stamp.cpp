// Random text through the search, replace all, the code-point conversion and
// line duplication: the search agrees with the unit-by-unit definition,
// replace all with the literal loop over it, a character turned into its code
// point turns back, and a duplicated line is the line and a break.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "commands/code_point.h"
#include "commands/find.h"
#include "commands/stamp.h"
#include "rules_by_value.h"
#include "editor/word_delete.h"
#include "platform/text.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

std::ptrdiff_t LiteralFind(std::u16string_view text, std::u16string_view pattern, std::size_t start,
                           unsigned flags) {
  std::size_t n = text.size(), m = pattern.size();
  for (std::size_t p = start; m > 0 && p + m <= n; ++p) {
    std::size_t k = 0;
    while (k < m && ((flags & FindMatchCase) ? text[p + k] == pattern[k]
                                             : UpperChar(text[p + k]) == UpperChar(pattern[k])))
      ++k;
    if (k < m) continue;
    if ((flags & FindWholeWord) &&
        ((p > 0 && IsWordChar(text[p - 1])) || (p + m < n && IsWordChar(text[p + m]))))
      continue;
    return static_cast<std::ptrdiff_t>(p);
  }
  return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  // Byte 0: options and pattern length; byte 1: start. Then units from a
  // small alphabet (so that matches are frequent) or, after a 0xFF byte, a
  // whole unit from the next two bytes.
  static const char16_t alphabet[] = u"aAbB_ 9-\u00E4\u00C4\u00DFsS\u017F\u0131iI\r\n\xD83D\xDE00xX.";
  constexpr std::size_t alphabetSize = sizeof alphabet / sizeof alphabet[0] - 1;
  unsigned flags = data[0] & (FindWholeWord | FindMatchCase);
  std::size_t patternLength = 1 + (data[0] >> 4) % 4;
  std::u16string text;
  for (std::size_t i = 2; i < size; ++i) {
    if (data[i] == 0xFF && i + 2 < size) {
      text += static_cast<char16_t>(data[i + 1] | (data[i + 2] << 8));
      i += 2;
    } else {
      text += alphabet[data[i] % alphabetSize];
    }
  }
  if (text.size() <= patternLength) return 0;
  std::u16string pattern = text.substr(0, patternLength);
  std::u16string tiled = text.substr(patternLength);
  // Long texts take the search's block filter: repeat short ones past it.
  if ((data[0] & 0x08) && (data[1] & 0x01))
    while (tiled.size() < 2200) tiled += tiled;
  std::u16string_view body = tiled;
  std::size_t start = (data[1] * body.size() / 256) % (body.size() + 1);

  Check(FindInText(body, pattern, static_cast<std::ptrdiff_t>(start), flags) ==
        LiteralFind(body, pattern, start, flags));

  std::u16string expected;
  std::size_t q = 0, count = 0;
  for (std::ptrdiff_t p; (p = LiteralFind(body, pattern, q, flags)) >= 0; ++count) {
    expected.append(body.substr(q, static_cast<std::size_t>(p) - q));
    expected += u"<>";
    q = static_cast<std::size_t>(p) + pattern.size();
  }
  expected.append(body.substr(q));
  Check(CountMatches(body, pattern, flags) == count);
  std::u16string built(expected.size(), u'#');
  Check(BuildReplaced(body, pattern, u"<>", flags, built.data(), built.size()) == built.size());
  Check(built == expected);

  // Code point: a character (not U+0000) turned into U+XXXX turns back.
  std::size_t caret = start;
  TTextEdit edit{};
  if (CodePointEdit(body, caret, edit)) {
    Check(edit.start <= edit.end && edit.end == caret);
    std::u16string once(body);
    once.replace(edit.start, edit.end - edit.start, edit.text);
    bool toCodePoint = edit.text.size() >= 6 && edit.text[0] == u'U' && edit.text[1] == u'+';
    std::u16string_view original = body.substr(edit.start, edit.end - edit.start);
    if (toCodePoint && original != std::u16string_view(u"\0", 1)) {
      TTextEdit back{};
      Check(CodePointEdit(once, edit.start + edit.text.size(), back));
      Check(back.start == edit.start && back.text == original);
    }
  }

  // Duplicate: the insertion is empty or the line and CR LF, maybe after CR LF.
  std::size_t breakAt = body.find(u"\r\n");
  std::u16string_view line = body.substr(0, breakAt == std::u16string_view::npos ? body.size() : breakAt);
  std::u16string insertion = DuplicateLineText(line, breakAt == std::u16string_view::npos, body.substr(body.size() - 1));
  Check(insertion.empty() || insertion.size() >= line.size() + 2);
  if (!insertion.empty()) Check(insertion.substr(insertion.size() - line.size() - 2) == std::u16string(line) + u"\r\n");
  return 0;
}
