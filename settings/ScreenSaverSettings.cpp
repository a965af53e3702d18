#include "settings/ScreenSaverSettings.h"

#include <string.h>

#include "settings/DesktopKey.h"

namespace {

const char kPathValue[] = "SCRNSAVE.EXE";
const char kActiveValue[] = "ScreenSaveActive";
const char kSecureValue[] = "ScreenSaverIsSecure";

// Every read takes the value into a zero-filled 1024-byte buffer and offers
// 1023 bytes of it, so the text always ends in a zero; a longer value counts
// as unreadable.
const DWORD kReadBufferSize = 1024;
const DWORD kReadSizeOffered = kReadBufferSize - 1;
const DWORD kShortFormSize = 1024;
const DWORD kLongFormSize = 2048;

bool QueryValue(HKEY hKey, const char* pszName, char (&buffer)[kReadBufferSize])
{
    DWORD cbData = kReadSizeOffered;
    return RegQueryValueExA(hKey, pszName, NULL, NULL, reinterpret_cast<BYTE*>(buffer), &cbData) ==
           ERROR_SUCCESS;
}

BOOL ReadFlag(const char* pszName)
{
    char buffer[kReadBufferSize] = {};
    CDesktopKey key(KEY_READ);
    if (!key.IsOpen()) return FALSE;
    return QueryValue(key.Get(), pszName, buffer) && buffer[0] == '1' && buffer[1] == '\0';
}

void WriteFlag(const char* pszName, char chFlag)
{
    char buffer[kReadBufferSize] = {};
    CDesktopKey key(KEY_WRITE);
    if (!key.IsOpen()) return;
    buffer[0] = chFlag;
    RegSetValueExA(key.Get(), pszName, 0, REG_SZ, reinterpret_cast<const BYTE*>(buffer), 2);
}

}  // namespace

CString ReadScreenSaverPath(BOOL bStoredForm)
{
    CString strResult;
    char buffer[kReadBufferSize] = {};
    CDesktopKey key(KEY_READ);
    if (!key.IsOpen()) return strResult;
    if (!QueryValue(key.Get(), kPathValue, buffer)) return strResult;

    char longForm[kLongFormSize] = {};
    if (bStoredForm) {
        strResult = buffer;
    } else {
        // A long form that needs more than the buffer comes back as the size it
        // needs, with nothing usable in the buffer: keep the stored form then.
        DWORD cchLong = GetLongPathNameA(buffer, longForm, kLongFormSize);
        strResult = (cchLong == 0 || cchLong >= kLongFormSize) ? buffer : longForm;
    }
    return strResult;
}

void WriteScreenSaverPath(LPCSTR pszPath)
{
    char shortForm[kShortFormSize] = {};
    CDesktopKey key(KEY_WRITE);
    if (!key.IsOpen()) return;
    // On failure the buffer stays zero-filled, so the empty string is stored.
    GetShortPathNameA(pszPath, shortForm, kShortFormSize);
    MapSystemFolderForWow64(shortForm);
    RegSetValueExA(key.Get(), kPathValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(shortForm),
                   static_cast<DWORD>(strlen(shortForm) + 1));
}

BOOL IsScreenSaveActive()
{
    return ReadFlag(kActiveValue);
}

void SetScreenSaveActive(BOOL bActive)
{
    WriteFlag(kActiveValue, bActive ? '1' : '0');
}

BOOL IsScreenSaverSecure()
{
    return ReadFlag(kSecureValue);
}

void MakeScreenSaverSecure()
{
    WriteFlag(kSecureValue, '1');
}

void MapSystemFolderForWow64(LPSTR pszPath)
{
    if (pszPath == NULL) return;
    // Only a 32-bit process is redirected; a 64-bit one reaches the 64-bit
    // folder by its own name, and its "SysWOW64" holds the 32-bit files, so
    // rewriting there would point the path at another file.
    if (!IsProcess32Bit()) return;

    CString strWork(pszPath);
    if (strWork.Replace("system32", "Sysnative") == 0 &&
        strWork.Replace("SYSTEM32", "Sysnative") == 0 &&
        strWork.Replace("System32", "Sysnative") == 0) {
        return;
    }
    if (_access(strWork, 0) == 0) return;  // present in the 64-bit folder: keep it

    strWork.Replace("Sysnative", "SysWOW64");
    if (_access(strWork, 0) == 0) {
        // "SysWOW64" is as long as "system32" and one shorter than "Sysnative",
        // so the result never outgrows the caller's string.
        memcpy(pszPath, strWork.GetString(), static_cast<size_t>(strWork.GetLength()) + 1);
    }
}
