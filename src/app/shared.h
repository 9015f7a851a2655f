// Small shared rules of the start-up and the installation.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

// Case-insensitive search: "a".."z" become "A".."Z" directly, units from 128 up
// are upper-cased by the platform, all others compare as they are. Returns the
// first position where part matches, or nothing.
std::optional<std::size_t> ContainsNoCase(std::u16string_view text, std::u16string_view part);
