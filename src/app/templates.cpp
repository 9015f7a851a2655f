// The template texts and the symbol characters. The longer templates are in
// template_texts.h and install_scripts.h, as they read; TemplateText turns
// the line feeds into CR LF, and for the two installation scripts the
// characters into the code points a console with an MS-DOS code page shows
// as those characters.
#include "app/templates.h"

#include <initializer_list>
#include <string_view>

#include "app/install_scripts.h"
#include "app/template_texts.h"
#include "base/commands.h"

namespace {

// One installation script: its head, the shared folder part, its tail.
std::u16string Script(std::u16string_view head, std::u16string_view tail) {
  std::u16string out(head);
  out += ScriptFolders;
  out += tail;
  return out;
}

// The source with each line feed as CR LF.
std::u16string WithCrLf(std::u16string_view source) {
  std::u16string out;
  out.reserve(source.size() + source.size() / 16);
  for (char16_t c : source) {
    if (c == u'\n') out += u'\r';
    out += c;
  }
  return out;
}

// The script with CR LF and with each of its non-ASCII characters as the code
// point equal to its byte in the MS-DOS code pages (ü 0x81, ä 0x84, ß 0xE1,
// ─ 0xC4, ═ 0xCD), so that the script saved as ANSI reads right in a console.
std::u16string DosCoded(std::u16string_view source) {
  std::u16string out = WithCrLf(source);
  for (char16_t& c : out) {
    switch (c) {
      case u'ü': c = u'\u0081'; break;
      case u'ä': c = u'\u0084'; break;
      case u'ß': c = u'\u00E1'; break;
      case u'─': c = u'\u00C4'; break;
      case u'═': c = u'\u00CD'; break;
      default: break;
    }
  }
  return out;
}

// Appends one frame line and CR LF: the left corner, each column of `fill`
// with `join` between the columns, the right corner.
void FrameLine(std::u16string& out, char16_t left, char16_t fill, char16_t join, char16_t right,
               std::initializer_list<int> widths) {
  out += left;
  bool first = true;
  for (int width : widths) {
    if (!first) out += join;
    first = false;
    out.append(static_cast<std::size_t>(width), fill);
  }
  out += right;
  out += u"\r\n";
}

std::u16string BoxHeader() {
  std::u16string out;
  FrameLine(out, u'┌', u'─', u'┬', u'┐', {8, 60, 8});
  FrameLine(out, u'│', u' ', u'│', u'│', {8, 60, 8});
  FrameLine(out, u'└', u'─', u'┴', u'┘', {8, 60, 8});
  return out;
}

std::u16string BoxTable() {
  const std::initializer_list<int> Columns = {6, 8, 8, 8, 8, 8, 8, 8, 8};
  std::u16string out;
  FrameLine(out, u'╔', u'═', u'╤', u'╗', Columns);
  FrameLine(out, u'║', u' ', u'│', u'║', Columns);
  FrameLine(out, u'╟', u'─', u'┼', u'╢', Columns);
  FrameLine(out, u'║', u' ', u'│', u'║', Columns);
  FrameLine(out, u'╚', u'═', u'╧', u'╝', Columns);
  return out;
}

// Six strings and five frets.
std::u16string ChordGrid() {
  std::u16string out;
  FrameLine(out, u'╒', u'═', u'╤', u'╕', {0, 0, 0, 0, 0});
  for (int fret = 0; fret < 5; ++fret) FrameLine(out, u'├', u'─', u'┼', u'┤', {0, 0, 0, 0, 0});
  return out;
}

std::u16string LargeChordGrid() {
  std::u16string out;
  FrameLine(out, u'╒', u'═', u'╤', u'╕', {1, 1, 1, 1, 1});
  for (int fret = 0; fret < 5; ++fret) {
    FrameLine(out, u'│', u' ', u'│', u'│', {1, 1, 1, 1, 1});
    FrameLine(out, u'├', u'─', u'┼', u'┤', {1, 1, 1, 1, 1});
  }
  return out;
}

}  // namespace

std::u16string TemplateText(unsigned short command) {
  switch (command) {
    case CmdTemplateHtml: return WithCrLf(HtmlPage);
    case CmdTemplateUrl: return WithCrLf(InternetShortcut);
    case CmdTemplateReg: return WithCrLf(RegistryFile);
    case CmdTemplateForDo: return WithCrLf(ForDoScript);
    case CmdTemplateForRecursive: return WithCrLf(RecursiveScript);
    case CmdTemplateSetup: return DosCoded(Script(SetupHead, SetupTail));
    case CmdTemplateUninstall: return DosCoded(Script(UninstallHead, UninstallTail));
    case CmdTemplateBoxHeader: return BoxHeader();
    case CmdTemplateBoxTable: return BoxTable();
    case CmdTemplateChord: return ChordGrid();
    case CmdTemplateChordLarge: return LargeChordGrid();
    default: return std::u16string();
  }
}

char16_t SymbolCharacter(unsigned short command) {
  switch (command) {
    case CmdSymbolMultiplyDot: return u'\u00B7';
    case CmdSymbolBlackCircle: return u'\u25CF';
    case CmdSymbolDivision: return u'\u00F7';
    case CmdSymbolColon: return u'\u0589';
    case CmdSymbolQuestion: return u'\uFF1F';
    case CmdSymbolSlash: return u'\u29F8';
    case CmdSymbolBackslash: return u'\u29F9';
    case CmdSymbolGuillemetOpen: return u'\u00AB';
    case CmdSymbolGuillemetClose: return u'\u00BB';
    case CmdSymbolNoBreakSpace: return u'\u00A0';
    case CmdSymbolNarrowSpace: return u'\u202F';
    default: return 0;
  }
}
