#include "framework/CWinApp.h"

namespace {

CWinApp* g_pApp = NULL;

}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCSTR lpszAppName) : m_pszAppName(lpszAppName)
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this) g_pApp = NULL;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return m_nExitCode;
}

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey)
{
    m_pszRegistryKey = lpszRegistryKey;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource));
}

void CWinApp::OnHelp() {}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

HINSTANCE AfxGetResourceHandle()
{
    return g_pApp != NULL && g_pApp->m_hInstance != NULL ? g_pApp->m_hInstance
                                                        : ::GetModuleHandleA(NULL);
}

void AfxEnableControlContainer(void*) {}

int AfxWinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int nCmdShow)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL) return -1;
    pApp->m_hInstance = hInstance;
    pApp->m_lpCmdLine = lpCmdLine;
    pApp->m_nCmdShow = nCmdShow;
    pApp->m_nExitCode = 0;
    // There is no message loop to run after a TRUE: applications of this
    // framework do all their work in InitInstance.
    if (!pApp->InitInstance() && pApp->m_pMainWnd != NULL) pApp->m_pMainWnd->DestroyWindow();
    return pApp->ExitInstance();
}
