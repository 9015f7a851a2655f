// The characters the character table and the character-set listings show for
// the bytes of the ANSI code page and of the MS-DOS code page 437.
#pragma once

// The ANSI code page's character for byte b; the bytes the code page leaves
// undefined (0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D) give a blank, and a byte
// that does not convert gives '?'.
char16_t AnsiGlyph(unsigned char b);

// The character an MS-DOS screen shows for byte b of code page 437: a blank
// for 0, the graphic symbols for 1..31 and 127, otherwise the code page's
// character, or '?' when the byte does not convert.
char16_t OemGlyph(unsigned char b);
