// Prints what the release files take from the program itself, so that the
// read-me and the package manifests never repeat it by hand:
//   release_info facts       NAME=value lines for the shell (version, names, page)
//   release_info shortcuts   the menu commands that have a shortcut, as the
//                            read-me lists them, grouped by menu
// UTF-8 on standard output.
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "app/install.h"
#include "app/menu_table.h"

namespace {

std::string Utf8(std::u16string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      out += static_cast<char>(0xE0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (c >> 18));
      out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// A menu label as it reads: without the access-key "&" ("&&" is one "&")
// and the dots.
std::string Plain(std::u16string_view label) {
  std::u16string out;
  for (std::size_t i = 0; i < label.size(); ++i) {
    if (label[i] == u'&' && ++i == label.size()) break;
    out += label[i];
  }
  while (!out.empty() && (out.back() == u'.' || out.back() == u' ')) out.pop_back();
  return Utf8(out);
}

void PrintFacts() {
  std::printf("ZIB_VERSION=%s\n", ZIB_VERSION_TEXT);
  std::printf("ZIB_PRODUCT='%s'\n", Utf8(ProductName).c_str());
  std::printf("ZIB_PUBLISHER='%s'\n", Utf8(Publisher).c_str());
  std::printf("ZIB_PAGE='%s'\n", Utf8(PublisherPage).c_str());
  std::printf("ZIB_PROGRAM='%s'\n", Utf8(InstalledProgramPath).c_str());
}

void PrintShortcuts() {
  for (const TMenuPopup& popup : MenuPopups()) {
    bool heading = false;
    for (const TMenuItem& item : popup.Items) {
      std::size_t tab = item.Label.find(u'\t');
      if (item.Id == 0 || tab == std::u16string_view::npos) continue;
      if (!heading) {
        std::printf("%s%s\n", popup.Title == MenuPopups()[0].Title ? "" : "\n", Plain(popup.Title).c_str());
        heading = true;
      }
      std::string keys = Utf8(item.Label.substr(tab + 1));
      std::printf("  %-18s %s\n", keys.c_str(), Plain(item.Label.substr(0, tab)).c_str());
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "facts") == 0) {
    PrintFacts();
  } else if (argc == 2 && std::strcmp(argv[1], "shortcuts") == 0) {
    PrintShortcuts();
  } else {
    std::fprintf(stderr, "usage: release_info facts|shortcuts\n");
    return 2;
  }
  return 0;
}
