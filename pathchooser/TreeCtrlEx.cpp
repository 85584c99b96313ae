#include "pathchooser/TreeCtrlEx.h"
#include <vector>
#include <windowsx.h>

BEGIN_MESSAGE_MAP(CTreeCtrlEx, CWnd)
    ON_MESSAGE(WM_LBUTTONDOWN, OnLButtonDown)
    ON_MESSAGE(WM_LBUTTONUP, OnLButtonUp)
    ON_MESSAGE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
    ON_MESSAGE(WM_MOUSEMOVE, OnMouseMove)
    ON_MESSAGE(WM_KEYDOWN, OnKeyDown)
    ON_MESSAGE(WM_RBUTTONDOWN, OnRButtonDown)
    ON_MESSAGE(TVM_DELETEITEM, OnDeleteItem)
END_MESSAGE_MAP()

namespace {
POINT PointOf(LPARAM point)
{
    return {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
}

const UINT kOnItem = TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON;
}

HTREEITEM CTreeCtrlEx::GetNextItem(HTREEITEM item, UINT code) const
{
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(item)));
}

UINT CTreeCtrlEx::GetItemState(HTREEITEM item, UINT mask) const
{
    return static_cast<UINT>(SendMessage(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), mask));
}

void CTreeCtrlEx::SetItemState(HTREEITEM item, UINT state, UINT mask)
{
    TVITEMA change = {};
    change.mask = TVIF_STATE;
    change.hItem = item;
    change.state = state;
    change.stateMask = mask;
    SendMessage(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&change));
}

DWORD_PTR CTreeCtrlEx::GetItemData(HTREEITEM item) const
{
    TVITEMA read = {};
    read.mask = TVIF_PARAM;
    read.hItem = item;
    return item && SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&read)) ? read.lParam : 0;
}

// The tree view does not tell a text's length: read into a buffer that grows
// until the text fits with room to spare.
CString CTreeCtrlEx::GetItemText(HTREEITEM item) const
{
    for (int size = 256;; size *= 2) {
        std::vector<char> buffer(size, '\0');
        TVITEMA read = {};
        read.mask = TVIF_TEXT;
        read.hItem = item;
        read.pszText = buffer.data();
        read.cchTextMax = size;
        if (!SendMessage(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&read)))
            return CString();
        if (static_cast<int>(strlen(read.pszText)) < size - 1)
            return CString(read.pszText);
    }
}

HTREEITEM CTreeCtrlEx::InsertItem(const TVINSERTSTRUCTA* insert)
{
    return reinterpret_cast<HTREEITEM>(SendMessage(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(insert)));
}

