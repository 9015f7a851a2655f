#include "document/encoding.h"

std::u16string_view EncodingDisplayName(int encoding) {
  switch (encoding) {
    case Ansi: return u"ANSI";
    case Utf8: return u"UTF-8";
    case Utf16: return u"UTF-16";
    case Dos437: return u"DOS CP437";
    default: return u"?";
  }
}
