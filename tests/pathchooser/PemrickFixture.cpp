#include "tests/pathchooser/PemrickFixture.h"
#include "tests/support/ControlLibrary.h"
#include "tests/support/RegistryText.h"
#include "tests/support/TestFiles.h"
#include "productsim/testing/SimTestData.h"
#include <cstring>
#include <vector>

const char kPemrickClsid[] = "{2F766012-B4BB-11D3-B9D9-00207814BCF5}";
const char kSelectionKey[] = "Software\\Selvo\\Korvast\\CurrentVersion\\Report Wizard\\Current Selection";
const char kExplorerKey[] = "Software\\Selvo\\Korvast\\CurrentVersion\\Korvast Project Explorer\\Current Selection";

namespace {

// webshop is a mounted project repository, scratch a mounted private one,
// tools neither mounted nor a project repository.
const char kPemrickData[] =
    "olpex \\webshop kinds=polpex,sumolpex mounted\n"
    "olpex \\scratch kinds=sumolpex mounted private\n"
    "olpex \\tools kinds=polpex\n"
    "folder RootFolder olpex=webshop display=\"Web shop\"\n"
    "folder Products parent=RootFolder olpex=webshop display=\"Products\"\n"
    "project storefront folder=RootFolder olpex=webshop istream=storefront_int display=\"Storefront\"\n"
    "project legacy folder=Products olpex=webshop istream=legacy_int display=\"Legacy\"\n"
    "stream storefront_int project=storefront olpex=webshop display=\"Storefront integration\"\n"
    "stream alice_dev project=storefront olpex=webshop display=\"Alice\"\n"
    "activity fix_login stream=alice_dev olpex=webshop display=\"Fix login\"\n"
    "activity merge stream=storefront_int olpex=webshop display=\"Merge\"\n";

std::string ItemText(HWND tree, HTREEITEM item)
{
    char text[1024] = "";
    TVITEMA read = {};
    read.mask = TVIF_TEXT;
    read.hItem = item;
    read.pszText = text;
    read.cchTextMax = sizeof text;
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&read));
    return text;
}

HTREEITEM FirstChild(HWND tree, HTREEITEM parent)
{
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, parent == TVI_ROOT ? TVGN_ROOT : TVGN_CHILD,
                                                    reinterpret_cast<LPARAM>(parent == TVI_ROOT ? nullptr : parent)));
}

HTREEITEM NextSibling(HWND tree, HTREEITEM item)
{
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
}
}

HMODULE PemrickLibrary()
{
    CSimTestData::StartServerOnce();
    return RegisteredControlLibrary("Pemrick.dll");
}

PemrickTest::PemrickTest() : HostedControlTest(kPemrickClsid, 620, 420)
{
    PemrickLibrary();
    for (std::string* view : {&m_bob, &m_dyn}) {
        std::string name = view == &m_bob ? "bob" : "dyn";
        *view = m_folder.MakeFolder(name);
        m_folder.MakeFile(name + "\\view.dat");
        m_folder.MakeFolder(name + "\\webshop");
        m_folder.MakeFolder(name + "\\webshop\\src");
        m_folder.MakeFile(name + "\\webshop\\src\\main.c");
        m_folder.MakeFile(name + "\\webshop\\README");
        m_views.Register(*view);
    }
    UseData("");
}

void PemrickTest::UseData(const std::string& records)
{
    std::string views = "view \"" + m_bob + "\" snapshot\nview \"" + m_dyn + "\"\n";
    CSimTestData::Use(CSimTestData::WithRecords(std::string(kPemrickData) + views, records));
}

std::string TreeChildren(HWND tree, HTREEITEM parent)
{
    std::string texts;
    for (HTREEITEM item = FirstChild(tree, parent); item; item = NextSibling(tree, item))
        texts += (texts.empty() ? "" : ",") + ItemText(tree, item);
    return texts;
}

HTREEITEM TreeChild(HWND tree, HTREEITEM parent, const std::string& text)
{
    for (HTREEITEM item = FirstChild(tree, parent); item; item = NextSibling(tree, item)) {
        if (ItemText(tree, item) == text)
            return item;
    }
    return nullptr;
}

void ExpandNode(HWND tree, HTREEITEM node)
{
    SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node));
}

LPARAM NodePoint(HWND tree, HTREEITEM node)
{
    // The item goes in at the rectangle's start.
    RECT rect = {};
    memcpy(&rect, &node, sizeof node);
    SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect));
    return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

namespace {
// The press is sent with its release queued first: the native press handling waits for it.
void PressAt(HWND tree, LPARAM point, WPARAM keys)
{
    PostMessageA(tree, WM_LBUTTONUP, keys, point);
    SendMessageA(tree, WM_LBUTTONDOWN, MK_LBUTTON | keys, point);
    MSG message;
    while (PeekMessageA(&message, tree, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE))
        DispatchMessageA(&message);
}

void AppendSelected(HWND tree, HTREEITEM parent, std::string& texts)
{
    for (HTREEITEM item = FirstChild(tree, parent); item; item = NextSibling(tree, item)) {
        if (SendMessageA(tree, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_SELECTED) & TVIS_SELECTED)
            texts += (texts.empty() ? "" : ",") + ItemText(tree, item);
        AppendSelected(tree, item, texts);
    }
}
}

void ClickNode(HWND tree, HTREEITEM node, WPARAM keys)
{
    PressAt(tree, NodePoint(tree, node), keys);
}

bool ClickButtonOf(HWND tree, HTREEITEM node)
{
    LPARAM label = NodePoint(tree, node);
    for (int x = 0; x < LOWORD(label); ++x) {
        TVHITTESTINFO hit = {};
        hit.pt = {x, HIWORD(label)};
        SendMessageA(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        if (hit.flags & TVHT_ONITEMBUTTON) {
            PressAt(tree, MAKELPARAM(x, HIWORD(label)), 0);
            return true;
        }
    }
    return false;
}

std::string SelectedNodes(HWND tree)
{
    std::string texts;
    AppendSelected(tree, TVI_ROOT, texts);
    return texts;
}

std::string ListItems(HWND list)
{
    return CommaJoined(ListColumnTexts(list));
}

bool IsEnabled(HWND window)
{
    return IsWindowEnabled(window) != FALSE;
}

std::string RememberedValue(const char* key, const char* name)
{
    return RegistryText(HKEY_CURRENT_USER, key, name);
}

void SetRememberedValue(const char* key, const char* name, const std::string& value)
{
    EXPECT_TRUE(SetRegistryText(HKEY_CURRENT_USER, key, name, value));
}
