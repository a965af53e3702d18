// Effects that leave the process on a real machine, recorded here for host
// tests to inspect: posted messages, started programs, session settings.
#pragma once

#include <string>
#include <vector>

#include "platform/sim/winapi.h"

namespace sim {

struct PostedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

struct ParametersCall {
    UINT action;
    UINT param;
    LPVOID data;
    UINT winIni;
};

struct Effects {
    std::vector<PostedMessage> posts;
    std::vector<INITCOMMONCONTROLSEX> commonControlsInits;
    std::vector<ParametersCall> parameterCalls;
    int workstationLocks = 0;
    // Every effect in the order it happened, in words ("post 112 f140 0",
    // "spi 77 1 0", "initcc 8 ff", "lock"), for tests that check an order.
    std::vector<std::string> log;
};

// The desktop window's handle in the simulation.
HWND DesktopWindow();

}  // namespace sim
