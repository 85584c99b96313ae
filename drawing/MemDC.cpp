#include "drawing/MemDC.h"

namespace {
bool IsPrinting(CDC* target)
{
    return ::GetDeviceCaps(target->m_hDC, TECHNOLOGY) == DT_RASPRINTER;
}
}

CMemDC::CMemDC(CDC* target, const RECT& rect) : m_target(target), m_rect(rect), m_offScreen(!IsPrinting(target))
{
    if (!m_offScreen) {
        m_bPrinting = TRUE;
        m_hDC = m_hAttribDC = target->m_hDC;
        return;
    }
    OpenMemoryDC();
    m_bitmap.CreateCompatibleBitmap(target, m_rect.Width(), m_rect.Height());
    m_previousObject = SelectObject(m_bitmap);
    ::SetWindowOrgEx(m_hDC, m_rect.left, m_rect.top, nullptr);
}

CMemDC::CMemDC(CDC* target, COLORREF background, CBitmap* bitmap) : m_target(target), m_offScreen(!IsPrinting(target))
{
    if (!m_offScreen) {
        m_bPrinting = TRUE;
        m_hDC = m_hAttribDC = target->m_hDC;
        return;
    }
    OpenMemoryDC();
    ::GetClipBox(target->m_hDC, &m_rect);
    ::LPtoDP(target->m_hDC, reinterpret_cast<POINT*>(&m_rect), 2);
    if (bitmap) {
        m_previousObject = SelectObject(*bitmap);
    } else {
        m_bitmap.CreateCompatibleBitmap(target, m_rect.Width(), m_rect.Height());
        m_previousObject = SelectObject(m_bitmap);
    }
    ::SetMapMode(m_hDC, ::GetMapMode(target->m_hDC));
    // Back into the target's own logical units, whatever its origin: the
    // memory context's origin then makes each logical point land where the
    // target shows it.
    ::DPtoLP(target->m_hDC, reinterpret_cast<POINT*>(&m_rect), 2);
    ::SetWindowOrgEx(m_hDC, m_rect.left, m_rect.top, nullptr);
    PaintBackground(background);
}

void CMemDC::OpenMemoryDC()
{
    CreateCompatibleDC(m_target);
    m_hAttribDC = m_hDC;
}

void CMemDC::PaintBackground(COLORREF background)
{
    if (background == RGB(255, 255, 255)) {
        ::PatBlt(m_hDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), WHITENESS);
    } else if (background == 0) {
        ::PatBlt(m_hDC, m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), BLACKNESS);
    } else {
        COLORREF previous = ::GetBkColor(m_hDC);
        FillSolidRect(m_rect, background);
        ::SetBkColor(m_hDC, previous);
    }
}

CMemDC::~CMemDC()
{
    if (m_offScreen) {
        m_target->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top, SRCCOPY);
        SelectObject(m_previousObject);
        m_bitmap.DeleteObject();
        DeleteDC();
    } else {
        // The handles are the target's: it releases them.
        m_hDC = m_hAttribDC = nullptr;
    }
}
