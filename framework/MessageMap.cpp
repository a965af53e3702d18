#include "framework/MessageMap.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, AfxSigEnd, static_cast<AFX_PMSG>(0)}};
    static const AFX_MSGMAP messageMap = {NULL, entries};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

bool CCmdTarget::DispatchMessageMap(UINT nMessage, UINT nCode, UINT nID, LRESULT* pResult)
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map != NULL;
         map = map->pfnGetBaseMap != NULL ? map->pfnGetBaseMap() : NULL) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nSig != AfxSigEnd; ++entry) {
            if (entry->nMessage != nMessage) continue;
            if (nMessage == WM_COMMAND && (entry->nCode != nCode || entry->nID != nID)) continue;
            switch (entry->nSig) {
            case AfxSig_vv:
                (this->*entry->pfn)();
                *pResult = 0;
                break;
            case AfxSig_hv: {
                // The entry was made from a handler of exactly this type.
                typedef HCURSOR (CCmdTarget::*PfnHv)();
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"
                PfnHv pfn = reinterpret_cast<PfnHv>(entry->pfn);
#pragma GCC diagnostic pop
                *pResult = reinterpret_cast<LRESULT>((this->*pfn)());
                break;
            }
            case AfxSigEnd:
                break;
            }
            return true;
        }
    }
    return false;
}
