// The end-to-end driver: starts the real Zib.exe, presses keys, posts
// commands, answers message boxes and reads what the program shows.
// Every wait has a time-out, and a started program is ended when its record
// goes out of scope, so a failing test never leaves a process behind.
// Its sections live in driver_process_win.cpp (paths, start and end, the
// probe's requests, the prefix's registry), driver_input_win.cpp (keys,
// commands, text put into the editor), driver_dialogs_win.cpp and
// driver_screen_win.cpp (what the windows show, pictures).
#pragma once

#include <windows.h>
#include <dlgs.h>

#include <string>
#include <string_view>
#include <vector>

#include "base/texts.h"
#include "base/window_ids.h"
#include "platform/wide_win.h"
#include "probe_protocol.h"

struct TProbeBlock;

constexpr DWORD DefaultWaitMs = 10000;
// The search field of the find and replace dialogs.
constexpr int FindWhatFieldId = edt1;

// One running program under test.
struct TZib {
  PROCESS_INFORMATION Process{};
  HWND Main = nullptr;
  DWORD ThreadId = 0;  // the thread that owns the main window
  HHOOK Hook = nullptr;
  HANDLE BlockMapping = nullptr;
  TProbeBlock* Block = nullptr;
  DWORD ExitCode = STILL_ACTIVE;

  TZib() = default;
  TZib(const TZib&) = delete;
  TZib& operator=(const TZib&) = delete;
  ~TZib();
};

// --- Paths -----------------------------------------------------------------

// The folder of the running test program (Zib.exe and zib_probe.dll lie there).
std::wstring ProgramFolder();
std::wstring ZibPath();
// The Unix folder named by an environment variable, as a path on drive Z:
// (the whole Unix tree); empty when the variable is not set.
std::wstring UnixFolderFrom(const char* variable);
// A fresh, empty folder for one test's files (under the temp folder).
std::wstring ScratchFolder(std::wstring_view name);
// The text in UTF-8, for test messages.
std::string Narrow(const std::wstring& text);
bool WriteFileBytes(const std::wstring& path, std::string_view bytes);
bool ReadFileBytes(const std::wstring& path, std::string& bytes);

// --- Start and end -----------------------------------------------------------

// Starts `program` (default Zib.exe) with the arguments, waits for a visible
// MainWindowClass window of that process and hooks the probe into its thread.
bool StartZib(TZib& zib, std::wstring_view arguments = L"", std::wstring_view workFolder = L"",
              DWORD timeoutMs = 20000);
// The same for any program, waiting for a visible top-level window of `windowClass`.
bool StartProgram(TZib& zib, const std::wstring& program, std::wstring_view arguments,
                  std::wstring_view workFolder, const wchar_t* windowClass, DWORD timeoutMs);
// Ends the process if it still runs (TerminateProcess), unhooks, closes handles.
void StopZib(TZib& zib);
// Waits for the process to end by itself; true and the exit code when it did.
bool WaitForExit(TZib& zib, DWORD timeoutMs, DWORD& exitCode);
bool IsRunning(const TZib& zib);

// --- Input -------------------------------------------------------------------

// Brings `window` to the foreground, where SendInput goes; by default the main
// window, or the open modal dialog while one disables the main window.
bool BringToFront(TZib& zib, HWND window = nullptr);
// One key with modifiers, down and up.
void PressKey(WORD vk, bool ctrl = false, bool shift = false, bool alt = false);
// A key chord written as the menus show it: "Ctrl+Shift+S", "F3", "Alt+F4",
// "Ctrl+Backspace", "Insert", "Ctrl+.", "Enter". False for an unknown name.
bool PressKeys(std::wstring_view chord);
// Types text as Unicode key events; "\n" presses Enter and "\t" Tab.
void TypeText(std::wstring_view text);
// Sends the synchronisation key and waits until Zib's thread has taken it:
// then every earlier key has been handled (and a modal loop it opened is running).
bool WaitForInputHandled(TZib& zib, DWORD timeoutMs = DefaultWaitMs);
// Front, keys, wait: the usual way a test presses something.
bool Keys(TZib& zib, std::wstring_view chord);
bool Type(TZib& zib, std::wstring_view text);
// The chord of a command as the program's shortcut table has it
// ("Ctrl+Shift+U"); empty when the command has no shortcut.
std::wstring ChordOf(unsigned short id);
// Presses the command's shortcut as Keys does; false when it has none.
bool PressCommand(TZib& zib, unsigned short id);

