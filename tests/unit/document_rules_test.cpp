#include "document/document_rules.h"

#include <cstdio>
#include <string>

#include "test_support.h"
#include "rules_by_value.h"

namespace {

// A sample from tests/data/encodings.
std::string Sample(const char* name) {
  std::string path = std::string(ZIB_SOURCE_DIR) + "/tests/data/encodings/" + name;
#ifdef _WIN32
  if (path[0] == '/') path = "Z:" + path;  // Wine's drive for the Unix root
#endif
  std::string bytes;
  if (FILE* f = std::fopen(path.c_str(), "rb")) {
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    std::fclose(f);
  } else {
    FAIL("sample missing: " << path);
  }
  return bytes;
}

std::u16string Wide(const char* name) {
  std::u16string w;
  for (const char* p = name; *p; ++p) w += static_cast<char16_t>(*p);
  return w;
}

TDecodedDocument Load(const char* name) {
  std::string bytes = Sample(name);
  return DecodeDocument(Wide(name), bytes.data(), bytes.size());
}

TDecodedDocument LoadBytes(const char16_t* path, const std::string& bytes) {
  return DecodeDocument(path, bytes.data(), bytes.size());
}

}  // namespace

TEST_CASE("samples load in their encodings") {
  struct TCase {
    const char* file;
    TextEncoding encoding;
    bool bom;
    TEncodingSource source;
    std::u16string_view text;
  };
  const TCase cases[] = {
      {"utf8_bom.txt", Utf8, true, Detected, u"Grüße aus Köln\r\n"},
      {"utf8_plain.txt", Utf8, false, Detected, u"Grüße € 😀\r\nzweite Zeile\r\n"},
      {"ascii.txt", Ansi, false, Detected, u"plain ASCII\r\n"},
      {"ascii.json", Utf8, false, ByExtension, u"{\"a\": 1}\r\n"},
      {"ansi1252.txt", Ansi, false, Detected, u"Grüße € „zitiert“\r\n"},
      {"dos437.txt", Dos437, false, Detected, u"╔══╗\r\n║ Grüße ║\r\n╚══╝\r\n"},
      {"dos437_controls.txt", Dos437, false, Detected, u"ABC D ü\r\n"},
      {"utf16le.txt", Utf16, false, Detected, u"Grüße 😀\r\n"},
      {"utf16be.txt", BigEndianMark, false, Detected, u"Grüße 😀\r\n"},
      {"invalid_utf8.html", Ansi, false, ChosenByUser, u"<p>Grüße</p>\r\n"},
      {"overlong_utf8.txt", Ansi, false, ChosenByUser, u"xÀ¯y\r\n"},
      {"log.txt", Ansi, false, Detected, u".LOG\r\nEintrag\r\n"},
      {"empty.txt", Ansi, false, Detected, u""},
      {"mixed_breaks.txt", Ansi, false, Detected, u"a\r\nb\r\nc\rd"},
  };
  for (const TCase& c : cases) {
    CAPTURE(c.file);
    TDecodedDocument doc = Load(c.file);
    CHECK(doc.Encoding == c.encoding);
    CHECK(doc.HasBom == c.bom);
    CHECK(doc.EncodingSource == c.source);
    CHECK(doc.Text == std::u16string(c.text));
    CHECK_FALSE(doc.CutAtZero);
  }
}

TEST_CASE("detection order and the extension rule") {
  // ASCII is ANSI, except under a UTF-8 extension, where the bytes are not examined.
  CHECK(LoadBytes(u"x.txt", "abc").Encoding == Ansi);
  TDecodedDocument json = LoadBytes(u"x.json", "abc");
  CHECK(json.Encoding == Utf8);
  CHECK(json.EncodingSource == ByExtension);
  CHECK(LoadBytes(u"x.json", "").Encoding == Utf8);
  CHECK(LoadBytes(u"x.txt", "").Encoding == Ansi);
  // C3 81 is UTF-8 (tested before the MS-DOS bytes); a lone 81 is MS-DOS.
  CHECK(LoadBytes(u"x.txt", "a\xC3\x81").Encoding == Utf8);
  CHECK(LoadBytes(u"x.txt", "a\x81 b").Encoding == Dos437);
  // A mark wins over the extension.
  CHECK(LoadBytes(u"x.html", std::string("\xFF\xFE" "a\0", 4)).Encoding == Utf16);
  // UTF-16 without a mark is not recognised and shows up to its first zero.
  TDecodedDocument bare = LoadBytes(u"x.txt", std::string("a\0b\0", 4));
  CHECK(bare.Encoding == Ansi);
  CHECK(bare.Text == u"a");
  CHECK(bare.CutAtZero);
}

TEST_CASE("rejected UTF-8 keeps every byte, mark included") {
  const std::string withMark = "\xEF\xBB\xBF" "a\xFC" "b\n";
  TDecodedDocument doc = LoadBytes(u"x.txt", withMark);
  CHECK(doc.Encoding == Ansi);
  CHECK_FALSE(doc.HasBom);
  CHECK(doc.Text == u"ï»¿aüb\r\n");
  // Saved unchanged (CR LF aside, which the save adds anyway) it gives the same bytes,
  // also under a UTF-8 extension, since the extension rule is off for it.
  CHECK(EncodeForSave(doc.Text, SaveStartsAsUtf8(doc.Encoding, doc.EncodingSource, u"x.html"),
                      u"x.html") == "\xEF\xBB\xBF" "a\xFC" "b\r\n");
}

