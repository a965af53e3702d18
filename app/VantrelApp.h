// The application object: each run decides between locking at once and
// showing the chooser, then triggers the lock or not. InitInstance does all
// the work and returns FALSE, so the framework runs no message loop.
#pragma once

#include "framework/CWinApp.h"

class CVantrelApp : public CWinApp {
public:
    CVantrelApp() = default;
    ~CVantrelApp() override = default;

    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CVantrelApp theApp;
