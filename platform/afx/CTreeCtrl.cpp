#include "afx/CTreeCtrl.h"

CString CTreeCtrl::GetItemText(HTREEITEM item) const
{
    char text[MAX_PATH] = "";
    TVITEMA request = {};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = text;
    request.cchTextMax = sizeof text;
    SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&request));
    return text;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM item) const
{
    TVITEMA request = {};
    request.mask = TVIF_PARAM;
    request.hItem = item;
    return SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&request)) ? request.lParam : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM item, DWORD_PTR data)
{
    TVITEMA change = {};
    change.mask = TVIF_PARAM;
    change.hItem = item;
    change.lParam = static_cast<LPARAM>(data);
    return static_cast<BOOL>(SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&change)));
}
