// A non-owning handle of an image list: attached and detached, never destroyed.
#pragma once
#include <windows.h>
#include <commctrl.h>

class CImageList {
public:
    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }
    BOOL Attach(HIMAGELIST list) { m_hImageList = list; return list != nullptr; }
    HIMAGELIST Detach() { HIMAGELIST list = m_hImageList; m_hImageList = nullptr; return list; }
};
