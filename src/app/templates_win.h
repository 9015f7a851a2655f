// The templates of "&Extras" and the symbols of "&Symbole".
#pragma once

void InsertTemplate(unsigned short command);  // 201 to 211
void InsertSymbol(unsigned short command);    // 301 to 311
