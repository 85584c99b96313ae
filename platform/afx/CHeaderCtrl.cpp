#include "afx/CHeaderCtrl.h"

BEGIN_MESSAGE_MAP(CHeaderCtrl, CWnd)
    ON_WM_DRAWITEM_REFLECT()
END_MESSAGE_MAP()
