#include "app/install.h"

#include <utility>

namespace {

TRegistryEntry Text(TRegistryRoot root, std::u16string_view key, std::u16string_view name, std::u16string text) {
  return {root, key, name, TRegistryType::String, std::move(text)};
}

TRegistryEntry Number(std::u16string_view name, std::uint32_t number) {
  return {TRegistryRoot::LocalMachine, UninstallKey, name, TRegistryType::Dword, {}, number};
}

std::u16string Quoted(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size() + 2);
  out += u'"';
  out += text;
  out += u'"';
  return out;
}

constexpr TRegistryRemoval Removals[] = {
    {TRegistryRoot::LocalMachine, UninstallKey, false},
    {TRegistryRoot::ClassesRoot, OpenWithKey, false},
    {TRegistryRoot::LocalMachine, u"SOFTWARE\\Classes\\Applications\\Zib.exe", true},
    {TRegistryRoot::LocalMachine, AppPathKey, true},
};

}  // namespace

std::vector<TRegistryEntry> InstallationEntries(std::u16string_view program, std::u16string_view date) {
  constexpr auto Machine = TRegistryRoot::LocalMachine;
  std::u16string path(program);
  std::vector<TRegistryEntry> entries;
  entries.reserve(15);
  entries.push_back({TRegistryRoot::ClassesRoot, OpenWithKey, u"", TRegistryType::KeyOnly, {}});
  entries.push_back(Text(Machine, OpenCommandKey, u"", Quoted(program) + u" \"%1\""));
  entries.push_back(Text(Machine, AppPathKey, u"Path", path));
  entries.push_back(Text(Machine, AppPathKey, u"", path));
  entries.push_back(Text(Machine, UninstallKey, u"DisplayName", std::u16string(ProductName)));
  entries.push_back(Text(Machine, UninstallKey, u"DisplayIcon", path));
  entries.push_back(Text(Machine, UninstallKey, u"DisplayVersion", u"" ZIB_VERSION_TEXT));
  entries.push_back(Number(u"Version", VersionNumber));
  entries.push_back(Number(u"EstimatedSize", 164));
  entries.push_back(Text(Machine, UninstallKey, u"InstallDate", std::u16string(date)));
  entries.push_back(Number(u"NoModify", 1));
  entries.push_back(Number(u"NoRepair", 1));
  entries.push_back(Text(Machine, UninstallKey, u"UninstallString", UninstallCommand(program)));
  entries.push_back(Text(Machine, UninstallKey, u"Publisher", std::u16string(Publisher)));
  entries.push_back(Text(Machine, UninstallKey, u"URLInfoAbout", std::u16string(PublisherPage)));
  return entries;
}

std::span<const TRegistryRemoval> RemovalKeys() { return Removals; }

// The path is quoted: it holds blanks, and the argument split would take its
// first word for the program and the rest for arguments, so " /Uninstall"
// would not be the first argument and the editor would start instead.
std::u16string UninstallCommand(std::u16string_view program) { return Quoted(program) + u" /Uninstall"; }

std::u16string RemovalScript(std::u16string_view startMenuFolder, std::u16string_view programFolder) {
  return u"/c RD /S /Q " + Quoted(startMenuFolder) + u" & RD /S /Q " + Quoted(programFolder);
}

std::u16string ShellLinkWorkingFolder(std::u16string_view workingFolder, std::u16string_view target) {
  if (!workingFolder.empty() && workingFolder.front() == u'"') workingFolder.remove_prefix(1);
  if (!workingFolder.empty()) return std::u16string(workingFolder);
  std::size_t slash = target.find_last_of(u'\\');
  if (slash == std::u16string_view::npos || slash == 0) return std::u16string(target);
  return std::u16string(target.substr(0, slash));
}
