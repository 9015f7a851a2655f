// Placeholders until the templates and symbols land.
#include "app/templates_win.h"

void InsertTemplate(unsigned short) {}
void InsertSymbol(unsigned short) {}
