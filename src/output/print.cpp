#include "output/print.h"

#include <cstdint>

#include "base/texts.h"
#include "platform/memory.h"

TPrintFont PrintFontFor(TPrintMode mode, bool aptosInstalled) {
  if (mode != SansSerif) return {11, u"Consolas"};
  return {12, aptosInstalled ? u"Aptos" : u"Arial"};
}

int MulDivRound(int a, int b, int c) {
  if (c == 0) return 0;
  std::int64_t product = static_cast<std::int64_t>(a) * b;
  std::int64_t divisor = c;
  if (divisor < 0) {
    divisor = -divisor;
    product = -product;
  }
  std::int64_t rounded = ((product < 0 ? -product : product) + divisor / 2) / divisor;
  return static_cast<int>(product < 0 ? -rounded : rounded);
}

TPageLayout PageLayout(const TPrinterMetrics& printer) {
  TPageLayout layout;
  layout.HorzRes = printer.HorzRes;
  layout.TextLeft = ToDevice(20, printer.DpiX);
  layout.TextTop = ToDevice(10, printer.DpiY);
  layout.TextRight = printer.HorzRes - ToDevice(15, printer.DpiX);
  layout.TextBottom = printer.VertRes - ToDevice(15, printer.DpiY);
  layout.FooterLeft = ToDevice(15, printer.DpiX);
  layout.FooterRight = printer.HorzRes - ToDevice(15, printer.DpiX);
  layout.EmptyLineHeight = MulDivRound(10, printer.DpiY, 72) / 2;  // half of 10 points
  return layout;
}

bool MakePrintable(std::u16string& text) {
  if (!TryReserve(text, text.size() + 2)) return false;
  text.append(u"\r\n");
  return true;
}

bool SplitParagraphs(std::u16string_view text, std::vector<TParagraph>& paragraphs) {
  paragraphs.clear();
  std::size_t count = 0;
  for (std::size_t k = 0; k < text.size(); ++k)
    count += text[k] == u'\n' || (text[k] == u'\r' && (k + 1 == text.size() || text[k + 1] != u'\n'));
  if (!TryReserve(paragraphs, count + 1)) return false;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t end = text.find_first_of(u"\r\n", i);
    if (end == std::u16string_view::npos) end = text.size();
    TParagraph paragraph;
    paragraph.Start = i;
    paragraph.Length = end - i;
    paragraphs.push_back(paragraph);
    i = end;
    if (i < text.size()) i += text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
  }
  return true;
}

int PlaceParagraphs(std::vector<TParagraph>& paragraphs, const TPageLayout& layout) {
  int page = 1;
  int y = layout.TextTop;
  for (TParagraph& paragraph : paragraphs) {
    if (paragraph.Length == 0) {
      paragraph.Page = page;
      paragraph.Top = y;
      y += layout.EmptyLineHeight;
      continue;
    }
    if (y + paragraph.Height > layout.TextBottom) {
      ++page;
      y = layout.TextTop;
    }
    paragraph.Page = page;
    paragraph.Top = y;
    y += paragraph.Height;
  }
  return page;
}

std::u16string_view BaseName(std::u16string_view path) {
  std::size_t slash = path.find_last_of(u"\\/");
  return slash == std::u16string_view::npos ? path : path.substr(slash + 1);
}

std::u16string PrintJobName(std::u16string_view fileName) {
  if (fileName.empty()) return UntitledName;
  return std::u16string(BaseName(fileName).substr(0, 259));
}

std::u16string PageNumberText(int page) {
  if (page <= 1) return std::u16string();
  std::u16string number;
  for (unsigned n = static_cast<unsigned>(page); n != 0; n /= 10) number.insert(number.begin(), char16_t(u'0' + n % 10));
  return u"\u2013 " + number + u" \u2013";
}
