// The end-to-end test program: doctest's main. The tests start Zib.exe from
// the folder of this program; see driver_win.h.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>
