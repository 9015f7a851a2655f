#include "base/texts.h"
#include "output/pdf_export.h"
#include "output/print.h"
#include "rules_by_value.h"
#include "test_support.h"

namespace {

// The paragraphs of the text as (start, length) pairs.
std::vector<std::pair<std::size_t, std::size_t>> Split(std::u16string_view text) {
  std::vector<std::pair<std::size_t, std::size_t>> result;
  for (const TParagraph& p : SplitParagraphs(text)) result.emplace_back(p.Start, p.Length);
  return result;
}

using Runs = std::vector<std::pair<std::size_t, std::size_t>>;

// Paragraphs of the given heights; 0 stands for an empty paragraph.
std::vector<TParagraph> Paragraphs(std::initializer_list<int> heights) {
  std::vector<TParagraph> result;
  for (int h : heights) {
    TParagraph p;
    p.Length = h == 0 ? 0 : 1;
    p.Height = h;
    result.push_back(p);
  }
  return result;
}

TPageLayout SmallPage() {
  TPageLayout layout;
  layout.TextTop = 10;
  layout.TextBottom = 100;
  layout.EmptyLineHeight = 5;
  return layout;
}

}  // namespace

TEST_CASE("print lengths: 1/25 inch and points rounded as MulDiv rounds") {
  // A4 at 600 dpi.
  TPageLayout a4 = PageLayout({4960, 7016, 600, 600});
  CHECK(a4.TextLeft == 480);
  CHECK(a4.TextTop == 240);
  CHECK(a4.TextRight == 4600);
  CHECK(a4.TextBottom == 6656);
  CHECK(a4.FooterLeft == 360);
  CHECK(a4.FooterRight == 4600);
  CHECK(a4.EmptyLineHeight == 41);  // 83.3 rounds to 83, halved toward zero
  // At 96 dpi every length has a fraction: 76.8, 38.4, 57.6 and 13.3 / 2.
  TPageLayout screen = PageLayout({794, 1123, 96, 96});
  CHECK(screen.TextLeft == 77);
  CHECK(screen.TextTop == 38);
  CHECK(screen.TextRight == 794 - 58);
  CHECK(screen.TextBottom == 1123 - 58);
  CHECK(screen.EmptyLineHeight == 6);
  CHECK(FontHeight(11, 600) == -92);
  CHECK(FontHeight(12, 96) == -16);
  CHECK(MulDivRound(5, 1, 2) == 3);
  CHECK(MulDivRound(-5, 1, 2) == -3);
  CHECK(MulDivRound(5, 1, -2) == -3);
  CHECK(MulDivRound(1 << 30, 6, 4) == 1610612736);  // the product does not overflow
  CHECK(FooterCentreX(a4, 100) == 2430);
  CHECK(FooterDateX(a4, 600) == 4000);
}

TEST_CASE("paragraphs end at CR LF, a lone CR or a lone LF") {
  CHECK(Split(PrintableText(u"")) == Runs{{0, 0}});  // an empty document: one empty paragraph
  CHECK(Split(PrintableText(u"abc")) == Runs{{0, 3}});
  CHECK(Split(PrintableText(u"abc\r\n")) == Runs{{0, 3}, {5, 0}});
  CHECK(Split(u"a\r\n\r\nb\r\n") == Runs{{0, 1}, {3, 0}, {5, 1}});  // two breaks: one empty paragraph
  CHECK(Split(u"a\rb\nc\n\rd\r\n") == Runs{{0, 1}, {2, 1}, {4, 1}, {6, 0}, {7, 1}});
  CHECK(Split(u"a\r\r\n") == Runs{{0, 1}, {2, 0}});
  CHECK(Split(u"\t& x\r\n") == Runs{{0, 4}});
}

TEST_CASE("paragraphs go on pages whole; empty ones only move down") {
  SUBCASE("a paragraph that would reach below the limit starts a page; one that ends on it stays") {
    std::vector<TParagraph> ps = Paragraphs({40, 50, 1});
    CHECK(PlaceParagraphs(ps, SmallPage()) == 2);
    CHECK(ps[0].Page == 1);
    CHECK(ps[0].Top == 10);
    CHECK(ps[1].Page == 1);
    CHECK(ps[1].Top == 50);  // ends exactly at 100
    CHECK(ps[2].Page == 2);
    CHECK(ps[2].Top == 10);
  }
  SUBCASE("empty paragraphs add half a line and never break a page") {
    std::vector<TParagraph> ps = Paragraphs({80, 0, 0, 0, 0, 0, 0, 0});
    CHECK(PlaceParagraphs(ps, SmallPage()) == 1);
    CHECK(ps[1].Top == 90);
    CHECK(ps[7].Top == 120);  // past the limit, still page 1
    ps = Paragraphs({80, 0, 0, 0, 1});
    CHECK(PlaceParagraphs(ps, SmallPage()) == 2);
    CHECK(ps[4].Top == 10);
  }
  SUBCASE("a paragraph taller than the page runs past the limit from a fresh page") {
    std::vector<TParagraph> ps = Paragraphs({200, 0, 30});
    CHECK(PlaceParagraphs(ps, SmallPage()) == 3);  // page 1 holds only the footer
    CHECK(ps[0].Page == 2);
    CHECK(ps[0].Top == 10);
    CHECK(ps[1].Page == 2);
    CHECK(ps[2].Page == 3);
  }
  SUBCASE("an empty document is one page") {
    std::vector<TParagraph> ps = SplitParagraphs(PrintableText(u""));
    CHECK(PlaceParagraphs(ps, SmallPage()) == 1);
  }
}

TEST_CASE("footer and job names") {
  CHECK(BaseName(u"C:\\Texte\\brief.txt") == u"brief.txt");
  CHECK(BaseName(u"C:/Texte\\a/b.txt") == u"b.txt");
  CHECK(BaseName(u"brief.txt") == u"brief.txt");
  CHECK(BaseName(u"") == u"");
  CHECK(PrintJobName(u"") == u"Unbenannt");
  CHECK(PrintJobName(u"C:\\Texte\\brief.txt") == u"brief.txt");
  CHECK(PrintJobName(u"C:\\" + std::u16string(300, u'x')) == std::u16string(259, u'x'));
  CHECK(PageNumberText(1) == u"");
  CHECK(PageNumberText(2) == u"\u2013 2 \u2013");
  CHECK(PageNumberText(130) == u"\u2013 130 \u2013");
}

TEST_CASE("print fonts and the export's pre-checks") {
  CHECK(PrintFontFor(FixedPitch, true).Points == 11);
  CHECK(std::u16string_view(PrintFontFor(FixedPitch, true).Face) == u"Consolas");
  CHECK(PrintFontFor(SansSerif, false).Points == 12);
  CHECK(std::u16string_view(PrintFontFor(SansSerif, false).Face) == u"Arial");
  CHECK(std::u16string_view(PrintFontFor(SansSerif, true).Face) == u"Aptos");
  CHECK(ExportProblem(0, false, true) == NothingToExportText);
  CHECK(ExportProblem(0, true, false) == NothingToExportText);  // nothing to export comes first
  CHECK(ExportProblem(5, true, true) == NotSavedText);
  CHECK(ExportProblem(5, false, false) == NotSavedText);
  CHECK(ExportProblem(5, false, true) == nullptr);
}
