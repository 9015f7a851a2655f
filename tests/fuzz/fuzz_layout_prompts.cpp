// Random input through the layouts and the prompts' rules, chosen by the
// first byte: the marks of a line (from the line's start, left to right, the same
// for a line cut after the units that can show), the placing of paragraphs on
// pages (pages in order, never a paragraph split), the dialog template (the
// box read back from its bytes, clamped to 16 bits) and the number field
// (what it accepts is a decimal number that prints back the same; go to line
// stays inside the text), and random runs of the document record's events
// (each leaves the fields its row of the table names, and only those).
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "dialogs/dialog_template.h"
#include "dialogs/number_prompt.h"
#include "document/document_rules.h"
#include "document/document_state.h"
#include "editor/marks.h"
#include "output/print.h"

namespace {

void Check(bool ok) {
  if (!ok) std::abort();
}

// Reads the input front to back; past its end everything is zero.
struct TReader {
  const std::uint8_t* Data;
  std::size_t Size;
  std::size_t At = 0;
  std::uint32_t Next(std::uint32_t bound) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = v << 8 | (At < Size ? Data[At++] : 0);
    return bound == 0 ? v : v % bound;
  }
  int Between(int low, int high) { return low + static_cast<int>(Next(static_cast<std::uint32_t>(high - low + 1))); }
  std::u16string Units(std::size_t count) {
    static const char16_t pool[] = {u'a', u' ', u'\t', u'\u00A0', u'\u202F', u'x', u'\u00E4', u'\r'};
    std::u16string s;
    for (std::size_t i = 0; i < count && At < Size; ++i) s += pool[Data[At++] % 8];
    return s;
  }
};

void Marks(TReader& r) {
  int w = r.Between(0, 40);
  int x0 = r.Between(-100000, 2000);
  int left = r.Between(-50, 500);
  int right = r.Between(-50, 3000);
  int tab = r.Between(-2, 12);
  bool hard = r.Next(2) != 0;
  std::u16string line = r.Units(r.Next(600));
  std::vector<TMark> whole, part;
  LayoutLineMarks(line, x0, w, left, right, hard, tab, whole);
  Check(whole.size() <= line.size() + 1);
  for (std::size_t i = 0; i < whole.size(); ++i) {
    // A tab's arrow is centred in its span, which may reach past the edge.
    Check((whole[i].X < right || whole[i].Glyph == u'\u2192') && whole[i].X >= x0);
    if (i > 0) Check(whole[i - 1].X <= whole[i].X);
  }
  std::size_t reach = UnitsThatCanShow(x0, w, right);
  if (reach < line.size()) {
    LayoutLineMarks(std::u16string_view(line).substr(0, reach), x0, w, left, right, hard, tab, part);
    Check(part.size() == whole.size());
    for (std::size_t i = 0; i < part.size(); ++i) Check(part[i].X == whole[i].X && part[i].Glyph == whole[i].Glyph);
  }
}

void Pages(TReader& r) {
  TPrinterMetrics printer{r.Between(0, 20000), r.Between(0, 30000), r.Between(0, 2400), r.Between(0, 2400)};
  TPageLayout layout = PageLayout(printer);
  std::vector<TParagraph> paragraphs(r.Next(400));
  for (TParagraph& p : paragraphs) {
    p.Length = r.Next(3);
    p.Height = p.Length == 0 ? 0 : r.Between(0, 40000);
  }
  int pages = PlaceParagraphs(paragraphs, layout);
  Check(pages >= 1);
  int page = 1;
  for (const TParagraph& p : paragraphs) {
    Check(p.Page >= page && p.Page <= pages);
    // A paragraph starting a page starts at the top; one that fits below
    // the one before it never moves on.
    if (p.Page > page) Check(p.Top == layout.TextTop && p.Length != 0);
    page = p.Page;
  }
}

void Template(TReader& r) {
  TDialogBox box{static_cast<int>(r.Next(0)), static_cast<int>(r.Next(0)), static_cast<int>(r.Next(0)),
                 static_cast<int>(r.Next(0))};
  unsigned char bytes[DialogTemplateSize];
  std::memset(bytes, 0xCC, sizeof bytes);
  FillDialogTemplate(bytes, box);
  auto word = [&](int at) { return static_cast<std::int16_t>(bytes[at] | bytes[at + 1] << 8); };
  auto clamp = [](int v) { return v < SHRT_MIN ? SHRT_MIN : (v > SHRT_MAX ? SHRT_MAX : v); };
  Check(static_cast<std::uint32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 | bytes[3] << 24) ==
        DialogTemplateStyle);
  Check(word(8) == 0);
  Check(word(10) == clamp(box.x) && word(12) == clamp(box.y) && word(14) == clamp(box.cx) &&
        word(16) == clamp(box.cy));
  for (std::size_t i = 18; i < DialogTemplateSize; ++i) Check(bytes[i] == 0);
}

