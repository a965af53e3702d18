// The simulated C run-time's multibyte state: the ANSI code page that the
// multibyte string functions and _splitpath follow.
#pragma once

namespace sim {

struct Crt {
    unsigned codePage = 1252;   // 1252 (single-byte) or 932 (double-byte)
};

// True when b starts a double-byte character in the current code page.
bool IsLeadByte(unsigned char b);

}  // namespace sim
