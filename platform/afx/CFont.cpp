#include "afx/CFont.h"

BOOL CFont::CreateFontIndirect(const LOGFONTA* font)
{
    DeleteObject();
    m_hObject = ::CreateFontIndirectA(font);
    return m_hObject != nullptr;
}

BOOL CFont::DeleteObject()
{
    HFONT font = m_hObject;
    m_hObject = nullptr;
    return font ? ::DeleteObject(font) : FALSE;
}
