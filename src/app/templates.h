// The texts of the templates (commands 201 to 211) and the characters of the
// symbols (301 to 311). All are constants: line breaks are CR LF, and nothing
// depends on the document or the clock.
#pragma once

#include <string>

// The template of the command; empty for any other command.
std::u16string TemplateText(unsigned short command);

// The character of the symbol command; 0 for any other command.
char16_t SymbolCharacter(unsigned short command);
