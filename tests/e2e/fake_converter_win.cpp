// A stand-in for cpdf.exe and swriter.exe in the end-to-end tests, copied
// under both names. It notes every command line in calls.log beside itself
// (UTF-8, one per line) and, in starts.log, how it was started: working
// folder, console title, show state, fill attribute, console size and the
// start-up flags. It keeps a copy of the file it is asked to typeset in
// typeset-input.bin and writes a small PDF where the real converter would:
// cpdf at its "-o" path, LibreOffice as <name>.pdf in its working folder.
// Beside it, fail-on.txt makes every run whose command line contains that
// text end with code 1, test-exit.txt gives the exit code of the test run
// (no arguments), and sleep-ms.txt makes every run wait that long first.
// With "open" as its first argument it only notes the call (the test
// registers it as the program that opens PDF files).
#include <windows.h>
#include <shellapi.h>

#include <cstdlib>
#include <string>

namespace {

std::wstring Folder() {
  wchar_t path[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L'\\'));
}

std::string ReadBytes(const std::wstring& path) {
  std::string bytes;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

bool WriteBytes(const std::wstring& path, const std::string& bytes, bool append) {
  HANDLE file = CreateFileW(path.c_str(), append ? FILE_APPEND_DATA : GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                            append ? OPEN_ALWAYS : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

std::string Utf8(const std::wstring& text) {
  int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string bytes(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
  return bytes;
}

const char MinimalPdf[] =
    "%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n"
    "2 0 obj<</Type/Pages/Kids[3 0 R]/Count 1>>endobj\n"
    "3 0 obj<</Type/Page/Parent 2 0 R/MediaBox[0 0 595 842]>>endobj\n"
    "trailer<</Root 1 0 R>>\n%%EOF\n";

}  // namespace

std::wstring StartInfo() {
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  wchar_t dir[MAX_PATH] = L"";
  GetCurrentDirectoryW(MAX_PATH, dir);
  wchar_t text[MAX_PATH + 200];
  wsprintfW(text, L"dir=%s|title=%s|show=%u|fill=%02X|size=%ux%u|flags=%04X", dir,
            startup.lpTitle ? startup.lpTitle : L"", startup.wShowWindow, startup.dwFillAttribute,
            startup.dwXCountChars, startup.dwYCountChars, startup.dwFlags);
  return text;
}

int wmain() {
  std::wstring folder = Folder();
  std::wstring line = GetCommandLineW();
  WriteBytes(folder + L"\\calls.log", Utf8(line) + "\n", true);
  WriteBytes(folder + L"\\starts.log", Utf8(StartInfo()) + "\n", true);

  int count = 0;
  LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!args) return 2;
  std::wstring first = count > 1 ? args[1] : L"";
  if (count == 1) {  // the start-up test run
    std::string code = ReadBytes(folder + L"\\test-exit.txt");
    return code.empty() ? 0 : std::atoi(code.c_str());
  }
  if (first == L"open") return 0;  // opening a PDF

  std::string sleep = ReadBytes(folder + L"\\sleep-ms.txt");
  if (!sleep.empty()) Sleep(static_cast<DWORD>(std::atoi(sleep.c_str())));
  std::string failOn = ReadBytes(folder + L"\\fail-on.txt");
  if (!failOn.empty() && Utf8(line).find(failOn) != std::string::npos) return 1;

  std::wstring output;
  std::wstring input;
  for (int i = 1; i < count; ++i) {
    std::wstring arg = args[i];
    if (arg == L"-o" && i + 1 < count) output = args[i + 1];
    if (arg == L"-typeset" && i + 1 < count) {
      input = args[i + 1];
      std::string text = ReadBytes(input);
      if (text.empty()) return 1;  // nothing to typeset: the real tool fails too
      WriteBytes(folder + L"\\typeset-input.bin", text, false);
    }
    if (arg == L"--convert-to") {
      // LibreOffice writes <name>.pdf into its working folder.
      std::wstring doc = args[count - 1];
      std::wstring name = doc.substr(doc.find_last_of(L"\\/") + 1);
      std::size_t dot = name.find_last_of(L'.');
      output = (dot == std::wstring::npos ? name : name.substr(0, dot)) + L".pdf";
    }
  }
  LocalFree(args);
  if (output.empty()) return 1;
  return WriteBytes(output, MinimalPdf, false) ? 0 : 1;
}
