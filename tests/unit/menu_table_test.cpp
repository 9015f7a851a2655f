#include "app/menu_table.h"
#include "base/commands.h"
#include "test_support.h"

#include <set>

namespace {

// The shortcut part of a label: the text after its tab, or empty.
std::u16string_view KeyPart(std::u16string_view label) {
  std::size_t tab = label.find(u'\t');
  return tab == std::u16string_view::npos ? std::u16string_view() : label.substr(tab + 1);
}

// Keys the edit control or the system handles without a table entry.
bool HandledByControl(std::u16string_view keys) {
  for (std::u16string_view k : {u"Ctrl+Z", u"Ctrl+X", u"Ctrl+C", u"Ctrl+V", u"Del", u"Alt+F4", u"F11", u"F12"})
    if (keys == k) return true;
  return false;
}

}  // namespace

TEST_CASE("the menu bar has five popups and the About item, in order") {
  auto popups = MenuPopups();
  REQUIRE(popups.size() == 5);
  CHECK(popups[PopupFile].Title == u"&Datei");
  CHECK(popups[PopupEdit].Title == u"&Bearbeiten");
  CHECK(popups[PopupView].Title == u"&Ansicht");
  CHECK(popups[PopupExtras].Title == u"&Extras");
  CHECK(popups[PopupSymbols].Title == u"&Symbole");
  CHECK(popups[PopupFile].Items.size() == 18);
  CHECK(popups[PopupEdit].Items.size() == 25);
  CHECK(popups[PopupView].Items.size() == 3);
  CHECK(popups[PopupExtras].Items.size() == 21);
  CHECK(popups[PopupSymbols].Items.size() == 17);
  CHECK(MenuAboutItem().Id == CmdAbout);
  CHECK(MenuAboutItem().Label == u"&?");
}

TEST_CASE("every command identifier appears exactly once in the menus") {
  std::set<unsigned short> seen;
  int separators = 0;
  for (const TMenuPopup& popup : MenuPopups())
    for (const TMenuItem& item : popup.Items) {
      if (item.Id == 0) {
        ++separators;
        CHECK(item.Label.empty());
        continue;
      }
      CHECK_MESSAGE(seen.insert(item.Id).second, "duplicate id " << item.Id);
    }
  seen.insert(MenuAboutItem().Id);
  std::set<unsigned short> expected;
  for (unsigned short id = 100; id <= 132; ++id)
    if (id != 109) expected.insert(id);
  for (unsigned short id = 151; id <= 153; ++id) expected.insert(id);
  for (unsigned short id = 201; id <= 215; ++id) expected.insert(id);
  for (unsigned short id = 301; id <= 313; ++id) expected.insert(id);
  expected.insert(400);
  CHECK(seen == expected);
  CHECK(separators == 21);
}

TEST_CASE("labels with special characters are exact") {
  auto symbols = MenuPopups()[PopupSymbols].Items;
  auto label = [&](unsigned short id) {
    for (const TMenuItem& item : symbols)
      if (item.Id == id) return item.Label;
    return std::u16string_view();
  };
  CHECK(label(CmdSymbolGuillemetOpen) == u"&Guillemet ouvrant\u00A0\u00AB\tCtrl+8");
  CHECK(label(CmdSymbolColon) == u"\U0001F4BE-&Doppelpunkt\u00A0\u00A0\u0589\tCtrl+Shift+.");
  CHECK(label(CmdSymbolQuestion) == u"\U0001F4BE-&Fragezeichen\uFF1F\u00A0\tCtrl+Shift+?");
  CHECK(label(CmdSymbolSlash) == u"\U0001F4BE-&Schr\u00E4gstrich \u29F8\u00A0\tCtrl+7");
  CHECK(label(CmdSymbolBackslash) == u"\U0001F4BE-&Backslash \u29F9\u00A0\tCtrl+Shift+7");
  CHECK(MenuPopups()[PopupFile].Items[9].Label == u"&Encoding ANSI \u21D4 UTF-8");
  CHECK(MenuPopups()[PopupEdit].Items[24].Label == u"&Datum && Uhrzeit\tF5");
  CHECK(SystemMenuRestoreLabel() == u"&Wiederherstellen\tF11");
  CHECK(SystemMenuMaximizeLabel() == u"Ma&ximieren\tF12");
}

TEST_CASE("the shortcut table") {
  auto entries = ShortcutEntries();
  REQUIRE(entries.size() == 59);
  for (const TShortcut& e : entries) CHECK((e.Flags & KeyVirtual) != 0);

  // Spot checks against the table's rows, by position.
  CHECK(entries[0].Key == 'N');
  CHECK(entries[0].Flags == (KeyVirtual | KeyControl));
  CHECK(entries[33].Key == VkBack);
  CHECK(entries[33].Flags == (KeyVirtual | KeyAlt));
  CHECK(entries[33].Id == CmdUndo);
  CHECK(entries[38].Key == VkOem4);
  CHECK(entries[38].Id == CmdSymbolQuestion);
  CHECK(entries[58].Key == VkF10);
  CHECK(entries[58].Id == CmdShowControlChars);

  // No key combination is bound twice.
  std::set<std::pair<int, int>> keys;
  for (const TShortcut& e : entries) CHECK(keys.insert({e.Flags, e.Key}).second);

  // Two keys each for the code-point conversion and the control-character display.
  int codePoint = 0, controlChars = 0;
  for (const TShortcut& e : entries) {
    codePoint += e.Id == CmdCodePoint;
    controlChars += e.Id == CmdShowControlChars;
  }
  CHECK(codePoint == 2);
  CHECK(controlChars == 2);
}

TEST_CASE("every label's shortcut text has a table entry for its command, or the control handles it") {
  auto entries = ShortcutEntries();
  std::set<unsigned short> labelled;
  for (const TMenuPopup& popup : MenuPopups())
    for (const TMenuItem& item : popup.Items) {
      std::u16string_view keys = KeyPart(item.Label);
      if (item.Id == 0 || keys.empty()) continue;
      if (HandledByControl(keys)) continue;
      bool found = false;
      for (const TShortcut& e : entries)
        if (e.Id == item.Id && ShortcutText(e) == keys) found = true;
      CHECK_MESSAGE(found, "no entry for the label of " << item.Id);
      labelled.insert(item.Id);
    }
  // The reverse: every entry is shown on its item, except the second keys of
  // 130 and 151, the F1 About key and Alt+Backspace for undo.
  for (const TShortcut& e : entries) {
    std::u16string text = ShortcutText(e);
    bool extra = text == u"Alt+X" || text == u"Ctrl+Shift+8" || text == u"F1" || text == u"Alt+Backspace";
    if (!extra) CHECK_MESSAGE(labelled.count(e.Id) == 1, "entry not shown for " << e.Id);
  }
}
