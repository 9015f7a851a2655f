// The shared dialog template and the control layouts of the number prompts
// and the character table.
#include "base/texts.h"
#include "dialogs/dialog_template.h"

namespace {

void PutWord(unsigned char* at, std::uint16_t v) {
  at[0] = static_cast<unsigned char>(v & 0xFF);
  at[1] = static_cast<unsigned char>(v >> 8);
}

void PutDword(unsigned char* at, std::uint32_t v) {
  PutWord(at, static_cast<std::uint16_t>(v & 0xFFFF));
  PutWord(at + 2, static_cast<std::uint16_t>(v >> 16));
}

// A signed 16-bit field; values beyond it are held at its ends.
void PutShort(unsigned char* at, int v) {
  if (v < -32768) v = -32768;
  if (v > 32767) v = 32767;
  PutWord(at, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
}

// 4.5 units, computed in floating point and truncated.
int ButtonHeight(int unit) { return static_cast<int>(4.5 * unit); }

}  // namespace

void FillDialogTemplate(unsigned char (&bytes)[DialogTemplateSize], const TDialogBox& box) {
  for (unsigned char& b : bytes) b = 0;
  PutDword(bytes, DialogTemplateStyle);
  PutDword(bytes + 4, DialogTemplateExStyle);
  PutWord(bytes + 8, 0);  // no items: each dialog creates its own controls
  PutShort(bytes + 10, box.x);
  PutShort(bytes + 12, box.y);
  PutShort(bytes + 14, box.cx);
  PutShort(bytes + 16, box.cy);
  // Bytes 18..23 stay zero: no menu, the standard class, no title.
}

TDialogBox NumberPromptBox(int unit) { return {25 * unit, -4 * unit, 25 * unit, 10 * unit}; }

TDialogBox CharTableBox(int unit, int ownerClientWidth, int ownerClientHeight) {
  int third = ownerClientHeight / 3;
  return {ownerClientWidth / 2 - 15 * unit, static_cast<int>(-5.3 * unit), 15 * unit,
          third > 35 * unit ? third : 35 * unit};
}

void NumberPromptControls(int unit, int clientHeight, const char16_t* label,
                          TControlSpec (&controls)[NumberPromptControlCount]) {
  const int u = unit;
  const int bottom = clientHeight;
  controls[0] = {u"STATIC", label, 0, 0x50000000, 0, u, 2 * u, 15 * u, 4 * u};
  controls[1] = {u"EDIT", u"", 0x00000200, 0x50012080, NumberFieldId, u, 6 * u, 48 * u, 4 * u};
  controls[2] = {u"BUTTON", OkButton, 0, 0x50010301, 1, 8 * u, bottom - 7 * u, 15 * u, ButtonHeight(u)};
  controls[3] = {u"BUTTON", CancelButton, 0, 0x50010300, 2, 28 * u, bottom - 7 * u, 15 * u,
                 ButtonHeight(u)};
}

void CharTableControls(int unit, int clientWidth, int clientHeight,
                       TControlSpec (&controls)[CharTableControlCount]) {
  const int u = unit;
  const int bottom = clientHeight;
  controls[0] = {u"LISTBOX", CharTableListText, 0, 0x50210141, CharTableList, 0, 0, clientWidth,
                 clientHeight - 9 * u};
  controls[1] = {u"BUTTON", InsertButton, 0, 0x50010301, 1, u, bottom - 6 * u, 14 * u,
                 ButtonHeight(u)};
  controls[2] = {u"BUTTON", CancelButton, 0, 0x50010300, 2, 15 * u, bottom - 6 * u, 13 * u,
                 ButtonHeight(u)};
}
