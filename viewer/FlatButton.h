// An owner-drawn push button that can be flat (no border until the mouse is
// over it), shows an icon beside or above its text, changes colours while the
// mouse hovers, and has a tool tip and a cursor of its own. It can act as a
// check button. The hover is tracked by holding the mouse capture.
#pragma once
#include "afx/CButton.h"
#include "afx/CDC.h"
#include "afx/CGdiObjects.h"
#include "afx/CToolTipCtrl.h"

class CFlatButton : public CButton {
public:
    // Icon placements.
    enum { kIconLeft = 0, kIconAbove = 1, kIconRight = 2 };

    CFlatButton();
    ~CFlatButton() override;

    // -1: no cursor of its own. True when the cursor resource was loaded.
    BOOL SetBtnCursor(int cursorId = -1);
    // The button owns the icons from now on; without a hover icon the normal one serves.
    void SetIcon(HICON icon, HICON hoverIcon = nullptr);
    void SetIcon(UINT iconId, UINT hoverIconId = 0);
    void SetFlat(BOOL flat = TRUE);
    void SetAlign(int alignment);
    void SetDrawText(BOOL drawText = TRUE);
    void SetDrawBorder(BOOL drawBorder = TRUE);
    void SetCheckBox(BOOL checkBox = TRUE) { m_isCheckBox = checkBox != FALSE; }
    BOOL IsChecked() const { return m_checked; }

    void SetBackgroundColor(COLORREF color, BOOL redraw = TRUE);
    void SetHoverBackgroundColor(COLORREF color, BOOL redraw = TRUE);
    void SetTextColor(COLORREF color, BOOL redraw = TRUE);
    void SetHoverTextColor(COLORREF color, BOOL redraw = TRUE);
    void ResetBackgroundColor() { SetBackgroundColor(::GetSysColor(COLOR_BTNFACE), FALSE); }
    void ResetHoverBackgroundColor() { SetHoverBackgroundColor(::GetSysColor(COLOR_BTNFACE), FALSE); }
    void ResetTextColor() { SetTextColor(::GetSysColor(COLOR_BTNTEXT), FALSE); }
    void ResetHoverTextColor() { SetHoverTextColor(::GetSysColor(COLOR_BTNTEXT), FALSE); }

    void SetTooltipText(const char* text, BOOL activate = TRUE);
    void SetTooltipText(UINT textId, BOOL activate = TRUE);
    // Paints the parent's background under the button instead of a fill.
    void DrawTransparent(BOOL redraw = FALSE);

    BOOL PreTranslateMessage(MSG* message) override;
    void DrawItem(DRAWITEMSTRUCT* item);

protected:
    void PreSubclassWindow() override;
    void OnMouseMove(UINT flags, CPoint point);
    void OnCaptureChanged(HWND window);
    BOOL OnSetCursor(HWND window, UINT hitTest, UINT message);
    void OnKillFocus(HWND window);
    void OnSysColorChange();
    HBRUSH CtlColor(HDC dc);
    BOOL OnClicked();
    LRESULT OnDoubleClick(WPARAM flags, LPARAM point);
    void OnDestroy();

    DECLARE_MESSAGE_MAP()

private:
    void SetColor(COLORREF& field, COLORREF color, BOOL redraw);
    void DestroyIcons();
    void MeasureIcon();
    void Redraw();
    void Repaint();
    void DrawFace(CDC& dc, CRect rect, bool pressed, bool focused);
    void DrawBevel(CDC& dc, const CRect& rect, bool pressed);
    // Draws the icon by the alignment and returns the space left for the text.
    CRect DrawIcon(CDC& dc, const CRect& rect, bool pressed);
    void DrawCaption(CDC& dc, const CRect& space, bool pressed);
    void PaintParentBackground(CDC& dc, const CRect& rect);
    void DropBackground();

    int m_alignment = kIconLeft;
    bool m_drawText = true;
    bool m_drawBorder = true;
    bool m_flat = true;
    bool m_hovering = false;
    HCURSOR m_hoverCursor = nullptr;
    CToolTipCtrl m_toolTip;
    HICON m_icon = nullptr;
    HICON m_hoverIcon = nullptr;
    int m_iconWidth = 0;
    int m_iconHeight = 0;
    CDC m_backgroundDC;
    CBitmap m_background;
    HGDIOBJ m_oldBitmap = nullptr;
    bool m_transparent = false;
    bool m_isDefault = false;
    bool m_isCheckBox = false;
    bool m_checked = false;
    COLORREF m_backgroundNormal;
    COLORREF m_backgroundHover;
    COLORREF m_textNormal;
    COLORREF m_textHover;
};
