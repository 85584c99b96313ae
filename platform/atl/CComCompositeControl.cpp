#include "atl/CComCompositeControl.h"

namespace {
// The fixed head of an extended dialog template (DIALOGEX).
#pragma pack(push, 1)
struct DialogExHead {
    WORD version;
    WORD signature;  // 0xFFFF
    DWORD helpId;
    DWORD exStyle;
    DWORD style;
    WORD items;
    short x;
    short y;
    short cx;
    short cy;
};
#pragma pack(pop)
}

SIZEL DialogTemplateExtent(HINSTANCE resources, UINT dialogId)
{
    SIZEL extent = {0, 0};
    HRSRC found = FindResourceA(resources, MAKEINTRESOURCEA(dialogId), RT_DIALOG);
    HGLOBAL loaded = found ? LoadResource(resources, found) : nullptr;
    const DialogExHead* head = loaded ? static_cast<const DialogExHead*>(LockResource(loaded)) : nullptr;
    if (!head || SizeofResource(resources, found) < sizeof(DialogExHead))
        return extent;
    short cx = head->signature == 0xFFFF ? head->cx : reinterpret_cast<const DLGTEMPLATE*>(head)->cx;
    short cy = head->signature == 0xFFFF ? head->cy : reinterpret_cast<const DLGTEMPLATE*>(head)->cy;
    // Dialog units are a quarter of the average character width and an eighth of its height.
    LONG units = GetDialogBaseUnits();
    HDC screen = GetDC(nullptr);
    extent.cx = MulDiv(MulDiv(cx, LOWORD(units), 4), kHimetricPerInch, GetDeviceCaps(screen, LOGPIXELSX));
    extent.cy = MulDiv(MulDiv(cy, HIWORD(units), 8), kHimetricPerInch, GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    return extent;
}
