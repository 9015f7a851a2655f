// Random text through the comment toggle, the clean-up and the line sort:
// the toggle's plan matches what it builds, the clean-up leaves nothing to
// clean, and the sort gives the order of the literal exchange sort.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "commands/case_sort.h"
#include "rules_by_value.h"
#include "commands/cleanup.h"
#include "commands/comment.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

const char16_t* const Extensions[] = {u".bat", u".html", u".js", u".css", u".ps1", u".ini", u".txt", u""};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  // The first byte picks the syntax; then pairs of bytes are units, but
  // bytes below 0x20 stand alone so that blanks and breaks come often.
  TCommentSyntax syntax = CommentSyntaxFor(Extensions[data[0] % 8]);
  std::u16string text;
  for (std::size_t i = 1; i < size; ++i) {
    if (data[i] < 0x40 || i + 1 == size) {
      static const char16_t small[] = u" \t\r\n/*#[]<!->~;R";
      text += small[data[i] % 16];
    } else {
      text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
      ++i;
    }
  }

  TEditPlan plan;
  std::int64_t growth = PlanCommentToggle(text, syntax.Opener, syntax.Closer, plan);
  std::u16string toggled = BuildCommentToggle(text, syntax.Opener, syntax.Closer);
  Check(static_cast<std::int64_t>(toggled.size()) == static_cast<std::int64_t>(text.size()) + growth);
  Check(MapOffset(plan, static_cast<std::int64_t>(text.size())) == static_cast<std::int64_t>(toggled.size()));
  std::int64_t previous = 0;
  for (std::int64_t x = 0; x <= static_cast<std::int64_t>(text.size()); ++x) {
    std::int64_t y = MapOffset(plan, x);
    Check(y >= previous && y <= static_cast<std::int64_t>(toggled.size()));
    previous = y;
  }

  std::u16string cleaned = CleanUpText(text);
  Check(CleanUpText(cleaned) == cleaned);

  std::vector<std::u16string> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size() && lines.size() < 64; ++i) {
    if (i == text.size() || text[i] == u'\n') {
      lines.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  for (bool ascending : {true, false}) {
    std::vector<std::u16string> expected = lines;
    for (std::size_t i = 0; i + 1 < expected.size(); ++i) {
      for (std::size_t j = i + 1; j < expected.size(); ++j) {
        if (CompareLines(expected[i], expected[j], ascending) > 0) std::swap(expected[i], expected[j]);
      }
    }
    std::vector<std::u16string> sorted = lines;
    SortLines(sorted, ascending);
    Check(sorted == expected);
  }
  return 0;
}
