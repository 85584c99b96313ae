#include "tests/support/RemoteTreeView.h"

RemoteTreeView::RemoteTreeView(HWND tree, HANDLE process) : m_tree(tree), m_block(process) {}

HTREEITEM RemoteTreeView::Root() const
{
    return reinterpret_cast<HTREEITEM>(SendMessageA(m_tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
}

std::vector<HTREEITEM> RemoteTreeView::Children(HTREEITEM item) const
{
    std::vector<HTREEITEM> children;
    auto next = [&](HTREEITEM from, UINT code) {
        return reinterpret_cast<HTREEITEM>(SendMessageA(m_tree, TVM_GETNEXTITEM, code, reinterpret_cast<LPARAM>(from)));
    };
    for (HTREEITEM child = next(item, TVGN_CHILD); child; child = next(child, TVGN_NEXT))
        children.push_back(child);
    return children;
}

std::string RemoteTreeView::Text(HTREEITEM item) const
{
    TVITEMA request = {};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = m_block.TextBuffer();
    request.cchTextMax = RemoteBlock::TextSize();
    m_block.Put(request);
    if (!SendMessageA(m_tree, TVM_GETITEMA, 0, m_block.Address()))
        return std::string();
    return m_block.Text();
}

std::vector<std::string> RemoteTreeView::ChildTexts(HTREEITEM item) const
{
    std::vector<std::string> texts;
    for (HTREEITEM child : Children(item))
        texts.push_back(Text(child));
    return texts;
}

HTREEITEM RemoteTreeView::Child(HTREEITEM item, const std::string& text) const
{
    for (HTREEITEM child : Children(item))
        if (Text(child) == text)
            return child;
    return nullptr;
}

bool RemoteTreeView::Select(HTREEITEM item) const
{
    return SendMessageA(m_tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
}

HTREEITEM RemoteTreeView::Selected() const
{
    return reinterpret_cast<HTREEITEM>(SendMessageA(m_tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

bool RemoteTreeView::IsExpanded(HTREEITEM item) const
{
    return (SendMessageA(m_tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}
