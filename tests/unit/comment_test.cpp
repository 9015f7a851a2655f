#include "commands/comment.h"
#include "rules_by_value.h"

#include <random>

#include "test_support.h"

namespace {

struct TToggled {
  std::u16string Text;
  std::int64_t SelStart;
  std::int64_t SelEnd;
};

// Toggles a whole block as the command does once it has cut the block out,
// and checks that the plan's length agrees with the built text.
TToggled Toggle(std::u16string_view block, std::u16string_view ext, std::int64_t a = 0,
                std::int64_t b = 0) {
  TCommentSyntax syntax = CommentSyntaxFor(ext);
  TEditPlan plan;
  std::int64_t growth = PlanCommentToggle(block, syntax.Opener, syntax.Closer, plan);
  std::u16string built = BuildCommentToggle(block, syntax.Opener, syntax.Closer);
  CHECK(static_cast<std::int64_t>(built.size()) == static_cast<std::int64_t>(block.size()) + growth);
  return {built, MapOffset(plan, a), MapOffset(plan, b)};
}

}  // namespace

TEST_CASE("the syntax table picks markers by extension, ignoring case") {
  struct {
    const char16_t* ext;
    const char16_t* opener;
    const char16_t* closer;
  } rows[] = {
      {u".CMD", u"REM ~ ", u""}, {u".Htm", u"<!-- ", u" -->"}, {u".txt", u"[", u"]"},
      {u"", u"# ", u""},         {u".", u"# ", u""},           {u".batch", u"# ", u""},
  };
  for (auto& row : rows) {
    CAPTURE(std::u16string(row.ext));
    TCommentSyntax s = CommentSyntaxFor(row.ext);
    CHECK(std::u16string(s.Opener) == row.opener);
    CHECK(std::u16string(s.Closer) == row.closer);
  }
}

TEST_CASE("line tests") {
  // Each test looks only at its line, here the middle one of "|...|".
  auto line = [](std::u16string_view l) { return u"x\r\n" + std::u16string(l) + u"\r\nx"; };
  auto lead = [&](std::u16string_view l) { return LeadingBlanks(line(l), 3, l.size()); };
  auto trimmed = [&](std::u16string_view l) { return TrimmedLength(line(l), 3, l.size()); };
  auto blank = [&](std::u16string_view l) { return IsBlankLine(line(l), 3, l.size()); };
  auto opener = [&](std::u16string_view l, std::u16string_view o) { return HasOpener(line(l), 3, l.size(), o); };
  std::size_t pos = 99;
  auto closer = [&](std::u16string_view l, std::u16string_view c) {
    return HasCloser(line(l), 3, l.size(), c, pos);
  };
  CHECK(lead(u" \t x ") == 3);
  CHECK(lead(u"") == 0);
  CHECK(trimmed(u" x \t ") == 2);
  CHECK(trimmed(u" \t") == 0);
  CHECK(blank(u" \t"));
  CHECK(blank(u""));
  CHECK_FALSE(blank(u" \u00A0"));
  CHECK(opener(u"  rem ~ x", u"REM ~ "));
  CHECK(opener(u"REM ~ ", u"REM ~ "));
  CHECK_FALSE(opener(u"  REM ~", u"REM ~ "));  // shorter than the opener
  CHECK_FALSE(opener(u"x REM ~ ", u"REM ~ "));
  CHECK_FALSE(opener(u"\u00E4", u"\u00C4"));  // only a-z fold
  CHECK(closer(u"a */ \t", u" */"));
  CHECK(pos == 1);
  CHECK_FALSE(closer(u"a *\\ ", u" */"));
  CHECK_FALSE(closer(u"a * /", u" */"));
  CHECK_FALSE(closer(u"*/", u" */"));
  CHECK_FALSE(closer(u"a */", u""));
  CHECK_FALSE(closer(u"a */", u" */ "));  // the closer is compared exactly
}

TEST_CASE("toggling single lines") {
  CHECK(Toggle(u"  echo x", u".bat").Text == u"  REM ~ echo x");
  CHECK(Toggle(u"  REM ~ echo x", u".bat").Text == u"  echo x");
  CHECK(Toggle(u"rem ~ echo x", u".bat").Text == u"echo x");
  CHECK(Toggle(u"a { }  ", u".css").Text == u"/* a { } */  ");
  CHECK(Toggle(u"/* a */", u".css").Text == u"a");
  CHECK(Toggle(u"/* a", u".css").Text == u"/* /* a */");
  CHECK(Toggle(u"/* a */\t \r\n", u".css").Text == u"a\t \r\n");
  CHECK(Toggle(u"x\r\n", u"").Text == u"# x\r\n");
  CHECK(Toggle(u"\tkey=1\r\n", u".INI").Text == u"\t; key=1\r\n");
  CHECK(Toggle(u"[note]", u".txt").Text == u"note");
  CHECK(Toggle(u"<!-- p -->", u".html").Text == u"p");
  // The closer is compared exactly: a lower-case closer does not count.
  CHECK(Toggle(u"<# a #>", u".ps1").Text == u"a");
}

TEST_CASE("a block toggles each line on its own; blank lines stay") {
  CHECK(Toggle(u"a\r\n/* b */\r\nc\r\n", u".css").Text == u"/* a */\r\nb\r\n/* c */\r\n");
  CHECK(Toggle(u"x\r\n  \t\r\n\r\ny", u".bat").Text == u"REM ~ x\r\n  \t\r\n\r\nREM ~ y");
  // Only blank and empty lines: nothing is planned, the block stays.
  TEditPlan plan;
  CHECK(PlanCommentToggle(u" \r\n\t\r\n", u"# ", u"", plan) == 0);
  CHECK(plan.empty());
  // Lone breaks and runs of breaks are copied as they are.
  CHECK(Toggle(u"a\rb\n\r\nc", u"").Text == u"# a\r# b\n\r\n# c");
}

