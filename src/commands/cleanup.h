// Document clean-up: trailing blanks go, tabs become two spaces.
#pragma once

#include <string>
#include <string_view>

// The cleaned text: every line (up to the next CR or LF) loses its trailing
// spaces and tabs, every remaining tab becomes two spaces, and the line
// breaks, lone CR and lone LF included, stay exactly as they are.
// Into out, reusing its storage (out must not overlap text); false, with out
// empty, when the memory for it cannot be had.
bool CleanUpText(std::u16string_view text, std::u16string& out);