BOOL CTreeCtrlEx::DeleteItem(HTREEITEM item)
{
    return static_cast<BOOL>(SendMessage(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM CTreeCtrlEx::HitTest(POINT point, UINT* flags) const
{
    TVHITTESTINFO hit = {};
    hit.pt = point;
    HTREEITEM item = reinterpret_cast<HTREEITEM>(SendMessage(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    *flags = hit.flags;
    return item;
}

UINT CTreeCtrlEx::GetSelectedCount() const
{
    UINT count = 0;
    for (HTREEITEM item = GetFirstSelectedItem(); item; item = GetNextSelectedItem(item))
        ++count;
    return count;
}

HTREEITEM CTreeCtrlEx::GetFirstSelectedItem() const
{
    HTREEITEM root = GetRootItem();
    return IsSelected(root) ? root : GetNextSelectedItem(root);
}

HTREEITEM CTreeCtrlEx::GetNextSelectedItem(HTREEITEM item) const
{
    for (item = GetNextItem(item, TVGN_NEXTVISIBLE); item; item = GetNextItem(item, TVGN_NEXTVISIBLE)) {
        if (IsSelected(item))
            return item;
    }
    return nullptr;
}

HTREEITEM CTreeCtrlEx::GetPrevSelectedItem(HTREEITEM item) const
{
    for (item = GetNextItem(item, TVGN_PREVIOUSVISIBLE); item; item = GetNextItem(item, TVGN_PREVIOUSVISIBLE)) {
        if (IsSelected(item))
            return item;
    }
    return nullptr;
}

// The native caret move clears the old caret's selection; it is set again.
BOOL CTreeCtrlEx::SelectItem(HTREEITEM item, bool keep)
{
    HTREEITEM caret = GetCaret();
    if (item == caret) {
        if (keep)
            return FALSE;
        SetCaret(nullptr);
        return TRUE;
    }
    bool caretSelected = IsSelected(caret);
    SetCaret(item);
    m_anchor = item;
    if (caret && caretSelected)
        SetItemState(caret, TVIS_SELECTED, TVIS_SELECTED);
    return TRUE;
}

// Both ends must be visible: an end that is not met would leave the range
// open to the last item.
BOOL CTreeCtrlEx::SelectRange(HTREEITEM anchor, HTREEITEM item)
{
    if (!anchor || !item || !IsVisible(anchor) || !IsVisible(item))
        return FALSE;
    SetCaret(item);
    bool inside = false;
    for (HTREEITEM walk = GetRootItem(); walk; walk = GetNextItem(walk, TVGN_NEXTVISIBLE)) {
        bool end = walk == anchor || walk == item;
        if (end && !inside) {
            inside = true;
            SetItemState(walk, TVIS_SELECTED, TVIS_SELECTED);
            if (anchor == item)
                inside = false;
            continue;
        }
        SetItemState(walk, inside ? TVIS_SELECTED : 0, TVIS_SELECTED);
        if (end)
            inside = false;
    }
    return TRUE;
}

void CTreeCtrlEx::ClearSelection(bool keepCaret)
{
    if (!keepCaret)
        SetCaret(nullptr);
    for (HTREEITEM item = GetRootItem(); item; item = GetNextItem(item, TVGN_NEXTVISIBLE))
        SetItemState(item, 0, TVIS_SELECTED);
}

void CTreeCtrlEx::ClearChildSelection(const NMTREEVIEWA* notification)
{
    if (notification->action != TVE_COLLAPSE)
        return;
    HTREEITEM top = notification->itemNew.hItem;
    HTREEITEM item = GetChildItem(top);
    while (item) {
        SetItemState(item, 0, TVIS_SELECTED);
        HTREEITEM next = GetChildItem(item);
        while (!next && item && item != top) {
            next = GetNextSiblingItem(item);
            if (!next) {
                item = GetParentItem(item);
                if (item == top)
                    item = nullptr;
            }
        }
        item = next;
    }
}

// The start item, its descendants, then its following siblings and theirs:
// from the first root, every item once.
HTREEITEM CTreeCtrlEx::FindItemByData(DWORD_PTR value, HTREEITEM start) const
{
    for (HTREEITEM item = start ? start : GetRootItem(); item; item = GetNextSiblingItem(item)) {
        if (GetItemData(item) == value)
            return item;
        HTREEITEM child = GetChildItem(item);
        if (HTREEITEM found = child ? FindItemByData(value, child) : nullptr)
            return found;
    }
    return nullptr;
}

void CTreeCtrlEx::SelectItemByMouse(HTREEITEM item, UINT keyFlags, POINT point)
{
    NMTREEVIEWA notification = {};
    HTREEITEM caret = GetCaret();
    FillItem(notification.itemOld, caret);
    if (keyFlags & MK_SHIFT) {
        m_anchor = RangeAnchor();
        SelectRange(m_anchor ? m_anchor : item, item);
        if (!m_anchor)
            m_anchor = item;
    } else if (keyFlags & MK_CONTROL) {
        bool itemSelected = IsSelected(item);
        bool caretSelected = IsSelected(caret);
        FillItem(notification.itemNew, item);
        notification.action = TVC_BYMOUSE;
        notification.ptDrag = point;
        NotifyParent(&notification.hdr, TVN_SELCHANGING);
        if (!itemSelected) {
            SetCaret(item);
            SetItemState(item, TVIS_SELECTED, TVIS_SELECTED);
        } else {
            SetItemState(item, 0, TVIS_SELECTED);
        }
        if (caretSelected && caret != item)
            SetItemState(caret, TVIS_SELECTED, TVIS_SELECTED);
        if (!RangeAnchor())
            m_anchor = item;
    } else {
        ClearSelection(false);
        SetCaret(item);
        SetItemState(item, TVIS_SELECTED, TVIS_SELECTED);
        m_anchor = item;
    }
    FillItem(notification.itemNew, item);
    notification.itemNew.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
    notification.action = 0;
    NotifyParent(&notification.hdr, TVN_SELCHANGED);
}

LRESULT CTreeCtrlEx::OnCustomDraw(NMTVCUSTOMDRAW* draw) const
{
    if (draw->nmcd.dwDrawStage == CDDS_PREPAINT)
        return CDRF_NOTIFYITEMDRAW;
    if (draw->nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        const CChooserItem* record = reinterpret_cast<const CChooserItem*>(draw->nmcd.lItemlParam);
        if (draw->nmcd.uItemState == (CDIS_SELECTED | CDIS_FOCUS))
            draw->clrText = 0xFFFFFF;
        else if (record)
            draw->clrText = record->m_colour;
    }
    return CDRF_DODEFAULT;
}

LRESULT CTreeCtrlEx::OnLButtonDown(WPARAM keyFlags, LPARAM position)
{
    POINT point = PointOf(position);
    UINT flags = 0;
    HTREEITEM item = HitTest(point, &flags);
    if (!item)
        return 0;
    if (!IsSelectable(item)) {
        Default();
        ClearSelection(false);
        return 0;
    }
    if (!m_multiple)
        return Default();
    if (!(keyFlags & (MK_SHIFT | MK_CONTROL)) && (GetStyle() & TVS_EDITLABELS) && (flags & TVHT_ONITEMLABEL) &&
        item == GetCaret()) {
        ClearSelection(false);
        SetCaret(item);
        SendMessage(TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(item));
        return 0;
    }
    if (!(flags & kOnItem))
        return Default();
    ::SetFocus(m_hWnd);
    m_pressed = item;
    if (IsSelected(item)) {
        m_pressPoint = point;
        m_pending = true;
        return 0;
    }
    SelectItemByMouse(item, static_cast<UINT>(keyFlags), point);
    m_pending = false;
    return 0;
}

LRESULT CTreeCtrlEx::OnLButtonUp(WPARAM keyFlags, LPARAM position)
{
    if (m_multiple && m_pending && m_pressed) {
        SelectItemByMouse(m_pressed, static_cast<UINT>(keyFlags), PointOf(position));
        m_pending = false;
    }
    m_pressed = nullptr;
    return Default();
}

LRESULT CTreeCtrlEx::OnLButtonDblClk(WPARAM, LPARAM position)
{
    UINT flags = 0;
    return HitTest(PointOf(position), &flags) ? Default() : 0;
}

LRESULT CTreeCtrlEx::OnMouseMove(WPARAM, LPARAM position)
{
    POINT point = PointOf(position);
    if (m_multiple && m_pressed &&
        (abs(point.x - m_pressPoint.x) > GetSystemMetrics(SM_CXDRAG) ||
         abs(point.y - m_pressPoint.y) > GetSystemMetrics(SM_CYDRAG))) {
        m_pending = false;
        NMTREEVIEWA notification = {};
        FillItem(notification.itemNew, m_pressed);
        notification.ptDrag = point;
        m_pressed = nullptr;
        NotifyParent(&notification.hdr, TVN_BEGINDRAG);
    }
    return Default();
}

LRESULT CTreeCtrlEx::OnKeyDown(WPARAM key, LPARAM)
{
    if (!m_multiple || (key != VK_UP && key != VK_DOWN))
        return Default();
    HTREEITEM caret = GetCaret();
    HTREEITEM next = caret ? GetNextItem(caret, key == VK_UP ? TVGN_PREVIOUSVISIBLE : TVGN_NEXTVISIBLE) : GetRootItem();
    if (GetKeyState(VK_SHIFT) < 0) {
        if (next) {
            HTREEITEM anchor = RangeAnchor();
            m_anchor = anchor ? anchor : (caret ? caret : next);
            bool bothSelected = IsSelected(next) && IsSelected(caret);
            SetCaret(next);
            if (!bothSelected)
                SelectRange(m_anchor, next);
        }
        NMTVKEYDOWN notification = {};
        notification.wVKey = static_cast<WORD>(key);
        NotifyParent(&notification.hdr, TVN_KEYDOWN);
        return 0;
    }
    ClearSelection(true);
    LRESULT result = next ? Default() : 0;
    m_anchor = GetCaret();
    return result;
}

LRESULT CTreeCtrlEx::OnRButtonDown(WPARAM, LPARAM position)
{
    UINT flags = 0;
    HTREEITEM item = HitTest(PointOf(position), &flags);
    if (!item || !IsSelectable(item))
        return 0;
    if (m_multiple && (flags & kOnItem) && GetSelectedCount() < 2)
        SetCaret(item);
    return Default();
}

// Deleted items take the anchor and the pressed item with them.
LRESULT CTreeCtrlEx::OnDeleteItem(WPARAM, LPARAM position)
{
    HTREEITEM item = reinterpret_cast<HTREEITEM>(position);
    bool all = item == nullptr || item == TVI_ROOT;
    if (all || IsWithin(m_anchor, item))
        m_anchor = nullptr;
    if (all || IsWithin(m_pressed, item)) {
        m_pressed = nullptr;
        m_pending = false;
    }
    return Default();
}

bool CTreeCtrlEx::IsSelectable(HTREEITEM item) const
{
    const CChooserItem* record = GetRecord(item);
    return record && record->m_selectable;
}

bool CTreeCtrlEx::IsVisible(HTREEITEM item) const
{
    for (HTREEITEM parent = GetParentItem(item); parent; parent = GetParentItem(parent)) {
        if (!(GetItemState(parent, TVIS_EXPANDED) & TVIS_EXPANDED))
            return false;
    }
    return item != nullptr;
}

bool CTreeCtrlEx::IsWithin(HTREEITEM item, HTREEITEM ancestor) const
{
    for (; item; item = GetParentItem(item)) {
        if (item == ancestor)
            return true;
    }
    return false;
}

// A hidden anchor counts as none: the caret takes its place.
HTREEITEM CTreeCtrlEx::RangeAnchor() const
{
    if (m_anchor && IsVisible(m_anchor))
        return m_anchor;
    HTREEITEM caret = GetCaret();
    return caret && IsVisible(caret) ? caret : nullptr;
}

void CTreeCtrlEx::NotifyParent(NMHDR* header, UINT code) const
{
    header->hwndFrom = m_hWnd;
    header->idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(m_hWnd));
    header->code = code;
    ::SendMessageA(::GetParent(m_hWnd), WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
}

void CTreeCtrlEx::FillItem(TVITEMA& item, HTREEITEM handle) const
{
    if (!handle)
        return;
    item.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM;
    item.hItem = handle;
    item.state = GetItemState(handle, 0xFFFF);
    item.lParam = static_cast<LPARAM>(GetItemData(handle));
}