// Text and selection put into the editor directly, without typing.
// WM_SETTEXT, as a paste would; true once the editor holds the text.
bool SetEditorText(TZib& zib, const std::wstring& text, UINT timeoutMs = 20000);
// Through the clipboard and Ctrl+V, for long texts (a WM_SETTEXT of more
// than a million units from another process ends the receiving process
// under Wine); true once the editor holds the text.
bool PasteIntoEditor(TZib& zib, const std::wstring& text, DWORD timeoutMs = 120000);
void SelectInEditor(TZib& zib, DWORD start, DWORD end);
// The text, then the selection start..end; true once the editor shows both.
bool PutText(TZib& zib, const std::wstring& text, DWORD start, DWORD end);

// Posts WM_COMMAND with the id to the main window (and does not wait).
bool PostCommand(TZib& zib, unsigned short id);
// Posts WM_CLOSE to the main window.
bool PostClose(TZib& zib);
// Drops files on the main window as the shell would (WM_DROPFILES built inside
// the program by the probe); waits until the probe has posted it.
bool DropFiles(TZib& zib, const std::vector<std::wstring>& paths);

// From now on the program's ReplaceFileW and MoveFileExW fail as `how` says
// (probe_protocol.h); PlantNone lets them work again.
bool PlantFileFailure(TZib& zib, TPlantedFailure how);

// From now on menu and shortcut commands reaching the main window are noted
// and not carried out (the probe replaces the window procedure), until
// StopRecordingCommands. Starting again clears the notes.
bool RecordCommands(TZib& zib);
bool StopRecordingCommands(TZib& zib);
struct TRecordedCommand {
  WORD Id;
  bool FromShortcut;  // the accelerator table sent it (else a menu)
};
std::vector<TRecordedCommand> RecordedCommands(const TZib& zib);
void ClearRecordedCommands(TZib& zib);

// What the probe counts at the editor: the marks' repaint timer firing, and
// (once WatchEditorErases has run and the editor was created anew) the
// background erases on the screen that reach the control itself.
LONG MarkTimersFired(const TZib& zib);
bool WatchEditorErases(TZib& zib);
LONG ScreenErases(const TZib& zib);

// --- Reading the main window -------------------------------------------------

std::wstring WindowText(HWND window);
std::wstring WindowClass(HWND window);
std::wstring Title(const TZib& zib);
HWND Editor(const TZib& zib);      // child EditorId
HWND StatusLine(const TZib& zib);  // child StatusId
std::wstring EditorText(const TZib& zib);
std::wstring StatusText(const TZib& zib);
// The editor's length in units (GetWindowTextLengthW answers 0 across
// processes under Wine; the message itself is answered); -1 when it is not.
long EditorLength(TZib& zib, UINT timeoutMs = 20000);
// The editor's selection (EM_GETSEL, asked inside the program: 32-bit positions).
bool EditorSelection(TZib& zib, DWORD& start, DWORD& end);
// Wait until the editor shows that text, or that selection.
bool TextBecomes(TZib& zib, const std::wstring& text, DWORD timeoutMs = 5000);
bool SelectionBecomes(TZib& zib, DWORD start, DWORD end, DWORD timeoutMs = 5000);
LONG_PTR WindowStyle(HWND window);
// The caret rectangle of Zib's thread (client coordinates of its window).
bool CaretRect(const TZib& zib, RECT& rect);

// --- Menus, through the probe ------------------------------------------------

