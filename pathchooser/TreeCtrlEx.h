// A tree view in which several items can be selected at once: the selection
// is the TVIS_SELECTED state of the items, the caret is the focused item.
// Click, Shift+click (range in visible order), Ctrl+click (toggle),
// Shift+Up/Down, and a drag of the selection started by pressing on a
// selected item. Item data is a CChooserItem; items without one (the
// placeholder child) count as not selectable.
#pragma once
#include "afx/CWnd.h"
#include "afx/MessageMap.h"
#include "pathchooser/ChooserItem.h"
#include <commctrl.h>

class CTreeCtrlEx : public CWnd {
public:
    void SetMultipleSelection(bool multiple) { m_multiple = multiple; }

    UINT GetSelectedCount() const;
    HTREEITEM GetFirstSelectedItem() const;
    HTREEITEM GetNextSelectedItem(HTREEITEM item) const;
    HTREEITEM GetPrevSelectedItem(HTREEITEM item) const;
    BOOL SelectItem(HTREEITEM item, bool keep);
    BOOL SelectRange(HTREEITEM anchor, HTREEITEM item);
    void ClearSelection(bool keepCaret);
    // Clears the selection of the descendants of a node being collapsed.
    void ClearChildSelection(const NMTREEVIEWA* notification);
    HTREEITEM FindItemByData(DWORD_PTR value, HTREEITEM start) const;
    void SelectItemByMouse(HTREEITEM item, UINT keyFlags, POINT point);
    LRESULT OnCustomDraw(NMTVCUSTOMDRAW* draw) const;

    // Thin tree-view calls.
    HTREEITEM GetNextItem(HTREEITEM item, UINT code) const;
    HTREEITEM GetRootItem() const { return GetNextItem(nullptr, TVGN_ROOT); }
    HTREEITEM GetCaret() const { return GetNextItem(nullptr, TVGN_CARET); }
    HTREEITEM GetChildItem(HTREEITEM item) const { return GetNextItem(item, TVGN_CHILD); }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return GetNextItem(item, TVGN_NEXT); }
    HTREEITEM GetParentItem(HTREEITEM item) const { return GetNextItem(item, TVGN_PARENT); }
    UINT GetItemState(HTREEITEM item, UINT mask) const;
    void SetItemState(HTREEITEM item, UINT state, UINT mask);
    DWORD_PTR GetItemData(HTREEITEM item) const;
    CChooserItem* GetRecord(HTREEITEM item) const { return reinterpret_cast<CChooserItem*>(GetItemData(item)); }
    CString GetItemText(HTREEITEM item) const;
    HTREEITEM InsertItem(const TVINSERTSTRUCTA* insert);
    BOOL DeleteItem(HTREEITEM item);
    BOOL DeleteAllItems() { return DeleteItem(TVI_ROOT); }
    BOOL Expand(HTREEITEM item, UINT action) { return static_cast<BOOL>(SendMessage(TVM_EXPAND, action, reinterpret_cast<LPARAM>(item))); }
    HTREEITEM HitTest(POINT point, UINT* flags) const;
    void SetImageList(HIMAGELIST images) { SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images)); }

protected:
    LRESULT OnLButtonDown(WPARAM keyFlags, LPARAM point);
    LRESULT OnLButtonUp(WPARAM keyFlags, LPARAM point);
    LRESULT OnLButtonDblClk(WPARAM keyFlags, LPARAM point);
    LRESULT OnMouseMove(WPARAM keyFlags, LPARAM point);
    LRESULT OnKeyDown(WPARAM key, LPARAM flags);
    LRESULT OnRButtonDown(WPARAM keyFlags, LPARAM point);
    LRESULT OnDeleteItem(WPARAM, LPARAM item);
    DECLARE_MESSAGE_MAP()

private:
    bool IsSelectable(HTREEITEM item) const;
    bool IsSelected(HTREEITEM item) const { return item && (GetItemState(item, TVIS_SELECTED) & TVIS_SELECTED) != 0; }
    bool IsVisible(HTREEITEM item) const;
    bool IsWithin(HTREEITEM item, HTREEITEM ancestor) const;
    HTREEITEM RangeAnchor() const;
    void SetCaret(HTREEITEM item) { SendMessage(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)); }
    void NotifyParent(NMHDR* header, UINT code) const;
    void FillItem(TVITEMA& item, HTREEITEM handle) const;

    POINT m_pressPoint = {0, 0};
    HTREEITEM m_pressed = nullptr;
    HTREEITEM m_anchor = nullptr;
    bool m_multiple = false;
    bool m_pending = false;
};
