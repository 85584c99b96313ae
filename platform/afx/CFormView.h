// A view whose window is a child dialog made from a template; its controls
// notify the view.
#pragma once
#include "afx/CView.h"

class CFormView : public CView {
    DECLARE_DYNAMIC(CFormView)
public:
    explicit CFormView(UINT templateId) : m_templateId(templateId) {}

    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id, CCreateContext* context) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

    UINT m_templateId;
};
