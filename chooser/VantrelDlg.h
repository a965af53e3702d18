// The chooser dialog.
#pragma once

#include "framework/CWnd.h"

// Placeholder until the chooser dialog lands: it opens no window and reports
// that the user cancelled, so the start-up's chooser path locks nothing.
class CVantrelDlg : public CWnd {
public:
    INT_PTR DoModal() { return IDCANCEL; }
};
