// Calls whose effects leave the process on a real machine: here they are
// recorded for the test to inspect.
#include "platform/sim/effects.h"

#include <cstdio>

#include "platform/sim/machine.h"

namespace sim {

HWND DesktopWindow()
{
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(0x10010));
}

namespace {

std::string Hex(unsigned long long value)
{
    char text[20];
    std::snprintf(text, sizeof(text), "%llx", value);
    return text;
}

void Log(const std::string& line)
{
    machine().effects.log.push_back(line);
}

}  // namespace

}  // namespace sim

HWND GetDesktopWindow()
{
    return sim::DesktopWindow();
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    sim::machine().effects.posts.push_back({window, message, wParam, lParam});
    sim::Log("post " + sim::Hex(message) + " " + sim::Hex(wParam) + " " +
             sim::Hex(static_cast<unsigned long long>(lParam)));
    return TRUE;
}

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* init)
{
    if (init == nullptr) return FALSE;
    sim::machine().effects.commonControlsInits.push_back(*init);
    sim::Log("initcc " + std::to_string(init->dwSize) + " " + sim::Hex(init->dwICC));
    return TRUE;
}

BOOL SystemParametersInfoA(UINT action, UINT param, LPVOID data, UINT winIni)
{
    sim::machine().effects.parameterCalls.push_back({action, param, data, winIni});
    sim::Log("spi " + sim::Hex(action) + " " + std::to_string(param) + " " +
             std::to_string(winIni));
    return TRUE;
}

BOOL LockWorkStation()
{
    ++sim::machine().effects.workstationLocks;
    sim::Log("lock");
    return TRUE;
}