void Number(TReader& r) {
  static const char16_t pool[] = {u'0', u'1', u'5', u'9', u'-', u'+', u' ', u'\t', u'x', u'2', u'7', u'4'};
  std::u16string field;
  for (std::size_t n = r.Next(24); n > 0 && r.At < r.Size; --n) field += pool[r.Data[r.At++] % 12];
  int value = 0;
  bool ok = ParseNumberField(field, value);
  // The reference: blanks, one sign, digits to the end, within 32 bits.
  std::size_t i = 0;
  while (i < field.size() && (field[i] == u' ' || field[i] == u'\t')) ++i;
  bool negative = i < field.size() && field[i] == u'-';
  if (i < field.size() && (field[i] == u'-' || field[i] == u'+')) ++i;
  long long expected = 0;
  bool valid = i < field.size();
  for (; i < field.size() && valid; ++i) {
    valid = field[i] >= u'0' && field[i] <= u'9';
    if (valid) expected = expected * 10 + (field[i] - u'0');
    if (expected > 1LL << 31) valid = false;
  }
  if (negative) expected = -expected;
  valid = valid && expected >= INT_MIN && expected <= INT_MAX;
  Check(ok == valid);
  if (ok) Check(value == expected);
  int lines = r.Between(0, 1 << 30);
  int target = GoToLineTarget(value, lines);
  Check(target >= 0 && (lines == 0 ? target == 0 : target < lines));
}

void Events(TReader& r) {
  static const TextEncoding encodings[] = {Ansi, Utf8, Utf16, Dos437, BigEndianMark};
  TDocumentState s;
  for (std::size_t n = r.Next(64); n > 0 && r.At < r.Size; --n) {
    TDocumentState before = s;
    TDecodedDocument doc;
    doc.Encoding = encodings[r.Next(5)];
    doc.HasBom = r.Next(2) != 0;
    doc.EncodingSource = static_cast<TEncodingSource>(r.Next(3));
    doc.CutAtZero = r.Next(2) != 0;
    bool locked = r.Next(2) != 0;
    switch (r.Next(7)) {
      case 0:
        ApplyLoaded(s, doc, locked);
        Check(s.Encoding == doc.Encoding && s.HasBom == doc.HasBom && s.EncodingSource == doc.EncodingSource);
        Check(!s.Modified && s.WriteProtected == (locked || doc.CutAtZero) && s.FileName == before.FileName);
        break;
      case 1:
        ApplyDosLoaded(s, doc, locked);
        Check(s.EncodingSource == before.EncodingSource && !s.Modified && s.FileName == before.FileName);
        break;
      case 2:
        ApplyNamed(s, locked ? u"C:\\a.txt" : u"");
        Check(!s.Modified && s.Encoding == before.Encoding && s.WriteProtected == before.WriteProtected);
        break;
      case 3:
        ApplyWritten(s, doc.Encoding, doc.HasBom, locked);
        Check(!s.Modified && s.WriteProtected == locked && s.EncodingSource == before.EncodingSource &&
              s.FileName == before.FileName);
        break;
      case 4:
        ApplyNew(s);
        Check(s.FileName.empty() && s.Encoding == Ansi && !s.HasBom && !s.Modified && !s.WriteProtected &&
              s.EncodingSource == before.EncodingSource);
        break;
      case 5:
        ApplyEncodingToggle(s);
        Check(s.EncodingSource == ChosenByUser && s.Modified == before.Modified && s.HasBom == before.HasBom);
        Check(before.Encoding == Ansi ? s.Encoding == Utf8
                                      : (before.Encoding == Utf8 ? s.Encoding == Ansi : s.Encoding == before.Encoding));
        break;
      default:
        ApplyEdited(s);
        Check(s.Modified && s.Encoding == before.Encoding && s.FileName == before.FileName);
        break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  TReader r{data + 1, size - 1};
  switch (data[0] % 5) {
    case 0: Marks(r); break;
    case 1: Pages(r); break;
    case 2: Template(r); break;
    case 3: Number(r); break;
    default: Events(r); break;
  }
  return 0;
}
