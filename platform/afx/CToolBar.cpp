#include "afx/CToolBar.h"
#include "afx/AfxResources.h"
#include <vector>

namespace {
const WORD kToolBarResource = 241;

// As windres writes it: double words throughout, the command ids after the header.
struct ToolBarResource {
    DWORD width;
    DWORD height;
    DWORD count;
};
}

BOOL CToolBar::CreateEx(CWnd* parent, DWORD toolBarStyle, DWORD style, UINT id)
{
    ::InitCommonControls();
    // The frame lays the bar out; inside a rebar it must not move itself.
    const DWORD barStyle = style | toolBarStyle | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEA, "", barStyle, CRect(0, 0, 0, 0), parent->m_hWnd, id))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    return TRUE;
}

BOOL CToolBar::LoadToolBar(UINT id)
{
    HINSTANCE resources = AfxGetResourceHandle();
    HRSRC found = ::FindResourceA(resources, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(kToolBarResource));
    HGLOBAL loaded = found ? ::LoadResource(resources, found) : nullptr;
    const ToolBarResource* header = loaded ? static_cast<const ToolBarResource*>(::LockResource(loaded)) : nullptr;
    // The bitmap's 3-D greys become the system's button colours, so that its
    // background is the face the toolbar masks out (a disabled button shows
    // its image greyed, not a grey block). It needs a bitmap with a colour table.
    HBITMAP bitmap = ::CreateMappedBitmap(resources, id, 0, nullptr, 0);
    if (!header || !bitmap)
        return FALSE;
    const DWORD* ids = reinterpret_cast<const DWORD*>(header + 1);
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(header->width, header->height));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(header->width + 7, header->height + 7));
    TBADDBITMAP images = { nullptr, reinterpret_cast<UINT_PTR>(bitmap) };
    SendMessage(TB_ADDBITMAP, header->count, reinterpret_cast<LPARAM>(&images));
    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (DWORD index = 0; index < header->count; ++index) {
        TBBUTTON button = {};
        button.idCommand = ids[index];
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = ids[index] ? BTNS_BUTTON : BTNS_SEP;
        button.iBitmap = ids[index] ? image++ : 0;
        buttons.push_back(button);
    }
    SendMessage(TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessage(TB_AUTOSIZE);
    return TRUE;
}
