#include "afx/CGdiObjects.h"
#include "afx/AfxResources.h"
#include "afx/CDC.h"

BOOL CBitmap::Attach(HBITMAP bitmap)
{
    DeleteObject();
    m_hObject = bitmap;
    return bitmap != nullptr;
}

HBITMAP CBitmap::Detach()
{
    HBITMAP bitmap = m_hObject;
    m_hObject = nullptr;
    return bitmap;
}

BOOL CBitmap::LoadBitmap(UINT id)
{
    return Attach(::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id)));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    return Attach(::CreateCompatibleBitmap(dc->m_hDC, width, height));
}

BOOL CBitmap::DeleteObject()
{
    HBITMAP bitmap = Detach();
    return bitmap ? ::DeleteObject(bitmap) : FALSE;
}

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    DeleteObject();
    m_hObject = ::CreateSolidBrush(color);
    return m_hObject != nullptr;
}

BOOL CBrush::DeleteObject()
{
    HBRUSH brush = m_hObject;
    m_hObject = nullptr;
    return brush ? ::DeleteObject(brush) : FALSE;
}
