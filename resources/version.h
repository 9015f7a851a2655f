// The one place the program's version lives; read by the resource script and the code.
#pragma once

#define ZIB_VERSION_MAJOR 1
#define ZIB_VERSION_MINOR 4
#define ZIB_VERSION_PATCH 0
#define ZIB_VERSION_BUILD 0
#define ZIB_VERSION_TEXT "1.4.0.0"
#define ZIB_VERSION_WIDE L"1.4.0.0"
