// The test prefix's printing: the dialog preference Zib sets while its print
// dialog is open, and a PostScript printer that prints into a file.
#pragma once

#include <doctest/doctest.h>
#include <windows.h>
#include <winspool.h>

#include <string>
#include <utility>
#include <vector>

#include "driver_win.h"

inline constexpr wchar_t PrintDialogKey[] = L"Software\\Microsoft\\Print\\UnifiedPrintDialog";
inline constexpr wchar_t PrintDialogValue[] = L"PreferLegacyPrintDialog";

// The value as (present, value).
inline std::pair<bool, DWORD> ReadPrintSetting() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, PrintDialogKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {false, 0};
  DWORD data = 0, size = sizeof data, type = 0;
  bool present = RegQueryValueExW(key, PrintDialogValue, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) ==
                 ERROR_SUCCESS;
  RegCloseKey(key);
  return {present, data};
}

inline void WritePrintSetting(bool present, DWORD value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, PrintDialogKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return;
  if (present)
    RegSetValueExW(key, PrintDialogValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  else
    RegDeleteValueW(key, PrintDialogValue);
  RegCloseKey(key);
}

// Puts the value back as it was before the test, on every path out of it.
struct TKeepPrintSetting {
  std::pair<bool, DWORD> Before = ReadPrintSetting();
  ~TKeepPrintSetting() { WritePrintSetting(Before.first, Before.second); }
};

// A PostScript printer that prints into a file: Wine's PostScript driver with
// a small printer description, set as the default printer while the record
// lives. The pages' DSC comments tell the job's title and page count.
struct TFilePrinter {
  std::wstring Folder = ScratchFolder(L"print");
  std::wstring Output = Folder + L"\\out.ps";
  std::wstring Description = Folder + L"\\zibtest.ppd";
  bool Ready = false;

  TFilePrinter() {
    REQUIRE(WriteFileBytes(Description,
                           "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
                           "*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n*PCFileName: \"ZIBTEST.PPD\"\n"
                           "*Manufacturer: \"Zib\"\n*Product: \"(Zib Test)\"\n*ModelName: \"Zib Test\"\n"
                           "*ShortNickName: \"Zib Test\"\n*NickName: \"Zib Test\"\n*PSVersion: \"(3010.000) 0\"\n"
                           "*LanguageLevel: \"3\"\n*ColorDevice: False\n*DefaultColorSpace: Gray\n*TTRasterizer: Type42\n"
                           "*DefaultResolution: 300dpi\n*OpenUI *PageSize: PickOne\n*DefaultPageSize: A4\n"
                           "*PageSize A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n*CloseUI: *PageSize\n"
                           "*DefaultPageRegion: A4\n*PageRegion A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n"
                           "*DefaultImageableArea: A4\n*ImageableArea A4/A4: \"18 18 577 824\"\n"
                           "*DefaultPaperDimension: A4\n*PaperDimension A4/A4: \"595 842\"\n"));
    DRIVER_INFO_3W driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<wchar_t*>(DriverName);
    driver.pDriverPath = const_cast<wchar_t*>(L"C:\\windows\\system32\\wineps.drv");
    driver.pConfigFile = driver.pDriverPath;
    driver.pDataFile = Description.data();
    driver.pDefaultDataType = const_cast<wchar_t*>(L"RAW");
    REQUIRE(AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driver),
                                APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY));
    PRINTER_INFO_2W info = {};
    info.pPrinterName = const_cast<wchar_t*>(PrinterName);
    info.pPortName = Output.data();  // a path as the port: the spooler copies each job there
    info.pDriverName = const_cast<wchar_t*>(DriverName);
    info.pPrintProcessor = const_cast<wchar_t*>(L"WinPrint");
    info.pDatatype = const_cast<wchar_t*>(L"RAW");
    HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    REQUIRE(printer != nullptr);
    ClosePrinter(printer);
    Ready = SetDefaultPrinterW(PrinterName);
  }

  ~TFilePrinter() {
    HANDLE printer = nullptr;
    if (OpenPrinterW(const_cast<wchar_t*>(PrinterName), &printer, nullptr)) {
      DeletePrinter(printer);
      ClosePrinter(printer);
    }
    DeletePrinterDriverW(nullptr, nullptr, const_cast<wchar_t*>(DriverName));
  }

  // The DSC comments of the last job once it is complete ("%%Title: ...",
  // "%%Pages: n"), or nothing.
  std::vector<std::string> Comments() const {
    std::string ps;
    if (!ReadFileBytes(Output, ps) || ps.find("%%EOF") == std::string::npos) return {};
    std::vector<std::string> comments;
    for (const char* name : {"%%Title:", "%%Pages: "}) {
      for (std::size_t at = ps.find(name); at != std::string::npos; at = ps.find(name, at + 1)) {
        std::string line = ps.substr(at, ps.find_first_of("\r\n", at) - at);
        if (line != "%%Pages: (atend)") comments.push_back(line);
      }
    }
    return comments;
  }

  static constexpr const wchar_t* PrinterName = L"Zib Test Printer";
  static constexpr const wchar_t* DriverName = L"Zib Test PostScript";
};
