#include "afx/CView.h"
#include "afx/CFrameWnd.h"

IMPLEMENT_DYNAMIC_BASE(CView)

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_MOUSEACTIVATE()
END_MESSAGE_MAP()

namespace {
const char kViewClass[] = "AfxView";

void RegisterViewClass()
{
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = ::DefWindowProcA;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kViewClass;
    ::RegisterClassA(&windowClass);
}
}

BOOL CView::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id, CCreateContext* context)
{
    m_pDocument = context ? context->m_pCurrentDoc : nullptr;
    RegisterViewClass();
    return CreateEx(0, kViewClass, "", style, rect, parent->m_hWnd, id);
}

// A click into a view makes it the frame's active view.
int CView::OnMouseActivate(HWND, UINT, UINT)
{
    int result = static_cast<int>(Default());
    if (CFrameWnd* frame = GetParentFrame())
        frame->SetActiveView(this);
    return result;
}
