// The in-memory dialog template shared by the editor's modal dialogs, and the
// layout of the controls those dialogs create themselves. Everything is sized
// in multiples of the layout unit: dialog units for the template, pixels for
// the controls.
#pragma once

#include <cstddef>
#include <cstdint>

// The header (18 bytes) and the three zero words after it: no menu, the
// standard dialog class, an empty title. No font fields follow.
constexpr std::size_t DialogTemplateSize = 24;

constexpr std::uint32_t DialogTemplateStyle = 0x10C80804;    // visible, caption, system menu, centred, 3D
constexpr std::uint32_t DialogTemplateExStyle = 0x00000081;  // modal frame, tool window

// Position and size of a dialog in dialog units.
struct TDialogBox {
  int x;
  int y;
  int cx;
  int cy;
};

// Writes the template for box into bytes (little-endian, as the dialog
// manager reads it); the sizes are clamped to the 16-bit fields.
void FillDialogTemplate(unsigned char (&bytes)[DialogTemplateSize], const TDialogBox& box);

// The go-to-line dialog and the year prompt.
TDialogBox NumberPromptBox(int unit);

// The character table, from the owner's client size in pixels.
TDialogBox CharTableBox(int unit, int ownerClientWidth, int ownerClientHeight);

// One control a dialog creates when it starts; x, y, width and height are
// pixels in the dialog's client area.
struct TControlSpec {
  const char16_t* className;
  const char16_t* text;
  std::uint32_t exStyle;
  std::uint32_t style;
  int id;
  int x;
  int y;
  int width;
  int height;
};

constexpr int NumberFieldId = 100;
constexpr int CharTableList = 101;
constexpr int NumberPromptControlCount = 4;
constexpr int CharTableControlCount = 3;

// The label, the number field, OK and Cancel of a number prompt whose client
// area is clientHeight pixels high. The field starts empty.
void NumberPromptControls(int unit, int clientHeight, const char16_t* label,
                          TControlSpec (&controls)[NumberPromptControlCount]);

// The list, the insert button and Cancel of the character table, whose client
// area is clientWidth x clientHeight pixels.
void CharTableControls(int unit, int clientWidth, int clientHeight,
                       TControlSpec (&controls)[CharTableControlCount]);
