// Ctrl+3 and Ctrl+0: the character-set listing goes in at the caret,
// replacing any selection, as one undoable step.
#include "dialogs/dialogs_win.h"
#include "dialogs/listing.h"
#include "editor/editor_win.h"

void InsertCharacterListing(bool ansi) { ReplaceSelectionText(CharacterListing(ansi)); }
