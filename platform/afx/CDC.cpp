#include "afx/CDC.h"

void CDC::FillSolidRect(const RECT& rect, COLORREF color)
{
    ::SetBkColor(m_hDC, color);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void CDC::Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight)
{
    FillSolidRect(CRect(rect.left, rect.top, rect.right - 1, rect.top + 1), topLeft);
    FillSolidRect(CRect(rect.left, rect.top, rect.left + 1, rect.bottom - 1), topLeft);
    FillSolidRect(CRect(rect.right - 1, rect.top, rect.right, rect.bottom), bottomRight);
    FillSolidRect(CRect(rect.left, rect.bottom - 1, rect.right, rect.bottom), bottomRight);
}

SIZE CDC::GetTextExtent(const char* text) const
{
    SIZE size = {};
    ::GetTextExtentPoint32A(m_hDC, text, lstrlenA(text), &size);
    return size;
}

int CDC::StartDoc(const char* documentName)
{
    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = documentName;
    return ::StartDocA(m_hDC, &document);
}

CPaintDC::CPaintDC(CWnd* window) : m_window(window->m_hWnd)
{
    Attach(::BeginPaint(m_window, &m_ps));
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_window, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* window) : m_window(window->m_hWnd)
{
    Attach(::GetDC(m_window));
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_window, Detach());
}
