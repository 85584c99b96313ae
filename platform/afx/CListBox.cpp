#include "afx/CListBox.h"

CString CListBox::GetText(int index) const
{
    int length = static_cast<int>(SendMessage(LB_GETTEXTLEN, index));
    if (length < 0)
        return CString();
    CString text;
    SendMessage(LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.GetBuffer(length + 1)));
    text.ReleaseBuffer();
    return text;
}

UINT CListBox::ItemFromPoint(CPoint point, BOOL& outside) const
{
    DWORD result = static_cast<DWORD>(SendMessage(LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y)));
    outside = HIWORD(result);
    return LOWORD(result);
}
