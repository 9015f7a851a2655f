// What the sections of the end-to-end driver share among themselves.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "driver_win.h"
#include "probe_protocol.h"

constexpr UINT SendTimeoutMs = 5000;

// The visible top-level windows of the process, of the class (any when
// nullptr) and, when given, with the caption.
std::vector<HWND> TopWindows(DWORD pid, const wchar_t* windowClass, std::wstring_view caption = L"");
// Posts a request to the probe and waits for its answer.
bool AskProbe(TZib& zib, TProbeRequest request, LPARAM parameter, DWORD timeoutMs);
