// Placeholder until the character set listings land.
#include "dialogs/dialogs_win.h"

void InsertCharacterListing(bool) {}
