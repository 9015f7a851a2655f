// The character-set listings: a heading, then the characters in lines of 32
// separated by blanks, lines ending in CR LF.
#pragma once

#include <string>

// ansi: the ANSI code page from 32 to 255, then Latin Extended-A, Russian
// Cyrillic and the additional Ukrainian letters (970 units, no line break at
// the end). Otherwise all 256 bytes of code page 437 as an MS-DOS screen shows
// them (541 units, ending with a line break).
std::u16string CharacterListing(bool ansi);
