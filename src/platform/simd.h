// Whether the byte and unit scans take their SSE2 paths. The 32-bit program
// is built without SSE2 and runs the portable paths; defining ZIB_PORTABLE
// switches SSE2 off anywhere, so those paths are built and tested natively too.
#pragma once

#if defined(__SSE2__) && !defined(ZIB_PORTABLE)
#define ZIB_SSE2 1
#include <emmintrin.h>
#else
#define ZIB_SSE2 0
#endif
