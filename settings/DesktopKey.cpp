#include "settings/DesktopKey.h"

CDesktopKey::CDesktopKey(REGSAM samDesired)
{
    HKEY hKey = NULL;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, samDesired, &hKey) ==
        ERROR_SUCCESS) {
        m_hKey = hKey;
    }
}

CDesktopKey::~CDesktopKey()
{
    if (m_hKey != NULL) {
        RegCloseKey(m_hKey);
        m_hKey = NULL;
    }
}
