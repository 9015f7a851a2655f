// The menu bar, the system-menu labels and the shortcut table, as data.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

// One row of a popup: a command with its label, or a separator (Id 0).
struct TMenuItem {
  unsigned short Id;
  std::u16string_view Label;
};

struct TMenuPopup {
  std::u16string_view Title;
  std::span<const TMenuItem> Items;
};

enum TPopupIndex { PopupFile = 0, PopupEdit = 1, PopupView = 2, PopupExtras = 3, PopupSymbols = 4 };

// The five popups, left to right.
std::span<const TMenuPopup> MenuPopups();

// The last item on the bar, not a popup: "&?".
TMenuItem MenuAboutItem();

// The system-menu labels that replace the platform's restore and maximize texts.
std::u16string_view SystemMenuRestoreLabel();
std::u16string_view SystemMenuMaximizeLabel();

// Accelerator flags and the virtual keys the table uses (the platform's values).
enum : unsigned char { KeyVirtual = 0x01, KeyShift = 0x04, KeyControl = 0x08, KeyAlt = 0x10 };
enum : unsigned short {
  VkBack = 0x08, VkSpace = 0x20, VkF1 = 0x70, VkF2, VkF3, VkF4, VkF5, VkF6, VkF7, VkF8, VkF9,
  VkF10, VkF11, VkF12,
  VkOemComma = 0xBC, VkOemPeriod = 0xBE, VkOem4 = 0xDB,
};

// One shortcut entry, laid out as the platform's ACCEL record.
struct TShortcut {
  unsigned char Flags;
  unsigned short Key;
  unsigned short Id;
};

std::span<const TShortcut> ShortcutEntries();

// The text a menu label shows for a shortcut: "Ctrl+Shift+S", "F3", "Alt+P".
std::u16string ShortcutText(const TShortcut& shortcut);
