#include "platform/sim/machine.h"

namespace sim {

Machine& machine()
{
    static Machine instance;
    return instance;
}

void Reset()
{
    Machine& m = machine();
    m = Machine();
    m.registry.CreateKey(kDesktopKey);
    m.fs.AddDirectory("C:\\Windows\\system32");
}

}  // namespace sim

DWORD GetLastError()
{
    return sim::machine().lastError;
}

void SetLastError(DWORD error)
{
    sim::machine().lastError = error;
}

BOOL IsProcess32Bit()
{
    return sim::machine().process32Bit ? TRUE : FALSE;
}

HMODULE GetModuleHandleA(LPCSTR name)
{
    // Only the program's own module is known: the one that holds its resources.
    return name == nullptr ? reinterpret_cast<HMODULE>(static_cast<uintptr_t>(0x400000)) : nullptr;
}
