#include "framework/CWnd.h"

#include "framework/CWinApp.h"

CWnd::~CWnd()
{
    OnWindowGone();
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == NULL) return FALSE;
    BOOL bResult = ::DestroyWindow(m_hWnd);
    m_hWnd = NULL;
    OnWindowGone();
    return bResult;
}

void CWnd::OnWindowGone()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && pApp->m_pMainWnd == this) pApp->m_pMainWnd = NULL;
}
