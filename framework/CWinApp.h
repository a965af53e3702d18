// CWinApp: the one application object. AfxWinMain sets its command line and
// calls InitInstance; an application that does its work there returns FALSE,
// and the framework destroys what m_pMainWnd designates, calls ExitInstance
// and ends with its result. This framework runs no message loop of its own.
#pragma once

#include "framework/AfxRes.h"
#include "framework/CWnd.h"

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(LPCSTR lpszAppName = NULL);
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;
    ~CWinApp() override;

    virtual BOOL InitInstance();
    // The process's exit status: m_nExitCode unless the application changes it.
    virtual int ExitInstance();

    // Sets the profile location HKCU\Software\<key>\<application name>; this
    // framework reads and writes nothing there.
    void SetRegistryKey(LPCSTR lpszRegistryKey);
    // The application's icon resource nIDResource at the system's large size.
    HICON LoadIcon(UINT nIDResource) const;

    // The framework's help command: this framework has no help to show.
    void OnHelp();

    HINSTANCE m_hInstance = NULL;
    LPSTR m_lpCmdLine = NULL;
    int m_nCmdShow = 0;
    LPCSTR m_pszAppName = NULL;
    LPCSTR m_pszRegistryKey = NULL;
    CWnd* m_pMainWnd = NULL;
    int m_nExitCode = 0;

    DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();
HINSTANCE AfxGetResourceHandle();
// Support for ActiveX controls in dialogs; this framework hosts none, so there
// is nothing to switch on.
void AfxEnableControlContainer(void* pManager = NULL);

int AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
