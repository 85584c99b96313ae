// A report-view list view of another process, read and set through its
// messages. Those messages carry pointers into the list's own process, so
// their structures and texts go through a block of that process's memory.
#pragma once
#include "tests/support/RemoteBlock.h"
#include <windows.h>
#include <string>
#include <vector>

class RemoteListView {
public:
    RemoteListView(HWND list, HANDLE process);

    int ItemCount() const;
    int ColumnCount() const;
    std::string Heading(int column) const;
    std::vector<std::string> Headings() const;
    std::string ItemText(int item, int column) const;
    // Every item's texts, in list order.
    std::vector<std::vector<std::string>> Rows() const;
    // Selects exactly these items.
    void Select(const std::vector<int>& items) const;
    // The middle of an item's label in the list's client coordinates, and of a heading in the header's.
    POINT ItemPoint(int item) const;
    POINT HeadingPoint(int column) const;
    HWND Header() const;

private:
    HWND m_list;
    RemoteBlock m_block;
};
