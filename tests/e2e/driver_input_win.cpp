// The end-to-end driver, input: keys and text as the user types them, the
// program's own shortcuts, commands, dropped files, and text and selection
// put into the editor directly. See driver_win.h for what each routine promises.
#include <cstring>
#include <cwctype>

#include "app/menu_table.h"
#include "driver_internal_win.h"

namespace {

std::wstring Lower(std::wstring_view s) {
  std::wstring out(s);
  for (wchar_t& c : out) c = static_cast<wchar_t>(std::towlower(c));
  return out;
}

bool IsExtendedKey(WORD vk) {
  switch (vk) {
    case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_RCONTROL: case VK_RMENU:
      return true;
    default:
      return false;
  }
}

INPUT KeyInput(WORD vk, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
  return in;
}

INPUT UnicodeInput(wchar_t unit, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wScan = unit;
  in.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
  return in;
}

void Send(std::vector<INPUT>& inputs) {
  if (!inputs.empty()) SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  inputs.clear();
}

WORD KeyByName(std::wstring_view name) {
  if (name.size() == 1) {
    wchar_t c = static_cast<wchar_t>(std::towupper(name[0]));
    if ((c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')) return c;
    if (c == L'.') return VK_OEM_PERIOD;
    if (c == L',') return VK_OEM_COMMA;
    if (c == L'?') return VK_OEM_4;
    return 0;
  }
  std::wstring n = Lower(name);
  if (n[0] == L'f' && n.size() <= 3 && std::iswdigit(n[1])) {
    int f = std::stoi(n.substr(1));
    return f >= 1 && f <= 24 ? static_cast<WORD>(VK_F1 + f - 1) : 0;
  }
  static const struct {
    const wchar_t* Name;
    WORD Vk;
  } names[] = {
      {L"space", VK_SPACE},   {L"backspace", VK_BACK}, {L"back", VK_BACK},    {L"delete", VK_DELETE},
      {L"del", VK_DELETE},    {L"insert", VK_INSERT},  {L"ins", VK_INSERT},   {L"enter", VK_RETURN},
      {L"return", VK_RETURN}, {L"tab", VK_TAB},        {L"esc", VK_ESCAPE},   {L"escape", VK_ESCAPE},
      {L"home", VK_HOME},     {L"end", VK_END},        {L"left", VK_LEFT},    {L"right", VK_RIGHT},
      {L"up", VK_UP},         {L"down", VK_DOWN},      {L"pgup", VK_PRIOR},   {L"pgdn", VK_NEXT},
  };
  for (const auto& entry : names)
    if (n == entry.Name) return entry.Vk;
  return 0;
}


}  // namespace

// --- Input -----------------------------------------------------------------------

bool BringToFront(TZib& zib, HWND window) {
  if (!window) {
    // While a modal dialog disables the main window, the dialog takes the keys.
    window = zib.Main;
    if (window && !IsWindowEnabled(window)) {
      std::vector<HWND> dialogs = Dialogs(zib);
      for (HWND dialog : dialogs)
        if (IsWindowEnabled(dialog)) window = dialog;
    }
  }
  if (!window || !IsWindow(window)) return false;
  if (GetForegroundWindow() == window) return true;
  return WaitUntil(
      [&] {
        SetForegroundWindow(window);
        return GetForegroundWindow() == window;
      },
      3000);
}

void PressKey(WORD vk, bool ctrl, bool shift, bool alt) {
  std::vector<INPUT> inputs;
  if (ctrl) inputs.push_back(KeyInput(VK_CONTROL, false));
  if (shift) inputs.push_back(KeyInput(VK_SHIFT, false));
  if (alt) inputs.push_back(KeyInput(VK_MENU, false));
  inputs.push_back(KeyInput(vk, false));
  inputs.push_back(KeyInput(vk, true));
  if (alt) inputs.push_back(KeyInput(VK_MENU, true));
  if (shift) inputs.push_back(KeyInput(VK_SHIFT, true));
  if (ctrl) inputs.push_back(KeyInput(VK_CONTROL, true));
  Send(inputs);
}

bool PressKeys(std::wstring_view chord) {
  bool ctrl = false, shift = false, alt = false;
  while (true) {
    size_t plus = chord.find(L'+');
    if (plus == std::wstring_view::npos || plus + 1 >= chord.size()) break;
    std::wstring part = Lower(chord.substr(0, plus));
    if (part == L"ctrl") ctrl = true;
    else if (part == L"shift") shift = true;
    else if (part == L"alt") alt = true;
    else return false;
    chord.remove_prefix(plus + 1);
  }
  WORD vk = KeyByName(chord);
  if (!vk) return false;
  PressKey(vk, ctrl, shift, alt);
  return true;
}

void TypeText(std::wstring_view text) {
  std::vector<INPUT> inputs;
  for (wchar_t c : text) {
    if (c == L'\n' || c == L'\t') {
      Send(inputs);
      PressKey(c == L'\n' ? VK_RETURN : VK_TAB);
      continue;
    }
    if (c == L'\r') continue;
    inputs.push_back(UnicodeInput(c, false));
    inputs.push_back(UnicodeInput(c, true));
  }
  Send(inputs);
}

bool WaitForInputHandled(TZib& zib, DWORD timeoutMs) {
  if (!zib.Block || !IsRunning(zib)) return false;
  LONG before = zib.Block->SyncKeysSeen;
  PressKey(ProbeSyncKey);
  return WaitUntil([&] { return zib.Block->SyncKeysSeen > before || !IsRunning(zib); }, timeoutMs) &&
         zib.Block->SyncKeysSeen > before;
}

bool Keys(TZib& zib, std::wstring_view chord) {
  if (!BringToFront(zib)) return false;
  if (!PressKeys(chord)) return false;
  return WaitForInputHandled(zib);
}

bool Type(TZib& zib, std::wstring_view text) {
  if (!BringToFront(zib)) return false;
  TypeText(text);
  return WaitForInputHandled(zib);
}

bool PostCommand(TZib& zib, unsigned short id) {
  return zib.Main && PostMessageW(zib.Main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

bool PostClose(TZib& zib) { return zib.Main && PostMessageW(zib.Main, WM_CLOSE, 0, 0); }

bool DropFiles(TZib& zib, const std::vector<std::wstring>& paths) {
  if (!zib.Block) return false;
  size_t at = 0;
  const size_t capacity = sizeof(zib.Block->DropNames) / sizeof(wchar_t);
  for (const std::wstring& path : paths) {
    if (at + path.size() + 2 > capacity) return false;
    CopyMemory(zib.Block->DropNames + at, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
    at += path.size() + 1;
  }
  zib.Block->DropNames[at] = 0;
  if (at == 0) zib.Block->DropNames[1] = 0;
  return AskProbe(zib, ProbeDropFiles, 0, DefaultWaitMs);
}

std::wstring ChordOf(unsigned short id) {
  for (const TShortcut& s : ShortcutEntries())
    if (s.Id == id) return ToWide(ShortcutText(s));
  return L"";
}

bool PressCommand(TZib& zib, unsigned short id) {
  std::wstring chord = ChordOf(id);
  return !chord.empty() && Keys(zib, chord);
}

// --- Text put into the editor ------------------------------------------------------

bool SetEditorText(TZib& zib, const std::wstring& text, UINT timeoutMs) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(Editor(zib), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()),
                             SMTO_ABORTIFHUNG, timeoutMs, &result) != 0 &&
         EditorLength(zib, timeoutMs) == static_cast<long>(text.size());
}

bool PasteIntoEditor(TZib& zib, const std::wstring& text, DWORD timeoutMs) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (memory) {
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  }
  CloseClipboard();
  SelectInEditor(zib, 0, static_cast<DWORD>(-1));
  if (!Keys(zib, L"Ctrl+V")) return false;
  return WaitUntil([&] { return EditorLength(zib, timeoutMs) == static_cast<long>(text.size()); }, timeoutMs);
}

void SelectInEditor(TZib& zib, DWORD start, DWORD end) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(Editor(zib), EM_SETSEL, start, static_cast<LPARAM>(end), SMTO_ABORTIFHUNG, SendTimeoutMs,
                      &result);
}

bool PutText(TZib& zib, const std::wstring& text, DWORD start, DWORD end) {
  if (!SetEditorText(zib, text)) return false;
  SelectInEditor(zib, start, end);
  return SelectionBecomes(zib, start, end);
}
