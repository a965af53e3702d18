#include "app/VantrelApp.h"

#include "app/ExitStatus.h"
#include "chooser/VantrelDlg.h"
#include "settings/ScreenSaverSettings.h"

namespace {

// The configured screen saver is usable when it is active and its stored path
// names something that exists; a directory counts, the path is not expanded.
BOOL IsQuickLockPossible()
{
    CString strPath = ReadScreenSaverPath(TRUE);
    if (!IsScreenSaveActive()) return FALSE;
    if (strPath.IsEmpty()) return FALSE;
    return GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES;
}

// Windows asks for the password on resume only when "ScreenSaverIsSecure" is
// "1": switch it on where needed and trust only what reads back.
BOOL EnsurePasswordProtection()
{
    if (IsScreenSaverSecure()) return TRUE;
    MakeScreenSaverSecure();
    return IsScreenSaverSecure();
}

// Has Windows start the default screen saver. The registry flag is what
// Windows reads, but the session may hold the setting in memory: set that too,
// for this session only (Windows XP knows no such action and refuses it).
void TriggerLock()
{
    SystemParametersInfoA(SPI_SETSCREENSAVESECURE, TRUE, NULL, 0);
    PostMessageA(GetDesktopWindow(), WM_SYSCOMMAND, SC_SCREENSAVE, 0);
}

}  // namespace

CVantrelApp theApp;

BEGIN_MESSAGE_MAP(CVantrelApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CVantrelApp::InitInstance()
{
    CString strCmdLine(m_lpCmdLine);
    strCmdLine.MakeLower();
    strCmdLine.TrimRight();
    strCmdLine.TrimLeft();

    const bool bChooserAsked =
        _mbscmp(reinterpret_cast<const unsigned char*>(strCmdLine.GetString()),
                reinterpret_cast<const unsigned char*>("/showwindow")) == 0;
    if (!bChooserAsked && IsQuickLockPossible() && EnsurePasswordProtection()) {
        TriggerLock();
        m_nExitCode = kExitLockTriggered;
        return FALSE;
    }

    INITCOMMONCONTROLSEX initCtrls;
    initCtrls.dwSize = sizeof(initCtrls);
    initCtrls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&initCtrls);

    CWinApp::InitInstance();
    AfxEnableControlContainer();
    SetRegistryKey("Morrowfen\\Vantrel 5");

    CVantrelDlg dlg;
    m_pMainWnd = &dlg;
    const INT_PTR nResponse = dlg.DoModal();
    if (nResponse == IDOK) {
        // After "Lock" the post goes out whatever the flag's fate: the user asked to lock.
        if (!IsScreenSaverSecure()) MakeScreenSaverSecure();
        TriggerLock();
        m_nExitCode = kExitLockTriggered;
    } else {
        m_nExitCode = nResponse == -1 ? kExitDialogFailed : kExitChooserCancelled;
    }
    return FALSE;
}
