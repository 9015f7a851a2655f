#include "dialogs/dialog_template.h"
#include "dialogs/number_prompt.h"
#include "test_support.h"

namespace {

int Word(const unsigned char* b, int at) { return b[at] | (b[at + 1] << 8); }
int Short(const unsigned char* b, int at) { return static_cast<std::int16_t>(Word(b, at)); }

}  // namespace

TEST_CASE("the template: header bytes, boxes in layout units, zero words after") {
  unsigned char bytes[DialogTemplateSize];
  for (unsigned char& b : bytes) b = 0xAA;  // a dirty buffer from an earlier dialog
  FillDialogTemplate(bytes, NumberPromptBox(5));
  const unsigned char header[10] = {0x04, 0x08, 0xC8, 0x10, 0x81, 0, 0, 0, 0, 0};
  for (int i = 0; i < 10; ++i) CHECK(bytes[i] == header[i]);
  CHECK(Short(bytes, 10) == 125);
  CHECK(Short(bytes, 12) == -20);
  CHECK(Short(bytes, 14) == 125);
  CHECK(Short(bytes, 16) == 50);
  for (std::size_t i = 18; i < DialogTemplateSize; ++i) CHECK(bytes[i] == 0);

  FillDialogTemplate(bytes, CharTableBox(5, 800, 600));
  CHECK(Short(bytes, 10) == 325);
  CHECK(Short(bytes, 12) == -26);
  CHECK(Short(bytes, 14) == 75);
  CHECK(Short(bytes, 16) == 200);

  // A small window: the table keeps its least height; a huge one stays in the field.
  TDialogBox small = CharTableBox(5, 100, 300);
  CHECK(small.x == -25);
  CHECK(small.cy == 175);
  FillDialogTemplate(bytes, CharTableBox(5, 200000, 300000));
  CHECK(Short(bytes, 10) == 32767);
  CHECK(Short(bytes, 16) == 32767);
}

TEST_CASE("controls: buttons from the bottom edge, 4.5 units truncated, the list above them") {
  TControlSpec p[NumberPromptControlCount];
  NumberPromptControls(5, 80, u"&Zeilennummer:", p);
  CHECK(std::u16string(p[0].text) == u"&Zeilennummer:");
  CHECK((p[1].id == NumberFieldId && p[1].y == 30 && p[1].width == 240));
  CHECK((p[2].id == 1 && p[2].x == 40 && p[2].y == 45 && p[2].height == 22));
  CHECK((p[3].id == 2 && p[3].x == 140 && p[3].y == 45 && p[3].height == 22));
  NumberPromptControls(3, 80, u"", p);
  CHECK(p[2].height == 13);

  TControlSpec t[CharTableControlCount];
  CharTableControls(5, 131, 400, t);
  CHECK((t[0].id == CharTableList && t[0].width == 131 && t[0].height == 355));
  CHECK(std::u16string(t[1].text) == u"\U0001F4CB &Einf\u00FCgen");
  CHECK((t[1].id == 1 && t[1].x == 5 && t[1].y == 370 && t[1].width == 70 && t[1].height == 22));
  CHECK((t[2].id == 2 && t[2].x == 75 && t[2].y == 370 && t[2].width == 65));
}

TEST_CASE("the number field: whole signed 32-bit decimals only") {
  int v = 7;
  CHECK((ParseNumberField(u"42", v) && v == 42));
  CHECK((ParseNumberField(u"  \t-12", v) && v == -12));
  CHECK((ParseNumberField(u"+0", v) && v == 0));
  CHECK((ParseNumberField(u"000123", v) && v == 123));
  CHECK((ParseNumberField(u"2147483647", v) && v == 2147483647));
  CHECK((ParseNumberField(u"-2147483648", v) && v == -2147483647 - 1));
  v = 7;
  for (std::u16string_view bad : {u"", u" ", u"-", u"+", u"12a", u"12 ", u"1 2", u"- 5", u"0x10", u"1e3",
                                  u"2147483648", u"-2147483649", u"3000000000", u"99999999999999999999999",
                                  u"\uFF11"}) {
    CAPTURE(std::u16string(bad));
    CHECK_FALSE(ParseNumberField(bad, v));
  }
  CHECK(v == 7);
}

TEST_CASE("go to line: numbers outside the text go to its first or last line") {
  CHECK(GoToLineTarget(1, 10) == 0);
  CHECK(GoToLineTarget(10, 10) == 9);
  CHECK(GoToLineTarget(11, 10) == 9);
  CHECK(GoToLineTarget(0, 10) == 0);
  CHECK(GoToLineTarget(-5, 10) == 0);
  CHECK(GoToLineTarget(-2147483647 - 1, 10) == 0);
  CHECK(GoToLineTarget(2147483647, 1) == 0);
}
