// Owner of a font handle.
#pragma once
#include <windows.h>

class CFont {
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    HFONT m_hObject = nullptr;
    operator HFONT() const { return m_hObject; }

    BOOL CreateFontIndirect(const LOGFONTA* font);
    BOOL DeleteObject();
};
