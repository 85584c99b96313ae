// Pemrick under hosts other than the builder: a container that asks for the
// interfaces common containers use, one that reads the targets before it
// shows the control, and one that lets go of the control without closing it.
#include "tests/pathchooser/PemrickFixture.h"
#include "pathchooser/Resource.h"
#include "tests/support/CommonContainer.h"
#include <comutil.h>

namespace {
const GUID kImageListIid = {0x46eb5926, 0x582e, 0x4017, {0x9f, 0xdf, 0xe8, 0x99, 0x8d, 0xaa, 0x09, 0x50}};

IPathChooser* NewChooser()
{
    IPathChooser* chooser = nullptr;
    EXPECT_EQ(S_OK, CoCreateInstance(CLSID_PathChooser, nullptr, CLSCTX_INPROC_SERVER, IID_IPathChooser,
                                     reinterpret_cast<void**>(&chooser)));
    return chooser;
}

// A reference of our own to an image list, which outlives every other.
IUnknown* HoldImageList(HIMAGELIST images)
{
    typedef HRESULT(WINAPI * QueryImageList)(HIMAGELIST, REFIID, void**);
    auto query = reinterpret_cast<QueryImageList>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("comctl32.dll"), "HIMAGELIST_QueryInterface")));
    IUnknown* held = nullptr;
    EXPECT_NE(nullptr, query);
    HRESULT result = query ? query(images, kImageListIid, reinterpret_cast<void**>(&held)) : E_NOTIMPL;
    EXPECT_EQ(S_OK, result);
    return held;
}
}

TEST_F(PemrickTest, ServesACommonContainerAndCarriesEveryItemIcon)
{
    ExpectCommonContainerInterfaces(CLSID_PathChooser, PropertyNotifications::None);
    for (int icon : {IDI_DIRECTORY, IDI_FILE, IDI_ITEM, IDI_ACTIVITY, IDI_ROOT_FOLDER_SELECTED})
        EXPECT_NE(nullptr, LoadImageA(PemrickLibrary(), MAKEINTRESOURCEA(icon), IMAGE_ICON, 16, 16, 0)) << icon;
}

TEST_F(PemrickTest, TargetsPutBeforeTheWindowReadBackAsPutAndLoadWithIt)
{
    const std::string file = "\"" + m_bob + "\\webshop\\src\\main.c\"";
    const std::string directory = "\"" + m_bob + "\\webshop\\src\\\"";
    IPathChooser* chooser = NewChooser();
    ASSERT_NE(nullptr, chooser);
    EXPECT_EQ(S_OK, chooser->put_Constraints(static_cast<SEL_CONSTRAINTS>(SEL_MULTI | SEL_FILE)));
    EXPECT_EQ(S_OK, chooser->put_SelectedTargets(_bstr_t((file + "  " + directory).c_str())));
    BSTR read = nullptr;
    EXPECT_EQ(S_OK, chooser->get_SelectedTargets(&read));
    EXPECT_EQ(file + "  " + directory, static_cast<const char*>(_bstr_t(read, false)));

    ControlHost host(chooser);
    EXPECT_EQ("webshop\\src\\main.c,webshop\\src", ListItems(host.Item(IDC_SELECTED_LIST)));
    EXPECT_EQ(directory + " " + file, host.GetText(2));
    host.Destroy();
    chooser->Release();
}

TEST_F(PemrickTest, AControlReleasedWithoutClosingFreesItsItemsAndImages)
{
    SetRememberedValue(kSelectionKey, "ViewDirectory", m_bob);
    IPathChooser* chooser = NewChooser();
    ASSERT_NE(nullptr, chooser);
    auto host = std::make_unique<ControlHost>(chooser);
    chooser->Release();
    HWND tree = host->Item(IDC_TREE);
    ExpandNode(tree, TreeChild(tree, TVI_ROOT, "webshop"));
    ASSERT_EQ("src", TreeChildren(tree, TreeChild(tree, TVI_ROOT, "webshop")));
    IUnknown* images = HoldImageList(reinterpret_cast<HIMAGELIST>(SendMessageA(tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0)));
    ASSERT_NE(nullptr, images);

    host->Abandon();
    EXPECT_EQ(0u, images->Release()) << "the control's window was destroyed without its destroy handling";
    EXPECT_EQ(m_bob, RememberedValue(kSelectionKey, "ViewDirectory"));
}
