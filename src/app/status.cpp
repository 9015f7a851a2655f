#include "app/status.h"
#include "base/texts.h"

namespace {

void AppendNumber(std::u16string& s, long v) {
  if (v < 0) {
    s += u'-';
    v = -v;
  }
  char16_t digits[24];
  int n = 0;
  do {
    digits[n++] = static_cast<char16_t>(u'0' + v % 10);
    v /= 10;
  } while (v > 0);
  while (n > 0) s += digits[--n];
}

}  // namespace

std::u16string ComposeTitle(std::u16string_view fileName, bool modified, bool writeProtected) {
  std::u16string title(fileName.empty() ? std::u16string_view(UntitledName) : fileName);
  if (modified) title += u" *";
  if (writeProtected) title += u" 🔒";
  title += TitleSuffix;
  return title;
}

std::u16string ComposeStatusLine(long line, long column, long lines, long total,
                                 std::u16string_view encodingName, bool hasBom, bool insertMode) {
  std::u16string s = u"\u00A0\u00A0Zeile ";
  AppendNumber(s, line);
  s += u", Spalte ";
  AppendNumber(s, column);
  s += u",   Zeilen: ";
  AppendNumber(s, lines);
  s += u",  Total: ";
  AppendNumber(s, total);
  s += u" Zeichen,   Encoding: ";
  s += encodingName;
  if (hasBom) s += u" BOM";
  if (!insertMode) s += u",  █ Überschreiben";
  if (s.size() > 255) s.resize(255);
  return s;
}
