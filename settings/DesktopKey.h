// The user's desktop settings key, opened for one read or one write and closed
// when the owner goes. Move-only, so no copy can close the key a second time.
#pragma once

#include "platform/win32.h"

class CDesktopKey {
public:
    // Opens HKCU\Control Panel\Desktop with the access asked for; never creates it.
    explicit CDesktopKey(REGSAM samDesired);
    CDesktopKey(const CDesktopKey&) = delete;
    CDesktopKey& operator=(const CDesktopKey&) = delete;
    ~CDesktopKey();

    bool IsOpen() const { return m_hKey != NULL; }
    HKEY Get() const { return m_hKey; }

private:
    HKEY m_hKey = NULL;
};
