#include "afx/CFormView.h"
#include "afx/AfxResources.h"

IMPLEMENT_DYNAMIC(CFormView, CView)

BOOL CFormView::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id, CCreateContext* context)
{
    m_pDocument = context ? context->m_pCurrentDoc : nullptr;
    HINSTANCE resources = AfxGetResourceHandle();
    HRSRC found = ::FindResourceA(resources, MAKEINTRESOURCEA(m_templateId), RT_DIALOG);
    HGLOBAL loaded = found ? ::LoadResource(resources, found) : nullptr;
    if (!loaded)
        return FALSE;
    HookNextWindowCreation(this);
    HWND window = ::CreateDialogIndirectParamA(resources, static_cast<LPCDLGTEMPLATEA>(::LockResource(loaded)),
                                               parent->m_hWnd, &DialogProc, 0);
    UnhookWindowCreation();
    if (!window)
        return FALSE;
    ModifyStyle(WS_POPUP | WS_CAPTION | WS_THICKFRAME, WS_CHILD | (style & (WS_VISIBLE | WS_BORDER)));
    SetDlgCtrlID(static_cast<int>(id));
    MoveWindow(rect);
    ShowWindow((style & WS_VISIBLE) ? SW_SHOWNOACTIVATE : SW_HIDE);
    return TRUE;
}
