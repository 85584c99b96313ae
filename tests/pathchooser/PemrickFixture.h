// Base of Pemrick's tests: the library registered from the test program's
// folder, the simulated product with a snapshot view "bob" and a dynamic
// view "dyn" holding folders of its repositories, no remembered selection
// (one that was there comes back afterwards), the boxes shown, and hosts of
// the control.
#pragma once
#include "tests/support/HostedControlTest.h"
#include "tests/support/ProductViews.h"
#include "tests/support/RegistryKeyBackup.h"
#include "tests/support/ScratchFolder.h"
#include <gtest/gtest.h>
#include <Pemrick.h>
#include <commctrl.h>
#include <memory>
#include <string>

extern const char kPemrickClsid[];
extern const char kSelectionKey[];
extern const char kExplorerKey[];

HMODULE PemrickLibrary();

class PemrickTest : public HostedControlTest {
protected:
    PemrickTest();

    // The data of the product with each line of `records` replaced or added.
    void UseData(const std::string& records);
    // A hosted control given its properties in the builder's order.
    std::unique_ptr<ControlHost> Choose(long mode, const std::string& targets, long constraints, long readOnly = 0)
    {
        return Host({ mode, targets.c_str(), constraints, readOnly });
    }

    ProductViews m_views;
    RegistryKeyBackup m_selection{HKEY_CURRENT_USER, kSelectionKey};
    RegistryKeyBackup m_explorerSelection{HKEY_CURRENT_USER, kExplorerKey};
    ScratchFolder m_folder{"views"};
    std::string m_bob;
    std::string m_dyn;
};

// The texts of the children of `parent` (TVI_ROOT: the roots), comma-separated.
std::string TreeChildren(HWND tree, HTREEITEM parent);
// The child of `parent` with the text; null when none.
HTREEITEM TreeChild(HWND tree, HTREEITEM parent, const std::string& text);
// Expands the node as the user would, through the tree's own notification.
void ExpandNode(HWND tree, HTREEITEM node);
// The middle of the node's label in the tree's client coordinates.
LPARAM NodePoint(HWND tree, HTREEITEM node);
// A click on the node's label with these keys held (MK_SHIFT, MK_CONTROL).
void ClickNode(HWND tree, HTREEITEM node, WPARAM keys = 0);
// A click on the node's expand button, as the user collapses it; false when it shows none.
bool ClickButtonOf(HWND tree, HTREEITEM node);
// The texts of the selected items, visible or not, in tree order, comma-separated.
std::string SelectedNodes(HWND tree);
// The texts of the selected list's items, top to bottom, comma-separated.
std::string ListItems(HWND list);
bool IsEnabled(HWND window);
// The value under the remembered-selection key; "<none>" when missing.
std::string RememberedValue(const char* key, const char* name);
void SetRememberedValue(const char* key, const char* name, const std::string& value);
