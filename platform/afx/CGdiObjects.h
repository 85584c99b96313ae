// Owners of GDI bitmaps and brushes: each deletes the handle it holds when it
// goes, unless it was detached first.
#pragma once
#include <windows.h>

class CDC;

class CBitmap {
public:
    CBitmap() = default;
    ~CBitmap() { DeleteObject(); }
    CBitmap(const CBitmap&) = delete;
    CBitmap& operator=(const CBitmap&) = delete;

    HBITMAP m_hObject = nullptr;
    operator HBITMAP() const { return m_hObject; }
    BOOL Attach(HBITMAP bitmap);
    HBITMAP Detach();

    // From the resource handle's bitmaps.
    BOOL LoadBitmap(UINT id);
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    int GetBitmap(BITMAP* info) const { return ::GetObjectA(m_hObject, sizeof *info, info); }
    BOOL DeleteObject();
};

class CBrush {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
    ~CBrush() { DeleteObject(); }
    CBrush(const CBrush&) = delete;
    CBrush& operator=(const CBrush&) = delete;

    HBRUSH m_hObject = nullptr;
    operator HBRUSH() const { return m_hObject; }

    BOOL CreateSolidBrush(COLORREF color);
    BOOL DeleteObject();
};
