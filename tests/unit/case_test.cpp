#include "commands/case_sort.h"
#include "rules_by_value.h"
#include "test_support.h"

TEST_CASE("case conversion keeps the length") {
  std::u16string text = u"Stra\u00DFe \uFB01x \u0149 \u00E4\u00D6 abc\r\n";
  for (bool upper : {true, false}) {
    std::u16string converted = ConvertedCase(text, upper);
    CHECK(converted.size() == text.size());
  }
  CHECK(ConvertedCase(u"Abc xYz 1!", true) == u"ABC XYZ 1!");
  CHECK(ConvertedCase(u"Abc xYz 1!", false) == u"abc xyz 1!");
  CHECK(ConvertedCase(u"", true) == u"");
}

#ifdef _WIN32
TEST_CASE("the platform converts unit by unit") {
  CHECK(ConvertedCase(u"\u00E4\u00F6\u00FC\u00DF", true) == u"\u00C4\u00D6\u00DC\u00DF");
  CHECK(ConvertedCase(u"\uFB01", true) == u"\uFB01");
  CHECK(ConvertedCase(u"\u00C4\u0130", false).size() == 2);
}
#endif
