// Start-up time under Wine: from CreateProcess to the first visible top-level
// window of the new process, for Zib.exe (beside this program) and for Wine's
// own notepad, started alternately. Prints the median and the range of each.
// Usage: zib_startup_bench [runs]   (default 9 runs each, after one warm-up)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "timing_win.h"

namespace {

struct TSearch {
  DWORD ProcessId;
  bool Found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM param) {
  TSearch& search = *reinterpret_cast<TSearch*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid == search.ProcessId && IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) {
    search.Found = true;
    return FALSE;
  }
  return TRUE;
}

// Milliseconds until a visible window, or a negative number on failure.
double TimeToWindow(const std::wstring& program) {
  std::wstring commandLine = L"\"" + program + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER frequency, begin, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&begin);
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return -1;
  double elapsed = -2;
  for (;;) {
    TSearch search{process.dwProcessId, false};
    EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
    QueryPerformanceCounter(&now);
    double ms = 1000.0 * static_cast<double>(now.QuadPart - begin.QuadPart) / static_cast<double>(frequency.QuadPart);
    if (search.Found) {
      elapsed = ms;
      break;
    }
    if (ms > 30000 || WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) break;
    Sleep(1);
  }
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 5000);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  Sleep(200);  // let the server settle before the next start
  return elapsed;
}

void Report(const char* name, const std::vector<double>& times) {
  if (times.empty()) {
    std::printf("%-10s no window\n", name);
    return;
  }
  std::printf("%-10s median %7.1f ms   min %7.1f ms   max %7.1f ms   (%zu runs)\n", name, Median(times),
              *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()),
              times.size());
}

}  // namespace

int main(int argc, char** argv) {
  int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  wchar_t self[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring folder(self, n);
  folder = folder.substr(0, folder.find_last_of(L"\\/"));
  const std::wstring zib = folder + L"\\Zib.exe";
  const std::wstring notepad = L"C:\\windows\\system32\\notepad.exe";

  // One unmeasured start of each loads the libraries into the cache.
  TimeToWindow(zib);
  TimeToWindow(notepad);
  std::vector<double> zibTimes, notepadTimes;
  for (int i = 0; i < runs; ++i) {
    double t = TimeToWindow(zib);
    if (t >= 0) zibTimes.push_back(t);
    t = TimeToWindow(notepad);
    if (t >= 0) notepadTimes.push_back(t);
  }
  std::printf("Time from CreateProcess to a visible top-level window, under Wine:\n");
  Report("Zib.exe", zibTimes);
  Report("notepad", notepadTimes);
  return zibTimes.empty() ? 1 : 0;
}
