#include "app/install.h"
#include "base/texts.h"
#include "test_support.h"

namespace {

constexpr std::u16string_view Program = u"C:\\Program Files (x86)\\Dornef\\Zib\\Zib.exe";

const TRegistryEntry* Find(const std::vector<TRegistryEntry>& entries, std::u16string_view key,
                           std::u16string_view name) {
  for (const TRegistryEntry& e : entries)
    if (e.Key == key && e.ValueName == name) return &e;
  return nullptr;
}

bool StartsWithNoCase(std::u16string_view text, std::u16string_view start) {
  if (text.size() < start.size()) return false;
  for (std::size_t i = 0; i < start.size(); ++i) {
    char16_t a = text[i], b = start[i];
    if (a >= u'a' && a <= u'z') a = static_cast<char16_t>(a - 32);
    if (b >= u'a' && b <= u'z') b = static_cast<char16_t>(b - 32);
    if (a != b) return false;
  }
  return true;
}

}  // namespace

TEST_CASE("installation texts and paths") {
  CHECK(std::u16string_view(InstallPrompt) == u"Z\u00B7i\u00B7b - Mini Editor 1.4.0.0\r\nF\u00FCr alle Benutzer installieren?");
  CHECK(std::u16string_view(RemovalPrompt) == u"Z\u00B7i\u00B7b - Mini Editor 1.4.0.0\r\nvon diesem Computer entfernen?");
  CHECK(MakerFolderPath == u"%ProgramFiles(x86)%\\Dornef");
  CHECK(ProgramFolderPath == u"%ProgramFiles(x86)%\\Dornef\\Zib");
  CHECK(InstalledProgramPath == u"%ProgramFiles(x86)%\\Dornef\\Zib\\Zib.exe");
  CHECK(StartMenuMakerPath == u"%ALLUSERSPROFILE%\\Microsoft\\Windows\\Start Menu\\Programs\\Dornef");
  CHECK(StartMenuFolderPath == u"%ALLUSERSPROFILE%\\Microsoft\\Windows\\Start Menu\\Programs\\Dornef\\Zib");
  CHECK(ShortcutPath ==
        u"%ALLUSERSPROFILE%\\Microsoft\\Windows\\Start Menu\\Programs\\Dornef\\Zib\\Z\u00B7i\u00B7b - Mini Editor.lnk");
  CHECK(VersionNumber == 0x01040000u);
  // Strings go into the registry with their terminating zero.
  CHECK(RegistryStringBytes(0) == 2);
  CHECK(RegistryStringBytes(7) == 16);
}

