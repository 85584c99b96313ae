// An off-screen device context standing in for a window's paint DC: drawing
// goes into a memory bitmap that is copied to the target in one block when the
// context goes, so that a control repaints without flicker. On a printer the
// context draws straight into the target.
#pragma once
#include "afx/CDC.h"
#include "afx/CGdiObjects.h"

class CMemDC : public CDC {
public:
    // Over the given rectangle of the target; no background is painted.
    CMemDC(CDC* target, const RECT& rect);
    // Over the target's clip box, painted with the background colour; into the
    // caller's bitmap when one is given (it stays the caller's).
    CMemDC(CDC* target, COLORREF background, CBitmap* bitmap = nullptr);
    ~CMemDC() override;

    // Whether the target is a printer DC, whose drawing goes straight to it.
    BOOL m_bPrinting = FALSE;
    HDC m_hAttribDC = nullptr;

private:
    void OpenMemoryDC();
    void PaintBackground(COLORREF background);

    CBitmap m_bitmap;
    HGDIOBJ m_previousObject = nullptr;
    CDC* m_target;
    CRect m_rect;
    bool m_offScreen;
};
