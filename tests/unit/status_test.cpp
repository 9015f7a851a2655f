#include "app/status.h"
#include "base/shared.h"
#include "base/texts.h"
#include "document/encoding.h"
#include "test_support.h"

TEST_CASE("title") {
  CHECK(ComposeTitle(u"C:\\Daten\\liste.txt", true, true) == u"C:\\Daten\\liste.txt * \U0001F512 - Z\u00B7i\u00B7b");
  CHECK(ComposeTitle(u"", true, false) == u"Unbenannt * - Z\u00B7i\u00B7b");
  CHECK(ComposeTitle(u"", false, false) == u"Unbenannt - Z\u00B7i\u00B7b");
  CHECK(std::u16string_view(ZibCaption) == u"Z\u00B7i\u00B7b");
}

TEST_CASE("status line") {
  CHECK(ComposeStatusLine(1, 1, 1, 0, EncodingDisplayName(Ansi), false, true) ==
        u"\u00A0\u00A0Zeile 1, Spalte 1,   Zeilen: 1,  Total: 0 Zeichen,   Encoding: ANSI");
  CHECK(ComposeStatusLine(2, 2, 2, 5, u"ANSI", false, true) ==
        u"\u00A0\u00A0Zeile 2, Spalte 2,   Zeilen: 2,  Total: 5 Zeichen,   Encoding: ANSI");
  CHECK(ComposeStatusLine(12, 40, 300, 123456, EncodingDisplayName(Utf8), true, false) ==
        u"\u00A0\u00A0Zeile 12, Spalte 40,   Zeilen: 300,  Total: 123456 Zeichen,   Encoding: UTF-8 BOM,  \u2588 \u00DCberschreiben");
  CHECK(EncodingDisplayName(Utf16) == u"UTF-16");
  CHECK(EncodingDisplayName(Dos437) == u"DOS CP437");
  CHECK(EncodingDisplayName(BigEndianMark) == u"?");
  CHECK(EncodingDisplayName(17) == u"?");
}

TEST_CASE("case-insensitive search of the command line") {
  CHECK(ContainsNoCase(u"C:\\Texte\\UNINSTALL-Notizen.txt", u"Uninstall") == 9);
  CHECK(ContainsNoCase(u"/uninstall", u"Uninstall") == 1);
  CHECK(ContainsNoCase(u"C:\\Zib\\ZibSetup.exe", u"Setup.exe") == 10);
  CHECK_FALSE(ContainsNoCase(u"C:\\Zib\\Zib.exe", u"Setup.exe").has_value());
  CHECK(ContainsNoCase(u"-s", u"-S") == 0);
  CHECK(ContainsNoCase(u"abc", u"") == 0);
  CHECK_FALSE(ContainsNoCase(u"", u"a").has_value());
  CHECK_FALSE(ContainsNoCase(u"ab", u"abc").has_value());
  // Letters beyond ASCII fold through the platform; punctuation as it is.
  CHECK(ContainsNoCase(u"\u00E4rger", u"\u00C4RGER") == 0);
  CHECK_FALSE(ContainsNoCase(u"[", u"{").has_value());
}

TEST_CASE("About text") {
  std::u16string_view text = AboutText;
  std::size_t lines = 1;
  for (char16_t c : text) lines += c == u'\n';
  CHECK(lines == 14);
  CHECK(text.substr(0, 31) == u"Z\u00B7i\u00B7b\u00A0\u00A0v1.4.0.0 - Mini-Editor\r\n");
  CHECK(text.find(u"\r\n\u00B7 Dateisystem-sichere Symbole\u00A0\u00A0\u0589\u00A0\uFF1F\u00A0\u29F8\u00A0\u00A0\u29F9\r\n") !=
        std::u16string_view::npos);
  CHECK(text.find(u"\r\n\u00B7 3-Monats\u2013 und Jahreskalender\r\n") != std::u16string_view::npos);
  CHECK(text.find(u"\r\n\r\n") != std::u16string_view::npos);
  CHECK(std::u16string_view(AboutCaption) == u"\u00DCber Z\u00B7i\u00B7b");
}

TEST_CASE("long paths take the extended form; the temporary name sits beside the target") {
  const std::u16string deep = u"\\" + std::u16string(LongPathFrom, u'x');
  struct {
    std::u16string path, extended;
  } rows[] = {
      {u"C:\\kurz.txt", u"C:\\kurz.txt"},
      {u"C:" + deep, u"\\\\?\\C:" + deep},
      {u"d:/a" + deep, u"\\\\?\\d:\\a" + deep},
      {u"\\\\server\\share" + deep, u"\\\\?\\UNC\\server\\share" + deep},
      {u"\\\\?\\C:" + deep, u"\\\\?\\C:" + deep},
      {u"\\\\.\\C:" + deep, u"\\\\.\\C:" + deep},
      {u"relativ" + deep, u"relativ" + deep},
  };
  for (const auto& row : rows) CHECK(ExtendedLengthPath(row.path) == row.extended);

  CHECK(TempNameBeside(u"C:\\Texte\\brief.txt", 0x00A1B2C3u) == u"C:\\Texte\\zib00A1B2C3.tmp");
  CHECK(TempNameBeside(u"D:/x/y.txt", 0xFFFFFFFFu) == u"D:/x/zibFFFFFFFF.tmp");
  CHECK(TempNameBeside(u"brief.txt", 1) == u".\\zib00000001.tmp");
}
