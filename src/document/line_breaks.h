// The line-break conversion of loading and saving.
#pragma once

#include <string>
#include <string_view>

// Puts a CR in front of every LF that does not follow a CR; lone CRs stay.
// Into out, whose storage is reused; text must not overlap it.
bool ToCrLf(std::u16string_view text, std::u16string& out);
// The same on a text of one's own; text that needs no CR is left alone, and
// so is a text whose longer form cannot be had (false).
bool ToCrLfInPlace(std::u16string& text);
