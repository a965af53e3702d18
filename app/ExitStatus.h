// The program's exit status, for scripts that start it.
#pragma once

enum VantrelExitStatus {
    kExitLockTriggered = 0,   // the lock was triggered
    kExitChooserCancelled = 1,  // the chooser ended without "Lock": nothing was triggered
    kExitDialogFailed = 2,    // the chooser could not be opened: nothing was triggered
};