TEST_CASE("zero bytes cut what is shown and say so") {
  TDecodedDocument doc = Load("zero_byte.txt");
  CHECK(doc.Encoding == Ansi);
  CHECK(doc.Text == u"vorher");
  CHECK(doc.CutAtZero);
  // The same through UTF-8, UTF-16 and the MS-DOS open.
  CHECK(LoadBytes(u"x.txt", std::string("\xC3\xA4\0x", 4)).CutAtZero);
  CHECK(LoadBytes(u"x.txt", std::string("\xFF\xFE" "a\0\0\0b\0", 8)).Text == u"a");
  std::string dos("\x81\0z", 3);
  TDecodedDocument dosDoc = DecodeDosDocument(dos.data(), dos.size());
  CHECK(dosDoc.Text == u"ü");
  CHECK(dosDoc.CutAtZero);
}

TEST_CASE("the MS-DOS open keeps line breaks and filters control bytes") {
  std::string bytes = Sample("dos437_controls.txt");
  TDecodedDocument doc = DecodeDosDocument(bytes.data(), bytes.size());
  CHECK(doc.Encoding == Dos437);
  CHECK_FALSE(doc.HasBom);
  CHECK(doc.Text == u"ABC D ü\n");
  // Even plain UTF-8 is read as code page 437 there.
  std::string utf8 = Sample("utf8_plain.txt");
  CHECK(DecodeDosDocument(utf8.data(), utf8.size()).Text.substr(0, 4) == u"Gr├╝");
}

TEST_CASE("the .LOG marker") {
  CHECK(StartsWithLogMarker(u".LOG"));
  CHECK(StartsWithLogMarker(u".LOG\r\nx"));
  CHECK(StartsWithLogMarker(Load("log.txt").Text));
  CHECK_FALSE(StartsWithLogMarker(u".LO"));
  CHECK_FALSE(StartsWithLogMarker(u".log"));
  CHECK_FALSE(StartsWithLogMarker(u" .LOG"));
  CHECK_FALSE(StartsWithLogMarker(u""));
}

TEST_CASE("save encoding and mark") {
  // The document's own encoding, or a UTF-8 extension unless the user chose.
  CHECK(SaveStartsAsUtf8(Utf8, Detected, u"a.txt"));
  CHECK_FALSE(SaveStartsAsUtf8(Ansi, Detected, u"a.txt"));
  CHECK(SaveStartsAsUtf8(Ansi, Detected, u"page.html"));
  CHECK(SaveStartsAsUtf8(Ansi, ByExtension, u"page.HTM"));
  CHECK_FALSE(SaveStartsAsUtf8(Ansi, ChosenByUser, u"page.html"));
  CHECK(SaveStartsAsUtf8(Utf8, ChosenByUser, u"a.txt"));
  CHECK_FALSE(SaveStartsAsUtf8(Utf16, Detected, u"a.txt"));
  CHECK_FALSE(SaveStartsAsUtf8(BigEndianMark, Detected, u"a.txt"));

  // Every UTF-8 save writes the mark except for command scripts, so two saves agree.
  CHECK(EncodeForSave(u"aä\n", true, u"a.txt") == "\xEF\xBB\xBF" "a\xC3\xA4\r\n");
  CHECK(EncodeForSave(u"", true, u"a.txt") == "\xEF\xBB\xBF");
  CHECK(EncodeForSave(u"echo ä", true, u"run.cmd") == "echo \xC3\xA4");
  CHECK(EncodeForSave(u"echo", true, u"RUN.BAT") == "echo");
  CHECK(SaveWritesBom(true, u"a.txt"));
  CHECK_FALSE(SaveWritesBom(true, u"run.cmd"));
  CHECK_FALSE(SaveWritesBom(false, u"a.txt"));
  CHECK(EncodeForSave(u"aä\r\nb", false, u"a.txt") == "a\xE4\r\nb");
  CHECK(EncodeForSave(u"", false, u"a.txt") == "");
}

TEST_CASE("round trips of the samples") {
  // A file read and saved unchanged gives its own bytes back, where the save
  // can write its encoding.
  for (const char* name : {"utf8_bom.txt", "ascii.txt", "ansi1252.txt", "invalid_utf8.html",
                           "overlong_utf8.txt", "log.txt", "empty.txt"}) {
    CAPTURE(name);
    std::string bytes = Sample(name);
    std::u16string path = Wide(name);
    TDecodedDocument doc = DecodeDocument(path, bytes.data(), bytes.size());
    bool utf8 = SaveStartsAsUtf8(doc.Encoding, doc.EncodingSource, path);
    CHECK(EncodeForSave(doc.Text, utf8, path) == bytes);
  }
  // A UTF-8 file without the mark gets it, line feeds become CR LF.
  std::string plain = Sample("utf8_plain.txt");
  TDecodedDocument doc = DecodeDocument(u"utf8_plain.txt", plain.data(), plain.size());
  CHECK(EncodeForSave(doc.Text, true, u"utf8_plain.txt") ==
        "\xEF\xBB\xBF" + std::string("Grüße € 😀\r\nzweite Zeile\r\n"));
  // An MS-DOS file written back with the MS-DOS encoder.
  std::string dos = Sample("dos437.txt");
  bool replaced = true;
  CHECK(EncodeDos437(DecodeDosDocument(dos.data(), dos.size()).Text, replaced) == dos);
  CHECK_FALSE(replaced);
}

