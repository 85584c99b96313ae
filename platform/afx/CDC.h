// Device contexts: CDC wraps one it is given (never releases it); CPaintDC and
// CClientDC acquire one for a window and release it when they go.
#pragma once
#include "afx/CWnd.h"

class CDC {
public:
    CDC() = default;
    virtual ~CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC m_hDC = nullptr;
    operator HDC() const { return m_hDC; }
    BOOL Attach(HDC dc) { m_hDC = dc; return dc != nullptr; }
    HDC Detach() { HDC dc = m_hDC; m_hDC = nullptr; return dc; }
    // A memory DC of this object's own, compatible with `dc` (the screen when null); DeleteDC ends it.
    BOOL CreateCompatibleDC(CDC* dc) { return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr)); }
    BOOL DeleteDC() { HDC dc = Detach(); return dc ? ::DeleteDC(dc) : FALSE; }
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY, DWORD rop)
    {
        return ::BitBlt(m_hDC, x, y, width, height, source->m_hDC, sourceX, sourceY, rop);
    }

    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
    HGDIOBJ SelectStockObject(int index) { return ::SelectObject(m_hDC, ::GetStockObject(index)); }
    COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
    COLORREF SetBkColor(COLORREF color) { return ::SetBkColor(m_hDC, color); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }

    void FillSolidRect(const RECT& rect, COLORREF color);
    void Draw3dRect(const RECT& rect, COLORREF topLeft, COLORREF bottomRight);
    int DrawText(const char* text, RECT* rect, UINT format) { return ::DrawTextA(m_hDC, text, -1, rect, format); }
    SIZE GetTextExtent(const char* text) const;
    void MoveTo(int x, int y) { ::MoveToEx(m_hDC, x, y, nullptr); }
    void LineTo(int x, int y) { ::LineTo(m_hDC, x, y); }
    BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
    BOOL DrawFrameControl(RECT* rect, UINT type, UINT state) { return ::DrawFrameControl(m_hDC, rect, type, state); }
    void FrameRect(const RECT& rect, HBRUSH brush) { ::FrameRect(m_hDC, &rect, brush); }
    void DrawFocusRect(const RECT& rect) { ::DrawFocusRect(m_hDC, &rect); }
    // Text (DST_TEXT) or an icon (DST_ICON) in the state the DSS_ flags give, such as disabled.
    BOOL DrawState(POINT at, SIZE size, const char* text, UINT flags, HBRUSH brush = nullptr)
    {
        return ::DrawStateA(m_hDC, brush, nullptr, reinterpret_cast<LPARAM>(text), 0, at.x, at.y, size.cx, size.cy, flags);
    }
    BOOL GetTextMetrics(TEXTMETRICA* metrics) const { return ::GetTextMetricsA(m_hDC, metrics); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }

    // Print jobs: each returns a value of at most 0 when it fails.
    int StartDoc(const char* documentName);
    int StartPage() { return ::StartPage(m_hDC); }
    int EndPage() { return ::EndPage(m_hDC); }
    int EndDoc() { return ::EndDoc(m_hDC); }
    int AbortDoc() { return ::AbortDoc(m_hDC); }
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps = {};

private:
    HWND m_window;
};

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window);
    ~CClientDC() override;

private:
    HWND m_window;
};
