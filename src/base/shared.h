// Small shared rules of the start-up, the installation and the file names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Case-insensitive search: "a".."z" become "A".."Z" directly, units from 128 up
// are upper-cased by the platform, all others compare as they are. Returns the
// first position where part matches, or nothing.
std::optional<std::size_t> ContainsNoCase(std::u16string_view text, std::u16string_view part);

// Paths from this length on are given to the file functions in their
// extended form; shorter ones keep the form every function takes.
constexpr std::size_t LongPathFrom = 248;

// The form of a full path that the file functions take at any length:
// "\\?\" before a drive path, "\\?\UNC\" instead of the "\\" of a share,
// with every "/" made "\". A path shorter than LongPathFrom, one already in
// a "\\?\" or "\\.\" form and a relative one come back as they are.
std::u16string ExtendedLengthPath(std::u16string_view fullPath);

// The name of a save's temporary file: in the folder of `target` (the
// current folder when it has none), "zib", the eight hex digits of `stamp`,
// ".tmp".
std::u16string TempNameBeside(std::u16string_view target, std::uint32_t stamp);

// The bytes a registry string value is stored with: its units and the
// terminating zero.
constexpr std::size_t RegistryStringBytes(std::size_t units) { return (units + 1) * sizeof(char16_t); }
