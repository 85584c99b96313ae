// A tree-view control of another process, read through its messages; item
// texts go through a block of that process's memory.
#pragma once
#include "tests/support/RemoteBlock.h"
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>

class RemoteTreeView {
public:
    RemoteTreeView(HWND tree, HANDLE process);

    HTREEITEM Root() const;
    std::vector<HTREEITEM> Children(HTREEITEM item) const;
    std::string Text(HTREEITEM item) const;
    std::vector<std::string> ChildTexts(HTREEITEM item) const;
    // The child of `item` with this text, or null.
    HTREEITEM Child(HTREEITEM item, const std::string& text) const;
    // Selects the item as the user would; returns once the tree's owner has handled it.
    bool Select(HTREEITEM item) const;
    HTREEITEM Selected() const;
    bool IsExpanded(HTREEITEM item) const;

private:
    HWND m_tree;
    RemoteBlock m_block;
};
