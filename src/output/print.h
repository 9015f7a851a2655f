// Page layout of a printout: lengths in 1/25 inch turned into printer units,
// paragraphs split at line breaks and placed on pages, and the footer texts.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

enum TPrintMode { FixedPitch = 0, SansSerif = 1 };

// The print font of a mode: fixed pitch 11 points of Consolas; sans serif 12
// points of Aptos where it is installed, else Arial.
struct TPrintFont {
  int Points;
  const char16_t* Face;
};
TPrintFont PrintFontFor(TPrintMode mode, bool aptosInstalled);

// Tabs print to the next multiple of this many average character widths.
constexpr int PrintTabWidth = 4;

// a * b / c rounded to the nearest integer (halves away from zero), as the
// platform's MulDiv; 0 when c is 0.
int MulDivRound(int a, int b, int c);

// n units of 1/25 inch at the given dots per inch.
inline int ToDevice(int n, int dotsPerInch) { return MulDivRound(n, dotsPerInch, 25); }

// The font height for CreateFontW: minus the points in device pixels.
inline int FontHeight(int points, int dotsPerInchY) { return -MulDivRound(points, dotsPerInchY, 72); }

// The printer's page size and resolution (GetDeviceCaps).
struct TPrinterMetrics {
  int HorzRes = 0;
  int VertRes = 0;
  int DpiX = 0;
  int DpiY = 0;
};

// Where text and footer go, in printer units.
struct TPageLayout {
  int HorzRes = 0;
  int TextLeft = 0;
  int TextTop = 0;
  int TextRight = 0;
  int TextBottom = 0;  // the bottom limit of the text and the top of the footer line
  int FooterLeft = 0;
  int FooterRight = 0;  // the right edge of the footer date
  int EmptyLineHeight = 0;
};

TPageLayout PageLayout(const TPrinterMetrics& printer);

// The x of a footer text of that width centred on the page, and of the date
// ending at the footer's right edge.
inline int FooterCentreX(const TPageLayout& layout, int width) { return (layout.HorzRes - width) / 2; }
inline int FooterDateX(const TPageLayout& layout, int width) { return layout.FooterRight - width; }

// One paragraph of the printed text: the units up to the next CR or LF. The
// printing shell fills Height (the measured height; empty paragraphs need
// none), PlaceParagraphs fills Page and Top.
struct TParagraph {
  std::size_t Start = 0;
  std::size_t Length = 0;
  int Height = 0;
  int Page = 1;
  int Top = 0;
};

// The editor's text made the text that is printed: CR LF appended, so the
// last paragraph ends in a break too. False, with the text as it was, when
// the memory for it cannot be had.
bool MakePrintable(std::u16string& text);

// The paragraphs of a text. CR LF, a lone CR and a lone LF each end one
// paragraph; so two breaks in a row give an empty paragraph between them.
// False, with none, when the memory for them cannot be had.
bool SplitParagraphs(std::u16string_view text, std::vector<TParagraph>& paragraphs);

// Places the paragraphs top down. An empty paragraph moves down by the empty
// line height; any other starts a new page when it would reach below the
// bottom limit, and is never split, so one taller than the page runs past the
// limit. Returns the number of pages (at least 1).
int PlaceParagraphs(std::vector<TParagraph>& paragraphs, const TPageLayout& layout);

// The part after the last "\" or "/"; the whole path when it has neither.
std::u16string_view BaseName(std::u16string_view path);

// The print job's name: the file's base name cut to 259 units, or "Unbenannt".
std::u16string PrintJobName(std::u16string_view fileName);

// The centred footer text: empty on page 1, "– n –" from page 2 on.
std::u16string PageNumberText(int page);