TEST_CASE("which event changes which field of the document record") {
  // Every event from a record whose every field differs from what any event
  // writes, so that a field an event must leave alone shows if it moves.
  const TDocumentState start{u"C:\\alt.txt", Utf16, true, ByExtension, true, true};
  TDecodedDocument utf8Doc;
  utf8Doc.Encoding = Utf8;
  utf8Doc.HasBom = true;
  utf8Doc.EncodingSource = Detected;
  TDecodedDocument cutDoc = utf8Doc;
  cutDoc.CutAtZero = true;
  struct TRow {
    const char* Event;
    void (*Apply)(TDocumentState&, const TDecodedDocument&, const TDecodedDocument&);
    TDocumentState Expected;
  };
  const TRow rows[] = {
      {"load", [](TDocumentState& s, const TDecodedDocument& u, const TDecodedDocument&) { ApplyLoaded(s, u, false); },
       {u"C:\\alt.txt", Utf8, true, Detected, false, false}},
      {"load of a text cut at a zero byte",
       [](TDocumentState& s, const TDecodedDocument&, const TDecodedDocument& c) { ApplyLoaded(s, c, false); },
       {u"C:\\alt.txt", Utf8, true, Detected, false, true}},
      {"load of a write-protected file",
       [](TDocumentState& s, const TDecodedDocument& u, const TDecodedDocument&) { ApplyLoaded(s, u, true); },
       {u"C:\\alt.txt", Utf8, true, Detected, false, true}},
      {"MS-DOS open", [](TDocumentState& s, const TDecodedDocument&, const TDecodedDocument&) {
         TDecodedDocument d;
         d.Encoding = Dos437;
         ApplyDosLoaded(s, d, false);
       },
       {u"C:\\alt.txt", Dos437, false, ByExtension, false, false}},
      {"named by open or save as",
       [](TDocumentState& s, const TDecodedDocument&, const TDecodedDocument&) { ApplyNamed(s, u"D:\\neu.txt"); },
       {u"D:\\neu.txt", Utf16, true, ByExtension, false, true}},
      {"written as UTF-8 with mark",
       [](TDocumentState& s, const TDecodedDocument&, const TDecodedDocument&) { ApplyWritten(s, Utf8, true, false); },
       {u"C:\\alt.txt", Utf8, true, ByExtension, false, false}},
      {"written as ANSI, the file write-protected",
       [](TDocumentState& s, const TDecodedDocument&, const TDecodedDocument&) { ApplyWritten(s, Ansi, false, true); },
       {u"C:\\alt.txt", Ansi, false, ByExtension, false, true}},
      {"new document", [](TDocumentState& s, const TDecodedDocument&, const TDecodedDocument&) { ApplyNew(s); },
       {u"", Ansi, false, ByExtension, false, false}},
      {"toggle of another encoding",
       [](TDocumentState& s, const TDecodedDocument&, const TDecodedDocument&) { ApplyEncodingToggle(s); },
       {u"C:\\alt.txt", Utf16, true, ChosenByUser, true, true}},
      {"toggle of ANSI", [](TDocumentState& s, const TDecodedDocument&, const TDecodedDocument&) {
         s.Encoding = Ansi;
         ApplyEncodingToggle(s);
       },
       {u"C:\\alt.txt", Utf8, true, ChosenByUser, true, true}},
      {"toggle of UTF-8", [](TDocumentState& s, const TDecodedDocument&, const TDecodedDocument&) {
         s.Encoding = Utf8;
         ApplyEncodingToggle(s);
       },
       {u"C:\\alt.txt", Ansi, true, ChosenByUser, true, true}},
      {"text edited", [](TDocumentState& s, const TDecodedDocument&, const TDecodedDocument&) {
         s.Modified = false;
         ApplyEdited(s);
       },
       {u"C:\\alt.txt", Utf16, true, ByExtension, true, true}},
  };
  for (const TRow& row : rows) {
    CAPTURE(row.Event);
    TDocumentState s = start;
    row.Apply(s, utf8Doc, cutDoc);
    CHECK(s.FileName == row.Expected.FileName);
    CHECK(s.Encoding == row.Expected.Encoding);
    CHECK(s.HasBom == row.Expected.HasBom);
    CHECK(s.EncodingSource == row.Expected.EncodingSource);
    CHECK(s.Modified == row.Expected.Modified);
    CHECK(s.WriteProtected == row.Expected.WriteProtected);
  }
}
