// What the end-to-end driver and the probe DLL inside Zib share: the name of
// the shared block, the request message, and the block's layout.
#pragma once

#include <windows.h>

// The name gets the process id of the probed program appended.
constexpr wchar_t ProbeBlockPrefix[] = L"Local\\ZibProbeBlock_";
// Registered message posted to the probed program's main window; wParam is the request.
constexpr wchar_t ProbeRequestMessage[] = L"ZibProbeRequest";

// The otherwise unused key whose arrival tells that all earlier input was handled.
constexpr WORD ProbeSyncKey = VK_F24;

enum TProbeRequest : unsigned {
  ProbePing = 0,             // only answers: the probe is loaded and the thread takes messages
  ProbeReadMenus = 1,        // the menu bar and the system menu as they are
  ProbeReadMenusOpened = 2,  // the same after WM_INITMENU and WM_INITMENUPOPUP for every popup
  ProbeReadSelection = 3,    // EM_GETSEL of the edit control in lParam, with 32-bit positions
  ProbeDropFiles = 4,        // posts WM_DROPFILES with the names in DropNames to the main window
  ProbeRecordCommands = 5,   // lParam 1: record WM_COMMAND of menus and shortcuts at the main
                             // window and keep them from the program; 0: stop and let them through
  ProbeWatchEditClass = 6,   // puts a counter under the EDIT class's procedure: an editor created
                             // from now on passes what its subclass lets through to the counter
  ProbePlantFileFailure = 7, // lParam a TPlantedFailure: how the program's ReplaceFileW and
                             // MoveFileExW fail from now on
};

// Failures planted in the program's imports of ReplaceFileW and MoveFileExW.
enum TPlantedFailure : int {
  PlantNone = 0,         // both work again
  PlantOldFileLost = 1,  // the replace removes the old file, then fails with
                         // ERROR_UNABLE_TO_MOVE_REPLACEMENT; the move fails with ERROR_ACCESS_DENIED
  PlantBothRefused = 2,  // the replace fails with ERROR_UNABLE_TO_REMOVE_REPLACED, the move
                         // with ERROR_SHARING_VIOLATION; both leave every file as it was
  PlantNoNewFiles = 3,   // CreateFileW with CREATE_NEW fails with ERROR_ACCESS_DENIED (a folder
                         // where the user may write a file but not create one)
  PlantReplaceRefused = 4,  // the replace fails as with PlantBothRefused, the move works (a file
                            // system without ReplaceFileW)
};

// Where a row comes from.
enum TProbeMenuKind : int { ProbeBarItem = 0, ProbePopupItem = 1, ProbeSystemItem = 2 };

struct TProbeMenuRow {
  int Kind;
  UINT Id;     // command id; 0 for separators and popups
  UINT Type;   // MFT_* bits
  UINT State;  // MFS_* bits
  BOOL IsPopup;
  wchar_t Label[160];
};

constexpr int ProbeMaxRows = 256;

struct TProbeBlock {
  volatile LONG SyncKeysSeen;  // key-up events of ProbeSyncKey swallowed so far
  volatile LONG Requests;      // requests answered so far
  DWORD SelectionStart;
  DWORD SelectionEnd;
  volatile LONG CommandCount;  // commands recorded since the driver last set it to 0
  WORD Commands[256];          // their ids
  WORD CommandSources[256];    // 0 from a menu, 1 from a shortcut
  // Counted at the editor control (child EditorId) since the probe was hooked in:
  volatile LONG MarkTimers;    // WM_TIMER with the marks' timer 1 taken from the queue
  // and, after ProbeWatchEditClass, what reaches the control's own procedure:
  volatile LONG ScreenErases;  // WM_ERASEBKGND on a screen context (not a memory bitmap's)
  wchar_t DropNames[4096];  // names, each ended by a zero, the list by a second zero
  int RowCount;
  TProbeMenuRow Rows[ProbeMaxRows];
};
