// Points and rectangles with the few conveniences the windows use.
#pragma once
#include <windows.h>

class CPoint : public POINT {
public:
    CPoint() { x = 0; y = 0; }
    CPoint(int px, int py) { x = px; y = py; }
    // From a message's packed coordinates (signed, as WM_NCHITTEST and mouse messages give them).
    explicit CPoint(LPARAM packed) { x = static_cast<short>(LOWORD(packed)); y = static_cast<short>(HIWORD(packed)); }
};

class CRect : public RECT {
public:
    CRect() { SetRect(0, 0, 0, 0); }
    CRect(int l, int t, int r, int b) { SetRect(l, t, r, b); }
    CRect(const RECT& other) { *static_cast<RECT*>(this) = other; }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    void SetRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
    BOOL PtInRect(POINT point) const { return ::PtInRect(this, point); }
    void OffsetRect(int dx, int dy) { ::OffsetRect(this, dx, dy); }
};