struct TMenuEntry {
  std::wstring Label;
  UINT Id = 0;
  UINT State = 0;  // MFS_* bits
  bool Separator = false;
  std::vector<TMenuEntry> Items;  // the popup's rows
  bool Checked() const { return (State & MFS_CHECKED) != 0; }
  bool Grayed() const { return (State & MFS_GRAYED) != 0; }
};

struct TMenus {
  std::vector<TMenuEntry> Bar;     // popups and plain items, left to right
  std::vector<TMenuEntry> System;  // the window's system menu, top to bottom
};

// Reads the menus; `opened` first sends WM_INITMENU and WM_INITMENUPOPUP for
// every popup, as opening the menus with the mouse would.
bool ReadMenus(TZib& zib, TMenus& menus, bool opened = false, DWORD timeoutMs = DefaultWaitMs);
// The row with that command id anywhere on the bar, or nullptr.
const TMenuEntry* FindMenuItem(const TMenus& menus, UINT id);

// --- Dialogs -------------------------------------------------------------------

// Waits for a visible top-level dialog (#32770) of the process, optionally
// with that caption; nullptr on time-out.
HWND WaitForDialog(const TZib& zib, DWORD timeoutMs = DefaultWaitMs, std::wstring_view caption = L"");
// Waits for a message box (a dialog with the static 0xFFFF, not the find or
// replace dialog) of the process with that caption; nullptr on time-out.
HWND WaitForMessageBox(const TZib& zib, std::wstring_view caption, DWORD timeoutMs = DefaultWaitMs);
// The dialogs of the process shown right now.
std::vector<HWND> Dialogs(const TZib& zib);
// The text of a message box (its static 0xFFFF).
std::wstring MessageText(HWND box);
std::wstring DialogItemText(HWND dialog, int id);
bool SetDialogItemText(HWND dialog, int id, std::wstring_view text);
// Presses a button by id (IDOK 1, IDCANCEL 2, IDYES 6, IDNO 7, ...).
bool PressButton(HWND dialog, int id);
// The file-name field of an open or save dialog (the Edit with id 0x47C, or
// the outermost control with that id when there is no Edit).
HWND FileNameField(HWND dialog);
// Types the path into the file-name field and presses OK.
bool AnswerFileDialog(HWND dialog, std::wstring_view path);
// Waits until the window is gone.
bool WaitForWindowGone(HWND window, DWORD timeoutMs = DefaultWaitMs);
// The open find or replace dialog (the one with the search field), nullptr
// when none is; `count` takes how many are open.
HWND FindOpenDialog(TZib& zib, int* count = nullptr);
// How many find or replace dialogs are open once the input so far is handled.
int FindDialogCount(TZib& zib);
HWND WaitForFindDialog(TZib& zib);
// True when the keyboard focus of Zib's thread is the window or inside it.
bool FocusIsIn(TZib& zib, HWND window);

// --- Pictures ------------------------------------------------------------------

// Saves the window as it is on screen to build/screenshots/<name>.png.
bool SaveScreenshot(HWND window, std::wstring_view name);
// The colour on screen at client coordinates of the window.
bool ScreenPixel(HWND window, int x, int y, COLORREF& colour);
// The colours on screen of a rectangle in client coordinates, row by row.
bool ScreenPixels(HWND window, const RECT& area, std::vector<COLORREF>& pixels);
// Whether the rectangle shows the colour anywhere.
bool AreaShows(HWND window, const RECT& area, COLORREF colour);

// --- Registry of the prefix (the current user) -------------------------------

// Sets or (value < 0) removes AppsUseLightTheme; returns the earlier state.
struct TThemeValue {
  bool Present = false;
  DWORD Value = 0;
};
TThemeValue ReadLightThemeValue();
void WriteLightThemeValue(const TThemeValue& value);

// Polls `done` every few milliseconds until it holds or the time is up.
template <typename F>
bool WaitUntil(F done, DWORD timeoutMs = DefaultWaitMs) {
  DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(10);
  }
}
