#include "afx/CListCtrl.h"

DWORD_PTR CListCtrl::GetItemData(int item) const
{
    LVITEMA entry = {};
    entry.mask = LVIF_PARAM;
    entry.iItem = item;
    SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&entry));
    return static_cast<DWORD_PTR>(entry.lParam);
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask)
{
    LVITEMA entry = {};
    entry.state = state;
    entry.stateMask = mask;
    return static_cast<BOOL>(SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&entry)));
}

int CListCtrl::InsertColumn(int column, const char* heading, int format, int width)
{
    LVCOLUMNA entry = {};
    entry.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH;
    entry.fmt = format;
    entry.pszText = const_cast<char*>(heading);
    entry.cx = width;
    return static_cast<int>(SendMessage(LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&entry)));
}
