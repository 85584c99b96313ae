#include "afx/CCmdUI.h"
#include <commctrl.h>

void CCmdUI::Enable(BOOL on)
{
    if (m_hMenu)
        ::EnableMenuItem(m_hMenu, m_nID, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
    if (m_hToolBar)
        ::SendMessageA(m_hToolBar, TB_ENABLEBUTTON, m_nID, MAKELPARAM(on ? TRUE : FALSE, 0));
}
