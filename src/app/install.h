// What the installation writes and the removal takes away again: folders,
// registry entries and the removal's command line.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/shared.h"
#include "version.h"

// --- Names ---------------------------------------------------------------------

constexpr std::u16string_view ProductName = u"Z·i·b - Mini Editor";  // list of programs, shortcut
constexpr std::u16string_view Publisher = u"Dornef";                         // the maker, as its folder
constexpr std::u16string_view PublisherPage = u"https://dornef.example/zib/";  // stand-in until a real page

// --- Paths, before environment expansion ---------------------------------------

constexpr std::u16string_view MakerFolderPath = u"%ProgramFiles(x86)%\\Dornef";
constexpr std::u16string_view ProgramFolderPath = u"%ProgramFiles(x86)%\\Dornef\\Zib";
constexpr std::u16string_view InstalledProgramPath = u"%ProgramFiles(x86)%\\Dornef\\Zib\\Zib.exe";
constexpr std::u16string_view StartMenuMakerPath =
    u"%ALLUSERSPROFILE%\\Microsoft\\Windows\\Start Menu\\Programs\\Dornef";
constexpr std::u16string_view StartMenuFolderPath =
    u"%ALLUSERSPROFILE%\\Microsoft\\Windows\\Start Menu\\Programs\\Dornef\\Zib";
constexpr std::u16string_view ShortcutPath =
    u"%ALLUSERSPROFILE%\\Microsoft\\Windows\\Start Menu\\Programs\\Dornef\\Zib\\Z·i·b - Mini Editor.lnk";

// --- Registry --------------------------------------------------------------------

enum class TRegistryRoot { ClassesRoot, LocalMachine };
enum class TRegistryType { KeyOnly, String, Dword };

constexpr std::u16string_view UninstallKey = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Z·i·b";
constexpr std::u16string_view OpenWithKey = u"SystemFileAssociations\\text\\OpenWithList\\Zib.exe";
constexpr std::u16string_view OpenCommandKey = u"SOFTWARE\\Classes\\Applications\\zib.exe\\shell\\open\\command";
constexpr std::u16string_view AppPathKey = u"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\zib.exe";

// Major version in the top byte, minor in the next: 0x01040000 for 1.4.
constexpr std::uint32_t VersionNumber =
    (std::uint32_t{ZIB_VERSION_MAJOR} << 24) | (std::uint32_t{ZIB_VERSION_MINOR} << 16);

// One value the installation writes (or, for KeyOnly, one key it creates).
struct TRegistryEntry {
  TRegistryRoot Root;
  std::u16string_view Key;
  std::u16string_view ValueName;  // empty: the key's default value
  TRegistryType Type;
  std::u16string Text;            // String
  std::uint32_t Number = 0;       // Dword
};


// The entries in the order they are written, for the installed program's
// expanded path and today's date (yyyy-MM-dd).
std::vector<TRegistryEntry> InstallationEntries(std::u16string_view program, std::u16string_view date);

// One key the removal deletes; WithSubkeys deletes the whole tree beneath it.
struct TRegistryRemoval {
  TRegistryRoot Root;
  std::u16string_view Key;
  bool WithSubkeys;
};

// The keys in the order the removal deletes them.
std::span<const TRegistryRemoval> RemovalKeys();

// --- Command lines -------------------------------------------------------------------

// What the uninstall entry runs: the quoted path and " /Uninstall".
std::u16string UninstallCommand(std::u16string_view program);

// The parameters of the hidden command interpreter that removes both folders
// (expanded paths). Each removal runs on its own, so a Start-menu folder that
// is already gone does not keep the program folder.
std::u16string RemovalScript(std::u16string_view startMenuFolder, std::u16string_view programFolder);

// The working folder a shortcut gets: the given one without a leading
// quotation mark, or when that is empty the target's folder (the target up to
// its last backslash after the first character, or the whole target).
std::u16string ShellLinkWorkingFolder(std::u16string_view workingFolder, std::u16string_view target);
