#include <functional>

#include "commands/case_sort.h"
#include "commands/cleanup.h"
#include "commands/comment.h"
#include "commands/stamp.h"
#include "document/document_rules.h"
#include "document/encoding.h"
#include "output/pdf_export.h"
#include "output/print.h"
#include "platform/memory.h"
#include "test_support.h"

namespace {

// Lifts the allocation limit again however the test case ends.
struct TLimit {
  explicit TLimit(std::size_t bytes) { SetAllocationLimitForTests(bytes); }
  ~TLimit() { SetAllocationLimitForTests(0); }
};

// A document of some thousand units: short lines, tabs, blanks at line ends,
// lone LFs, characters beyond ANSI, commented and plain lines.
std::u16string Document() {
  std::u16string text;
  for (int i = 0; i < 400; ++i) {
    text += i % 3 == 0 ? u"REM ~ zeile\t" : u"b\u00E4r \u20AC\u4E2D ";
    text += i % 7 == 0 ? u"\n" : u"\r\n";
  }
  return text;
}

// One document-sized step of a command: false when it gave up, and then the
// output it leaves is empty (or, for in-place steps, the input as it was).
struct TStep {
  const char* Name;
  std::function<bool(const std::u16string& text, bool& untouched)> Run;
};

}  // namespace

TEST_CASE("every document-sized step gives up cleanly when its memory cannot be had") {
  const std::u16string text = Document();
  const std::string bytes = [&] {
    std::string b;
    EncodeUtf8(text, b);
    return b;
  }();
  const TStep steps[] = {
      {"upper case", [](const std::u16string& t, bool& u) { std::u16string o; bool r = ConvertedCase(t, true, o); u = o.empty(); return r; }},
      {"sort", [](const std::u16string& t, bool& u) { std::u16string o; bool r = SortedBlock(t, true, o); u = o.empty(); return r; }},
      {"comment plan", [](const std::u16string& t, bool& u) {
         TEditPlan p; std::int64_t g = 1; bool r = PlanCommentToggle(t, u"REM ~ ", u"", p, g); u = p.empty() && g == 0; return r; }},
      {"comment build", [](const std::u16string& t, bool& u) { std::u16string o; bool r = BuildCommentToggle(t, u"/* ", u" */", o); u = o.empty(); return r; }},
      {"clean-up", [](const std::u16string& t, bool& u) { std::u16string o; bool r = CleanUpText(t, o); u = o.empty(); return r; }},
      {"duplicate line", [](const std::u16string& t, bool& u) { std::u16string o; bool r = DuplicateLineText(t, true, u"x", o); u = o.empty(); return r; }},
      {"CR LF copy", [](const std::u16string& t, bool& u) { std::u16string o; bool r = ToCrLf(t, o); u = o.empty(); return r; }},
      {"CR LF in place", [](const std::u16string& t, bool& u) { std::u16string c = t; bool r = ToCrLfInPlace(c); u = c == t; return r; }},
      {"UTF-8", [](const std::u16string& t, bool& u) { std::string o; bool r = EncodeUtf8(t, o); u = o.empty(); return r; }},
      {"ANSI", [](const std::u16string& t, bool& u) { std::string o; bool r = EncodeAnsi(t, o); u = o.empty(); return r; }},
      {"MS-DOS", [](const std::u16string& t, bool& u) { std::string o; bool x = false; bool r = EncodeDos437(t, o, x); u = o.empty(); return r; }},
      {"save", [](const std::u16string& t, bool& u) { std::string o; bool r = EncodeForSave(t, true, u"a.txt", o); u = o.empty(); return r; }},
      {"PDF temp copy", [](const std::u16string& t, bool& u) { std::string o; bool r = TempUtf8Bytes(t, o); u = o.empty(); return r; }},
      {"printable text", [](const std::u16string& t, bool& u) { std::u16string c = t; c.shrink_to_fit(); bool r = MakePrintable(c); u = c == t; return r; }},
      {"paragraphs", [](const std::u16string& t, bool& u) { std::vector<TParagraph> p; bool r = SplitParagraphs(t, p); u = p.empty(); return r; }},
  };
  const std::function<bool(bool&)> loads[] = {
      [&](bool& u) { TDecodedDocument d; bool r = DecodeDocument(u"a.txt", bytes.data(), bytes.size(), d); u = d.Text.empty(); return r; },
      [&](bool& u) { std::string b = bytes; TDecodedDocument d; bool r = DecodeDosDocument(b.data(), b.size(), d); u = d.Text.empty(); return r; },
      [&](bool& u) { std::u16string o; bool r = DecodeUtf16(bytes.data(), bytes.size(), o); u = o.empty(); return r; },
      [&](bool& u) { std::u16string o; bool r = DecodeUtf16BigEndian(bytes.data(), bytes.size(), o); u = o.empty(); return r; },
      [&](bool& u) { std::u16string o; bool r = DecodeCodePage(437, bytes.data(), bytes.size(), o); u = o.empty(); return r; },
  };

  for (std::size_t limit : {std::size_t{0}, std::size_t{1000}}) {
    TLimit guard(limit);
    bool fails = limit != 0;
    for (const TStep& step : steps) {
      CAPTURE(step.Name);
      CAPTURE(limit);
      bool untouched = false;
      CHECK(step.Run(text, untouched) == !fails);
      if (fails) CHECK(untouched);
    }
    for (std::size_t i = 0; i < std::size(loads); ++i) {
      CAPTURE(i);
      bool untouched = false;
      CHECK(loads[i](untouched) == !fails);
      if (fails) CHECK(untouched);
    }
  }
}

TEST_CASE("the sort gives up at every one of its allocations") {
  // Each limit between nothing and enough lets a different allocation fail
  // first; every one of them must answer false, never a partial result.
  std::u16string text = Document();
  std::u16string full;
  REQUIRE(SortedBlock(text, true, full));
  std::size_t failures = 0;
  for (std::size_t limit = 64; limit < 64 * 1024; limit += 64) {
    TLimit guard(limit);
    std::u16string out;
    bool done = SortedBlock(text, true, out);
    failures += !done;
    CAPTURE(limit);
    REQUIRE((done ? out == full : out.empty()));
  }
  CHECK(failures > 0);
}

TEST_CASE("a buffer grown for a document is the size its check asked for, not the container's doubling") {
  // Printing adds a line break to the text: the check and the block are
  // one copy and two units, never two copies.
  std::u16string text(100000, u'x');
  text.shrink_to_fit();
  REQUIRE(MakePrintable(text));
  CHECK(text.size() == 100002);
  CHECK(text.capacity() < 100064);
  {
    TLimit guard(1000);
    CHECK(CanAllocateAll({1000, 1000, 0}));
    CHECK_FALSE(CanAllocateAll({1000, 1001}));
  }
  std::vector<int> numbers(5000, 7);
  REQUIRE(TryReserve(numbers, 5001));
  CHECK(numbers.capacity() == 5001);
  CHECK(numbers[4999] == 7);
}
