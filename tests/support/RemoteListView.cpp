#include "tests/support/RemoteListView.h"
#include <commctrl.h>

RemoteListView::RemoteListView(HWND list, HANDLE process) : m_list(list), m_block(process) {}

int RemoteListView::ItemCount() const
{
    return static_cast<int>(SendMessageA(m_list, LVM_GETITEMCOUNT, 0, 0));
}

HWND RemoteListView::Header() const
{
    return reinterpret_cast<HWND>(SendMessageA(m_list, LVM_GETHEADER, 0, 0));
}

int RemoteListView::ColumnCount() const
{
    return static_cast<int>(SendMessageA(Header(), HDM_GETITEMCOUNT, 0, 0));
}

std::string RemoteListView::Heading(int column) const
{
    LVCOLUMNA entry = {};
    entry.mask = LVCF_TEXT;
    entry.pszText = m_block.TextBuffer();
    entry.cchTextMax = RemoteBlock::TextSize();
    m_block.Put(entry);
    if (!SendMessageA(m_list, LVM_GETCOLUMNA, column, m_block.Address()))
        return std::string();
    return m_block.Text();
}

std::vector<std::string> RemoteListView::Headings() const
{
    std::vector<std::string> headings;
    for (int column = 0; column < ColumnCount(); ++column)
        headings.push_back(Heading(column));
    return headings;
}

std::string RemoteListView::ItemText(int item, int column) const
{
    LVITEMA entry = {};
    entry.iSubItem = column;
    entry.pszText = m_block.TextBuffer();
    entry.cchTextMax = RemoteBlock::TextSize();
    m_block.Put(entry);
    SendMessageA(m_list, LVM_GETITEMTEXTA, item, m_block.Address());
    return m_block.Text();
}

std::vector<std::vector<std::string>> RemoteListView::Rows() const
{
    std::vector<std::vector<std::string>> rows;
    const int columns = ColumnCount();
    for (int item = 0; item < ItemCount(); ++item) {
        std::vector<std::string> row;
        for (int column = 0; column < columns; ++column)
            row.push_back(ItemText(item, column));
        rows.push_back(row);
    }
    return rows;
}

void RemoteListView::Select(const std::vector<int>& items) const
{
    LVITEMA entry = {};
    entry.stateMask = LVIS_SELECTED;
    entry.state = 0;
    m_block.Put(entry);
    SendMessageA(m_list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), m_block.Address());
    entry.state = LVIS_SELECTED;
    for (int item : items) {
        m_block.Put(entry);
        SendMessageA(m_list, LVM_SETITEMSTATE, item, m_block.Address());
    }
}

POINT RemoteListView::ItemPoint(int item) const
{
    RECT bounds = {};
    bounds.left = LVIR_LABEL;
    m_block.Put(bounds);
    SendMessageA(m_list, LVM_GETITEMRECT, item, m_block.Address());
    bounds = m_block.Get<RECT>();
    return { (bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2 };
}

POINT RemoteListView::HeadingPoint(int column) const
{
    SendMessageA(Header(), HDM_GETITEMRECT, column, m_block.Address());
    RECT bounds = m_block.Get<RECT>();
    return { (bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2 };
}
