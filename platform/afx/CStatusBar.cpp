#include "afx/CStatusBar.h"

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id)
{
    ::InitCommonControls();
    if (!CreateEx(0, STATUSCLASSNAMEA, "", style | CCS_BOTTOM, CRect(0, 0, 0, 0), parent->m_hWnd, id))
        return FALSE;
    SendMessage(SB_SIMPLE, TRUE);
    return TRUE;
}
