// The texts of the title bar and the status line.
#pragma once

#include <string>
#include <string_view>

// Path (or "Unbenannt"), " *" when modified, " 🔒" when write-protected, " - Z·i·b".
std::u16string ComposeTitle(std::u16string_view fileName, bool modified, bool writeProtected);

// The status line; line and column are 1-based.
std::u16string ComposeStatusLine(long line, long column, long lines, long total,
                                 std::u16string_view encodingName, bool hasBom, bool insertMode);
