#include "app/menu_win.h"

#include <string>
#include <vector>

#include "app/appearance_win.h"
#include "app/main_window_win.h"
#include "base/commands.h"
#include "platform/wide_win.h"

namespace {

HMENU Popups[5] = {};

}  // namespace

HMENU BuildMenuBar() {
  HMENU bar = CreateMenu();
  std::span<const TMenuPopup> popups = MenuPopups();
  for (std::size_t p = 0; p < popups.size(); ++p) {
    HMENU popup = CreateMenu();
    Popups[p] = popup;
    for (const TMenuItem& item : popups[p].Items) {
      if (item.Id == 0) {
        AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
      } else {
        AppendMenuW(popup, MF_STRING, item.Id, ToWide(item.Label).c_str());
      }
    }
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), ToWide(popups[p].Title).c_str());
  }
  TMenuItem about = MenuAboutItem();
  AppendMenuW(bar, MF_STRING, about.Id, ToWide(about.Label).c_str());
  if (DarkMode) CheckMenuItem(Popups[PopupView], CmdDarkMode, MF_BYCOMMAND | MF_CHECKED);

  HMENU system = GetSystemMenu(MainWindow, FALSE);
  if (system) {
    ModifyMenuW(system, SC_RESTORE, MF_BYCOMMAND | MF_STRING, SC_RESTORE,
                ToWide(SystemMenuRestoreLabel()).c_str());
    ModifyMenuW(system, SC_MAXIMIZE, MF_BYCOMMAND | MF_STRING, SC_MAXIMIZE,
                ToWide(SystemMenuMaximizeLabel()).c_str());
  }
  return bar;
}

// The shortcut table's flags and keys are the platform's own values.
static_assert(KeyVirtual == FVIRTKEY && KeyShift == FSHIFT && KeyControl == FCONTROL && KeyAlt == FALT);
static_assert(VkBack == VK_BACK && VkSpace == VK_SPACE && VkF1 == VK_F1 && VkF12 == VK_F12);
static_assert(VkOemComma == VK_OEM_COMMA && VkOemPeriod == VK_OEM_PERIOD && VkOem4 == VK_OEM_4);

HACCEL BuildShortcutTable() {
  std::span<const TShortcut> entries = ShortcutEntries();
  std::vector<ACCEL> table(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    table[i].fVirt = entries[i].Flags;
    table[i].key = entries[i].Key;
    table[i].cmd = entries[i].Id;
  }
  return CreateAcceleratorTableW(table.data(), static_cast<int>(table.size()));
}

HMENU MenuPopupHandle(TPopupIndex popup) { return Popups[popup]; }

void SetViewCheck(unsigned short command, bool checked) {
  CheckMenuItem(Popups[PopupView], command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}