TEST_CASE("markers that would share units do not count as a comment") {
  // In '/* */' the middle space would be the end of the opener and the start
  // of the closer; the line gets markers, and toggling again gives it back.
  TToggled once = Toggle(u"/* */", u".css");
  CHECK(once.Text == u"/* /* */ */");
  CHECK(Toggle(once.Text, u".css").Text == u"/* */");
  CHECK(Toggle(u"  <!-- -->  \r\n", u".htm").Text == u"  <!-- <!-- --> -->  \r\n");
  CHECK(Toggle(u"<# #>", u".ps1").Text == u"<# <# #> #>");
  // Markers that just meet are a comment of nothing: the line is left blank-free.
  CHECK(Toggle(u"/*  */", u".css").Text == u"");
  CHECK(Toggle(u"[]", u".txt").Text == u"");
  CHECK(Toggle(u"  []\r\n", u".txt").Text == u"  \r\n");
}

TEST_CASE("the selection follows the text") {
  // Caret between 'a' and 'bc' stays there.
  TToggled t = Toggle(u"abc", u".css", 1, 1);
  CHECK(t.Text == u"/* abc */");
  CHECK(t.SelStart == 4);
  CHECK(t.SelEnd == 4);
  // Two whole lines: from behind the first opener to the end of the block.
  t = Toggle(u"x\r\ny\r\n", u".bat", 0, 6);
  CHECK(t.Text == u"REM ~ x\r\nREM ~ y\r\n");
  CHECK(t.SelStart == 6);
  CHECK(t.SelEnd == 18);
  // Inside a removed opener the offset lands where the opener was.
  t = Toggle(u"  REM ~ x", u".bat", 4, 9);
  CHECK(t.Text == u"  x");
  CHECK(t.SelStart == 2);
  CHECK(t.SelEnd == 3);
  // At a removed opener's start the offset stays; at an insertion it moves
  // behind the inserted opener.
  t = Toggle(u"/* a */\r\nb", u".css", 0, 9);
  CHECK(t.Text == u"a\r\n/* b */");
  CHECK(t.SelStart == 0);
  CHECK(t.SelEnd == 6);
}

TEST_CASE("plan and build agree on random blocks") {
  const char16_t alphabet[] = u"  \t\r\n/*a<!->#[]REMrem~;";
  const char16_t* exts[] = {u".bat", u".html", u".css", u".ps1", u".txt", u".ini", u""};
  std::mt19937 rng(7);
  for (int round = 0; round < 4000; ++round) {
    std::u16string block;
    std::size_t len = rng() % 24;
    for (std::size_t i = 0; i < len; ++i) block += alphabet[rng() % (sizeof(alphabet) / 2 - 1)];
    for (const char16_t* ext : exts) {
      CAPTURE(block);
      TCommentSyntax s = CommentSyntaxFor(ext);
      TEditPlan plan;
      std::int64_t growth = PlanCommentToggle(block, s.Opener, s.Closer, plan);
      std::u16string built = BuildCommentToggle(block, s.Opener, s.Closer);
      REQUIRE(static_cast<std::int64_t>(built.size()) == static_cast<std::int64_t>(block.size()) + growth);
      CHECK(MapOffset(plan, static_cast<std::int64_t>(block.size())) == static_cast<std::int64_t>(built.size()));
      bool ordered = true;
      for (std::size_t i = 0; i + 1 < plan.size(); ++i) ordered = ordered && plan[i].Pos <= plan[i + 1].Pos;
      std::int64_t previous = 0;
      for (std::int64_t x = 0; x <= static_cast<std::int64_t>(block.size()); ++x) {
        std::int64_t y = MapOffset(plan, x);
        ordered = ordered && y >= previous;
        previous = y;
      }
      REQUIRE(ordered);
    }
  }
}

TEST_CASE("the block of a selection: whole lines, a last line only touched at its start left out") {
  // "ab\r\ncd\r\nef": lines at 0, 4 and 8.
  const std::u16string_view text = u"ab\r\ncd\r\nef";
  struct TCase {
    std::size_t Start, End, BlockStart, BlockEnd;
  };
  const TCase cases[] = {
      {0, 0, 0, 4},    // a caret: its line with its break
      {1, 1, 0, 4},
      {5, 5, 4, 8},
      {9, 9, 8, 10},   // the last line has no break
      {10, 10, 8, 10},
      {1, 4, 0, 4},    // ends at the next line's first index: that line is left out
      {1, 5, 0, 8},
      {0, 8, 0, 8},
      {0, 10, 0, 10},
      {3, 3, 0, 4},    // inside the break belongs to the line before
      {4, 4, 4, 8},
  };
  for (const TCase& c : cases) {
    std::size_t from = 99, to = 99;
    CommentBlock(text, c.Start, c.End, from, to);
    CAPTURE(c.Start);
    CAPTURE(c.End);
    CHECK(from == c.BlockStart);
    CHECK(to == c.BlockEnd);
  }
  std::size_t from = 1, to = 1;
  CommentBlock(u"", 0, 0, from, to);
  CHECK((from == 0 && to == 0));
}
