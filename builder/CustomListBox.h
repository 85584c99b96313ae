// An owner-drawn list box of lines made of elements: literal text and values
// shown as underlined links. Pointing at a value shows a hand cursor and
// highlights it. What the lines hold comes from the virtual operations.
#pragma once
#include "afx/CFont.h"
#include "afx/CListBox.h"
#include <memory>
#include <vector>

class CDC;
class CParameterElement;

class CCustomListBox : public CListBox {
public:
    // One value of a line, where it lies from the start of the line.
    struct HotSpot {
        int line;
        int element;
        int left;
        int right;
        CParameterElement* value = nullptr;
    };

    CCustomListBox();
    ~CCustomListBox() override;

    virtual void InitControl();
    // Empties the list and measures and adds every line afresh.
    void Rebuild();
    // Empties the list and forgets every value, the one under the mouse too.
    void Empty();
    // The value under a client point, or null.
    HotSpot* HotSpotFromPoint(int x, int y);
    void DrawItem(DRAWITEMSTRUCT* item) override;
    BOOL PreTranslateMessage(MSG* message) override;

    bool m_disabled = false;

protected:
    virtual void OnBeforeRebuild() = 0;
    virtual int GetLineCount() = 0;
    virtual int GetElementCount(int line) = 0;
    virtual CString GetElementText(int line, int element) = 0;
    virtual void BindHotSpot(HotSpot* hotSpot) = 0;
    virtual bool IsLiteralElement(int line, int element) = 0;
    virtual bool IsDisabledElement(int line, int element) = 0;
    virtual bool IsElementSet(int line, int element) = 0;
    virtual bool IsPlainLine(int) { return false; }
    virtual CString GetLineText(int line) = 0;
    virtual void LoadHandCursor();

    void OnPaint();
    BOOL OnEraseBkgnd(HDC) { return FALSE; }
    void OnMouseMove(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()

    // The value under the mouse since its last move, or null.
    HotSpot* m_hotSpot = nullptr;

private:
    typedef std::vector<std::unique_ptr<HotSpot>> LineHotSpots;

    void ClearHotSpots();
    void MeasureLine(int line);
    // The width of the text in the line's font, or in the underlined one for a value.
    int ElementWidth(HDC dc, int line, int element, const CString& text);
    void DrawElements(CDC& dc, const DRAWITEMSTRUCT& item);

    CFont m_underlinedFont;
    HotSpot* m_drawnHotSpot = nullptr;
    std::vector<std::unique_ptr<LineHotSpots>> m_hotSpots;
    HCURSOR m_handCursor = nullptr;
    bool m_arrowShown = true;
    HWND m_toolTip = nullptr;
};
