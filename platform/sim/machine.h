// The simulated machine behind platform/sim/winapi.h: the state the simulated
// calls work on, which host tests set up, inject faults into and inspect.
// Each area keeps its own state in its own header; Reset() starts them all anew.
#pragma once

#include "platform/sim/crt.h"
#include "platform/sim/filesystem.h"
#include "platform/sim/handles.h"
#include "platform/sim/registry.h"
#include "platform/sim/effects.h"

namespace sim {

struct Machine {
    Registry registry;
    FileSystem fs;
    Effects effects;
    Crt crt;
    HandleAccounting handles;
    DWORD lastError = 0;
    bool process32Bit = true;
};

Machine& machine();

// A fresh machine: the desktop settings key exists and is empty, the file
// system holds C:\ and C:\Windows\system32, the current directory is C:\,
// the ANSI code page is 1252, nothing is recorded and no fault is armed.
void Reset();

}  // namespace sim
