// Commands 201 to 211 and 301 to 311: the fixed text goes in at the caret,
// replacing any selection, as one undoable step.
#include "app/templates_win.h"

#include "app/templates.h"
#include "editor/editor_win.h"

void InsertTemplate(unsigned short command) {
  std::u16string text = TemplateText(command);
  if (!text.empty()) ReplaceSelectionText(text);
}

void InsertSymbol(unsigned short command) {
  char16_t c = SymbolCharacter(command);
  if (c != 0) ReplaceSelectionText(std::u16string(1, c));
}
