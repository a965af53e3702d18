// Message maps: a class's table of the messages, commands and notifications it
// handles, in declaration order, chained to its base class's table. Dispatch
// walks the tables from the most derived class down and calls the first match.
#pragma once

#include "platform/win32.h"

class CCmdTarget;

// How an entry's handler is called.
enum AfxSig {
    AfxSigEnd = 0,
    AfxSig_vv,    // void Handler()
    AfxSig_hv,    // HCURSOR Handler(), its result returned to the window manager
};

typedef void (CCmdTarget::*AFX_PMSG)();

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;   // a window message; WM_COMMAND for commands and notifications
    UINT nCode;      // the notification code of a WM_COMMAND entry
    UINT nID;        // the control or command id of a WM_COMMAND entry
    AfxSig nSig;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                          \
protected:                                             \
    static const AFX_MSGMAP* GetThisMessageMap();      \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                            \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }      \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                        \
    {                                                                                      \
        using ThisClass [[maybe_unused]] = theClass;                                       \
        typedef baseClass TheBaseClass;                                                    \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                  \
            {0, 0, 0, AfxSigEnd, static_cast<AFX_PMSG>(0)}                                 \
        };                                                                                 \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, entries};  \
        return &messageMap;                                                                \
    }

#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, 0, static_cast<UINT>(id), AfxSig_vv, static_cast<AFX_PMSG>(memberFxn)},

#define ON_NOTIFY_CODE(code, id, memberFxn) \
    {WM_COMMAND, static_cast<UINT>(code), static_cast<UINT>(id), AfxSig_vv, \
     static_cast<AFX_PMSG>(static_cast<void (ThisClass::*)()>(memberFxn))},
#define ON_BN_CLICKED(id, memberFxn) ON_NOTIFY_CODE(BN_CLICKED, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_NOTIFY_CODE(CBN_SELCHANGE, id, memberFxn)

#define ON_WM_PAINT() \
    {WM_PAINT, 0, 0, AfxSig_vv, \
     static_cast<AFX_PMSG>(static_cast<void (ThisClass::*)()>(&ThisClass::OnPaint))},
// The handler's own type is restored at dispatch (AfxSig_hv).
#define ON_WM_QUERYDRAGICON() \
    {WM_QUERYDRAGICON, 0, 0, AfxSig_hv, \
     reinterpret_cast<AFX_PMSG>(static_cast<HCURSOR (ThisClass::*)()>(&ThisClass::OnQueryDragIcon))},

// The root of every chain: a target that handles nothing by itself.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Calls the handler of the first entry matching (nMessage, nCode, nID) in
    // this object's chain of maps; false when there is none.
    bool DispatchMessageMap(UINT nMessage, UINT nCode, UINT nID, LRESULT* pResult);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
