// The multibyte string functions of the C run-time, following the simulated
// ANSI code page: in a double-byte code page a lead byte and its trail byte
// form one character, which is never split, compared apart or lower-cased.
#include "platform/sim/crt.h"

#include <cerrno>
#include <cstring>

#include "platform/sim/machine.h"

namespace sim {

bool IsLeadByte(unsigned char b)
{
    if (machine().crt.codePage == 932) return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    return false;
}

}  // namespace sim

namespace {

// The next character of a multibyte string as one number; a lead byte before
// the terminator stands alone.
unsigned NextChar(const unsigned char*& p)
{
    unsigned c = *p++;
    if (sim::IsLeadByte(static_cast<unsigned char>(c)) && *p != '\0') c = (c << 8) | *p++;
    return c;
}

unsigned FoldCase(unsigned c)
{
    return (c >= 'A' && c <= 'Z') ? c + ('a' - 'A') : c;
}

template <typename Fold>
int Compare(const unsigned char* a, const unsigned char* b, Fold fold)
{
    for (;;) {
        const unsigned ca = fold(NextChar(a));
        const unsigned cb = fold(NextChar(b));
        if (ca != cb) return ca < cb ? -1 : 1;
        if (ca == 0) return 0;
    }
}

}  // namespace

int _mbscmp(const unsigned char* a, const unsigned char* b)
{
    return Compare(a, b, [](unsigned c) { return c; });
}

int _mbsicmp(const unsigned char* a, const unsigned char* b)
{
    return Compare(a, b, FoldCase);
}

errno_t _mbslwr_s(unsigned char* str, size_t size)
{
    if (str == nullptr || size == 0) return EINVAL;
    if (strnlen(reinterpret_cast<const char*>(str), size) == size) return EINVAL;
    for (unsigned char* p = str; *p != '\0'; ++p) {
        if (sim::IsLeadByte(*p) && p[1] != '\0') {
            ++p;
        } else if (*p >= 'A' && *p <= 'Z') {
            *p = static_cast<unsigned char>(*p + ('a' - 'A'));
        }
    }
    return 0;
}