TEST_CASE("registry entries: the table's values in the table's order") {
  std::vector<TRegistryEntry> entries = InstallationEntries(Program, u"2026-12-07");
  REQUIRE(entries.size() == 15);

  CHECK(entries[0].Root == TRegistryRoot::ClassesRoot);
  CHECK(entries[0].Key == u"SystemFileAssociations\\text\\OpenWithList\\Zib.exe");
  CHECK(entries[0].Type == TRegistryType::KeyOnly);
  for (std::size_t i = 1; i < entries.size(); ++i) CHECK(entries[i].Root == TRegistryRoot::LocalMachine);

  CHECK(entries[1].Key == u"SOFTWARE\\Classes\\Applications\\zib.exe\\shell\\open\\command");
  CHECK(entries[1].ValueName.empty());
  CHECK(entries[1].Text == u"\"C:\\Program Files (x86)\\Dornef\\Zib\\Zib.exe\" \"%1\"");
  CHECK(entries[2].Key == u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\zib.exe");
  CHECK(entries[2].ValueName == u"Path");
  CHECK(entries[2].Text == Program);
  CHECK(entries[3].Key == entries[2].Key);
  CHECK(entries[3].ValueName.empty());
  CHECK(entries[3].Text == Program);

  const std::u16string_view uninstall = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Z\u00B7i\u00B7b";
  const char16_t* names[] = {u"DisplayName", u"DisplayIcon", u"DisplayVersion", u"Version", u"EstimatedSize",
                             u"InstallDate", u"NoModify", u"NoRepair", u"UninstallString", u"Publisher",
                             u"URLInfoAbout"};
  for (std::size_t i = 0; i < 11; ++i) {
    CAPTURE(i);
    CHECK(entries[4 + i].Key == uninstall);
    CHECK(entries[4 + i].ValueName == names[i]);
  }
  auto text = [&](std::u16string_view name) { return Find(entries, uninstall, name)->Text; };
  auto number = [&](std::u16string_view name) { return Find(entries, uninstall, name)->Number; };
  CHECK(text(u"DisplayName") == u"Z\u00B7i\u00B7b - Mini Editor");
  CHECK(text(u"DisplayIcon") == Program);
  CHECK(text(u"DisplayVersion") == u"1.4.0.0");
  CHECK(number(u"Version") == 0x01040000u);
  CHECK(number(u"EstimatedSize") == 164);
  CHECK(text(u"InstallDate") == u"2026-12-07");
  CHECK(number(u"NoModify") == 1);
  CHECK(number(u"NoRepair") == 1);
  CHECK(text(u"UninstallString") == u"\"C:\\Program Files (x86)\\Dornef\\Zib\\Zib.exe\" /Uninstall");
  CHECK_FALSE(text(u"Publisher").empty());
  CHECK_FALSE(text(u"URLInfoAbout").empty());
  for (const char16_t* dword : {u"Version", u"EstimatedSize", u"NoModify", u"NoRepair"})
    CHECK(Find(entries, uninstall, dword)->Type == TRegistryType::Dword);
}

TEST_CASE("the removal deletes every key the installation writes") {
  std::span<const TRegistryRemoval> removals = RemovalKeys();
  REQUIRE(removals.size() == 4);
  CHECK(removals[0].Root == TRegistryRoot::LocalMachine);
  CHECK(removals[0].Key == UninstallKey);
  CHECK_FALSE(removals[0].WithSubkeys);
  CHECK(removals[1].Root == TRegistryRoot::ClassesRoot);
  CHECK(removals[1].Key == u"SystemFileAssociations\\text\\OpenWithList\\Zib.exe");
  CHECK_FALSE(removals[1].WithSubkeys);
  CHECK(removals[2].Key == u"SOFTWARE\\Classes\\Applications\\Zib.exe");
  CHECK(removals[2].WithSubkeys);
  CHECK(removals[3].Key == u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\zib.exe");
  CHECK(removals[3].WithSubkeys);

  for (const TRegistryEntry& entry : InstallationEntries(Program, u"2026-12-07")) {
    CAPTURE(std::u16string(entry.Key));
    bool removed = false;
    for (const TRegistryRemoval& r : removals)
      if (r.Root == entry.Root && (entry.Key.size() == r.Key.size() || r.WithSubkeys) &&
          StartsWithNoCase(entry.Key, r.Key) &&
          (entry.Key.size() == r.Key.size() || entry.Key[r.Key.size()] == u'\\'))
        removed = true;
    CHECK(removed);
  }
}

TEST_CASE("the removal's command line removes the Start-menu folder, then the program folder") {
  CHECK(RemovalScript(u"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Dornef\\Zib",
                      u"C:\\Program Files (x86)\\Dornef\\Zib") ==
        u"/c RD /S /Q \"C:\\ProgramData\\Microsoft\\Windows\\Start Menu\\Programs\\Dornef\\Zib\" & "
        u"RD /S /Q \"C:\\Program Files (x86)\\Dornef\\Zib\"");
  CHECK(UninstallCommand(u"%ProgramFiles(x86)%\\Dornef\\Zib\\Zib.exe") ==
        u"\"%ProgramFiles(x86)%\\Dornef\\Zib\\Zib.exe\" /Uninstall");
}

TEST_CASE("a shortcut's working folder") {
  CHECK(ShellLinkWorkingFolder(u"", Program) == u"C:\\Program Files (x86)\\Dornef\\Zib");
  CHECK(ShellLinkWorkingFolder(u"D:\\Texte", Program) == u"D:\\Texte");
  CHECK(ShellLinkWorkingFolder(u"\"D:\\Meine Texte\"", Program) == u"D:\\Meine Texte\"");
  CHECK(ShellLinkWorkingFolder(u"\"", u"C:\\Zib.exe") == u"C:");
  CHECK(ShellLinkWorkingFolder(u"", u"Zib.exe") == u"Zib.exe");
  CHECK(ShellLinkWorkingFolder(u"", u"\\Zib.exe") == u"\\Zib.exe");
  CHECK(ShellLinkWorkingFolder(u"", u"") == u"");
}
