// The user's screen-saver values under HKCU\Control Panel\Desktop. Each call
// opens the key, does one read or one write and closes it; nothing is cached.
// Writes report nothing: a caller that needs to know reads the value again.
#pragma once

#include "framework/CString.h"

// "SCRNSAVE.EXE" as stored (TRUE) or in its long form where it can be had
// (FALSE); the empty string when the key or the value cannot be read.
CString ReadScreenSaverPath(BOOL bStoredForm);
// Stores the short form of pszPath, mapped for the 32-bit view of the system
// folder; the empty string when pszPath names nothing that exists.
void WriteScreenSaverPath(LPCSTR pszPath);
// 1 exactly when "ScreenSaveActive" reads "1".
BOOL IsScreenSaveActive();
// Writes "ScreenSaveActive" as "1" or "0".
void SetScreenSaveActive(BOOL bActive);
// 1 exactly when "ScreenSaverIsSecure" reads "1".
BOOL IsScreenSaverSecure();
// Writes "ScreenSaverIsSecure" as "1"; "0" is never written.
void MakeScreenSaverSecure();
// Rewrites a system-folder path in place for a 32-bit process on 64-bit
// Windows: to "SysWOW64" when the file exists only there. Never lengthens it.
void MapSystemFolderForWow64(LPSTR pszPath);
