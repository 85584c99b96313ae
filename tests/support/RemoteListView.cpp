#include "tests/support/RemoteListView.h"
#include <commctrl.h>

RemoteListView::RemoteListView(HWND list, HANDLE process)
    : m_list(list), m_process(process),
      m_block(static_cast<char*>(VirtualAllocEx(process, nullptr, kTextOffset + kTextSize, MEM_COMMIT, PAGE_READWRITE)))
{
}

RemoteListView::~RemoteListView()
{
    if (m_block)
        VirtualFreeEx(m_process, m_block, 0, MEM_RELEASE);
}

template <typename T> void RemoteListView::Put(const T& value) const
{
    WriteProcessMemory(m_process, m_block, &value, sizeof value, nullptr);
}

template <typename T> T RemoteListView::Get() const
{
    T value = {};
    ReadProcessMemory(m_process, m_block, &value, sizeof value, nullptr);
    return value;
}

std::string RemoteListView::GetText() const
{
    char text[kTextSize] = "";
    ReadProcessMemory(m_process, m_block + kTextOffset, text, sizeof text, nullptr);
    text[kTextSize - 1] = '\0';
    return text;
}

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
    entry.pszText = m_block + kTextOffset;
    entry.cchTextMax = kTextSize;
    Put(entry);
    if (!SendMessageA(m_list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(m_block)))
        return std::string();
    return GetText();
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
    entry.pszText = m_block + kTextOffset;
    entry.cchTextMax = kTextSize;
    Put(entry);
    SendMessageA(m_list, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(m_block));
    return GetText();
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
    Put(entry);
    SendMessageA(m_list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(m_block));
    entry.state = LVIS_SELECTED;
    for (int item : items) {
        Put(entry);
        SendMessageA(m_list, LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(m_block));
    }
}

POINT RemoteListView::ItemPoint(int item) const
{
    RECT bounds = {};
    bounds.left = LVIR_LABEL;
    Put(bounds);
    SendMessageA(m_list, LVM_GETITEMRECT, item, reinterpret_cast<LPARAM>(m_block));
    bounds = Get<RECT>();
    return { (bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2 };
}

POINT RemoteListView::HeadingPoint(int column) const
{
    SendMessageA(Header(), HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(m_block));
    RECT bounds = Get<RECT>();
    return { (bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2 };
}
