#include "afx/CReBar.h"

BOOL CReBar::Create(CWnd* parent, DWORD reBarStyle, DWORD style, UINT id)
{
    INITCOMMONCONTROLSEX classes = { sizeof classes, ICC_COOL_CLASSES | ICC_BAR_CLASSES };
    ::InitCommonControlsEx(&classes);
    return CreateEx(0, REBARCLASSNAMEA, "", style | reBarStyle | CCS_NODIVIDER, CRect(0, 0, 0, 0), parent->m_hWnd, id);
}

BOOL CReBar::AddBar(CWnd* bar, DWORD bandStyle)
{
    SIZE size = {};
    ::SendMessageA(bar->m_hWnd, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    REBARBANDINFOA band = {};
    band.cbSize = sizeof band;
    band.fMask = RBBIM_STYLE | RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_SIZE;
    band.fStyle = bandStyle;
    band.hwndChild = bar->m_hWnd;
    band.cxMinChild = size.cx;
    band.cyMinChild = size.cy;
    band.cx = size.cx;
    return static_cast<BOOL>(SendMessage(RB_INSERTBANDA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band)));
}
