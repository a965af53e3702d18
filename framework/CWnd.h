// CWnd: a framework object attached to a window. It owns the window only when
// the framework created it (dialogs); attached controls are never destroyed.
#pragma once

#include "framework/MessageMap.h"

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // Destroys the window, if any, and detaches it.
    virtual BOOL DestroyWindow();
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }

    HWND m_hWnd = NULL;

protected:
    // Called as the window goes away: a main window stops being the application's.
    void OnWindowGone();
};
