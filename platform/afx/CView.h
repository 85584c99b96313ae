// A child window that shows a document inside a frame or a splitter pane.
// Views delete themselves when their window is destroyed.
#pragma once
#include "afx/CDocument.h"
#include "afx/CWnd.h"

class CView : public CWnd {
    DECLARE_DYNAMIC_BASE(CView)
public:
    // Creates the view's window as a child with the given id.
    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id, CCreateContext* context);
    virtual void OnInitialUpdate() {}
    CDocument* GetDocument() const { return m_pDocument; }
    bool IsKindOf(const CRuntimeClass* kind) const { return GetRuntimeClass()->IsDerivedFrom(kind); }

protected:
    void PostNcDestroy() override { delete this; }
    int OnMouseActivate(HWND topLevel, UINT hitTest, UINT message);

    DECLARE_MESSAGE_MAP()

    CDocument* m_pDocument = nullptr;
};
