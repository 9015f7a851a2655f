// Opening a large file under Wine, three ways, in one run:
//   edit     the bare EDIT control's own SetWindowTextW of the decoded text
//            (in this process, Zib's styles and font): the floor for any editor;
//   zib      Zib.exe started with the file: from its window showing to the
//            whole text being in its editor (the load), and from CreateProcess;
//   notepad  Wine's notepad started with the same file, from CreateProcess.
// Prints medians. Usage: zib_open_bench [megabytes] [runs]   (default 5, 5)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "timing_win.h"

namespace {

// Plain ASCII prose with CR LF line ends, so every program reads it the same.
std::string MakeText(size_t bytes) {
  static const char* words[] = {"Zib", "editor", "text", "line", "file", "window", "speed", "wine",
                                "control", "open", "the", "a", "and", "of", "memory", "document"};
  std::string s;
  s.reserve(bytes + 100);
  unsigned seed = 12345;
  size_t lineStart = 0;
  while (s.size() < bytes) {
    seed = seed * 1103515245u + 12345u;
    s += words[(seed >> 16) % 16];
    if (s.size() - lineStart > 60 + (seed >> 8) % 20) {
      s += "\r\n";
      lineStart = s.size();
    } else {
      s += ' ';
    }
  }
  return s;
}

HWND FindProcessWindow(DWORD pid, const wchar_t* windowClass) {
  struct TSearch {
    DWORD Pid;
    const wchar_t* Class;
    HWND Found;
  } search{pid, windowClass, nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto& s = *reinterpret_cast<TSearch*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t name[64] = L"";
        GetClassNameW(window, name, 64);
        if (owner == s.Pid && IsWindowVisible(window) && lstrcmpiW(name, s.Class) == 0) {
          s.Found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.Found;
}

HWND FindEditChild(HWND parent) {
  HWND edit = GetDlgItem(parent, 1001);
  return edit ? edit : FindWindowExW(parent, nullptr, L"Edit", nullptr);
}

LRESULT TextLength(HWND edit) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 60000, &length)) return -1;
  return static_cast<LRESULT>(length);
}

struct TOpenTimes {
  double Window = -1;  // CreateProcess to a visible main window
  double Loaded = -1;  // CreateProcess to the whole text in the editor
};

TOpenTimes TimeProgram(const std::wstring& program, const std::wstring& file, const wchar_t* windowClass,
                       LRESULT expected) {
  TOpenTimes times;
  std::wstring commandLine = L"\"" + program + L"\" \"" + file + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  double begin = Now();
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return times;
  HWND main = nullptr;
  while (Now() - begin < 120000 && WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) {
    if (!main) {
      main = FindProcessWindow(process.dwProcessId, windowClass);
      if (main) times.Window = Now() - begin;
    }
    if (main) {
      HWND edit = FindEditChild(main);
      if (edit && TextLength(edit) >= expected) {
        times.Loaded = Now() - begin;
        break;
      }
    }
    Sleep(1);
  }
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  Sleep(300);
  return times;
}

// The bare control: Zib's editor styles and font, SetWindowTextW timed alone.
double TimeBareEdit(const std::wstring& text) {
  HWND frame = CreateWindowExW(0, L"STATIC", L"bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 608, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL |
                                  ES_AUTOHSCROLL | ES_NOHIDESEL,
                              0, 0, 780, 560, frame, nullptr, GetModuleHandleW(nullptr), nullptr);
  HFONT font = CreateFontW(-18, 0, 0, 0, 100, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_ONLY_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_ROMAN, L"Courier New");
  SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
  SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  double begin = Now();
  SetWindowTextW(edit, text.c_str());
  UpdateWindow(edit);
  double elapsed = Now() - begin;
  DestroyWindow(frame);
  DeleteObject(font);
  return elapsed;
}

std::wstring Folder() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring s(path, n);
  return s.substr(0, s.find_last_of(L"\\/") + 1);
}

}  // namespace

int main(int argc, char** argv) {
  size_t megabytes = argc > 1 ? static_cast<size_t>(std::atoi(argv[1])) : 5;
  int runs = argc > 2 ? std::atoi(argv[2]) : 5;
  std::string bytes = MakeText(megabytes * 1000 * 1000);
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring file = std::wstring(temp) + L"zib-open-bench.txt";
  HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(handle);
  std::wstring text(bytes.begin(), bytes.end());
  LRESULT expected = static_cast<LRESULT>(text.size());

  std::wstring zib = Folder() + L"Zib.exe";
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  std::wstring notepad = std::wstring(system) + L"\\notepad.exe";

  std::vector<double> bare, zibLoad, zibTotal, notepadTotal;
  TimeProgram(zib, file, L"ZibClass", expected);  // warm-up: caches, fonts, server
  for (int i = 0; i < runs; ++i) {
    bare.push_back(TimeBareEdit(text));
    TOpenTimes z = TimeProgram(zib, file, L"ZibClass", expected);
    if (z.Loaded >= 0) {
      zibLoad.push_back(z.Loaded - z.Window);
      zibTotal.push_back(z.Loaded);
    }
    TOpenTimes n = TimeProgram(notepad, file, L"Notepad", expected);
    if (n.Loaded >= 0) notepadTotal.push_back(n.Loaded);
  }
  DeleteFileW(file.c_str());

  std::printf("Opening %zu bytes (%d runs, medians):\n", bytes.size(), runs);
  std::printf("  bare EDIT SetWindowTextW          %8.1f ms\n", Median(bare));
  std::printf("  Zib load (window shown to text)   %8.1f ms   = %.2f x bare EDIT\n", Median(zibLoad),
              Median(zibLoad) / Median(bare));
  std::printf("  Zib total (CreateProcess to text) %8.1f ms\n", Median(zibTotal));
  std::printf("  notepad total (same)              %8.1f ms   Zib/notepad = %.2f\n", Median(notepadTotal),
              Median(zibTotal) / Median(notepadTotal));
  return 0;
}
