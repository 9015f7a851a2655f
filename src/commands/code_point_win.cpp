// Placeholder until the command lands.
#include "commands/text_commands_win.h"

void ConvertCodePoint() {}
