// The one header through which the program reaches Win32 and the C run-time.
// On Windows it is the real API; on the host it declares our simulation of the
// same calls (platform/sim), so that the code above it compiles unchanged.
#pragma once

#ifdef _WIN32

#ifndef WINVER
#define WINVER 0x0501
#endif
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0501
#endif
#ifndef _WIN32_IE
#define _WIN32_IE 0x0600
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
#include <io.h>
#include <mbstring.h>
#include <stdlib.h>
#include <string.h>

// Windows XP's msvcrt.dll predates the secure CRT and exports no _mbslwr_s, so
// an import of it would keep the program from loading there. The XP export
// _mbslwr does the lower-casing; the size check is ours.
inline errno_t VantrelMbsLwrS(unsigned char* str, size_t size)
{
    if (str == NULL || size == 0) return EINVAL;
    if (strnlen(reinterpret_cast<const char*>(str), size) == size) return EINVAL;
    _mbslwr(str);
    return 0;
}
#define _mbslwr_s VantrelMbsLwrS

// Whether this process is a 32-bit one, whose system-folder accesses 64-bit
// Windows redirects; decided by the build here, by the simulated machine on the host.
inline BOOL IsProcess32Bit()
{
    return sizeof(void*) == 4;
}

#ifndef SPI_SETSCREENSAVESECURE
#define SPI_SETSCREENSAVESECURE 0x0077
#endif

#else

#include "sim/winapi.h"

#endif
