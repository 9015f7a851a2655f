// The texts of the templates 201 to 205, written as they read, one source
// line per text line (TemplateText turns the line feeds into CR LF).
#pragma once

#include <string_view>

// 201: a German HTML5 page that greets with today's date and links a search engine.
inline constexpr std::u16string_view HtmlPage = uR"zib(<!DOCTYPE html>
<html lang="de">
<head>
<meta charset="UTF-8">
<meta name="viewport" content="width=device-width, initial-scale=1.0">
<meta name="description" content="HTML-Vorlage">
<meta name="keywords" content="HTML, Vorlage, Suche">
<meta name="google" content="notranslate">
<meta name="author" content="NAME">
<title>&#X1F50D; DuckDuckGo</title>
<style>
html { scroll-behavior: smooth; }
body { font-family: Arial, Helvetica, sans-serif; }
a { color: #00a; }
a:focus { color: white; background-color: black; }
a:hover { color: white; background-color: #008; }
a:active { color: #0f0; }
img:active { width: 70%; }
.bild {
  height: 320px;
  border: 1px solid #888;
  box-shadow: 4px 4px 8px #888;
}
kbd {
  padding: 0 4px;
  border: 1px solid #888;
  border-radius: 3px;
  background-color: #eee;
  box-shadow: 1px 1px 1px #888;
  font-family: monospace;
}
.ovl { text-decoration: overline; }
/* Bruch: <span class="bruch"><sup>1</sup><sub>2</sub></span> */
.bruch {
  display: inline-flex;
  flex-direction: column;
  vertical-align: middle;
  text-align: center;
}
.bruch sup, .bruch sub {
  font-size: 70%;
  line-height: 1.2;
  vertical-align: baseline;
}
.bruch sup { border-bottom: 1px solid; }
</style>
<script>
document.addEventListener("DOMContentLoaded", function () {
  var heute = new Date();
  var fmt = {
    weekday: "long",
    day: "numeric",
    month: "long",
    year: "numeric"
  };
  document.getElementById("hi").textContent =
    heute.toLocaleDateString(navigator.language, fmt);
});
</script>
</head>
<body>
<h1>&#X1F50D; Suche</h1>
<p id="hi"></p>
<p>Taste <kbd>F3</kbd>, Linie <span class="ovl">A</span>, <span class="bruch"><sup>1</sup><sub>2</sub></span></p>
<p><a href="https://duckduckgo.com/" target="_blank">DuckDuckGo</a></p>
</body>
</html>)zib";

inline constexpr std::u16string_view InternetShortcut = uR"zib([InternetShortcut]
URL = )zib";

inline constexpr std::u16string_view RegistryFile = uR"zib(REGEDIT4

[HKEY_CURRENT_USER\Software\7-Zip\FM]
"FolderHistory"=-

[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Explorer\Advanced]
"HideFileExt"=dword:00000000
"FullPath"=dword:00000001
"FullPathAddress"=dword:00000001
"ShowStatusBar"=dword:00000001
"ShowAttribCol"=dword:00000001

[HKEY_CURRENT_USER\Software\Microsoft\Notepad]
"StatusBar"=dword:00000001)zib";

inline constexpr std::u16string_view ForDoScript = uR"zib(:: Loop APP through all *.jpg
@echo off
set App=%ProgramW6432%\IrfanView\i_view64.exe
set folder="%USERPROFILE%\Pictures"
for %%f in ("%folder%\*.jpg") do (
  "%App%" "%%f"
)
pause)zib";

inline constexpr std::u16string_view RecursiveScript = uR"zib(:: Execute recursively _zipme.cmd in all sub-folders
@echo off
for /r %%f in (_zipme.cmd) do if exist "%%f" CALL "%%f"
pause)zib";
