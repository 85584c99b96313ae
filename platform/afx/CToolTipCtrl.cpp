#include "afx/CToolTipCtrl.h"
#include "afx/AfxResources.h"

namespace {
// Tool infos without the fields of newer common controls, which an older
// comctl32 refuses.
const UINT kToolInfoSize = TTTOOLINFOA_V2_SIZE;
}

BOOL CToolTipCtrl::Create(CWnd* owner)
{
    HWND window = ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, owner->m_hWnd, nullptr, AfxGetInstanceHandle(), nullptr);
    return window && SubclassWindow(window);
}

TTTOOLINFOA CToolTipCtrl::ToolInfo(CWnd* window, UINT_PTR id, const char* text)
{
    TTTOOLINFOA tool = {};
    tool.cbSize = kToolInfoSize;
    tool.hwnd = window->m_hWnd;
    tool.uId = id;
    tool.lpszText = const_cast<char*>(text);
    return tool;
}

BOOL CToolTipCtrl::AddTool(CWnd* window, const char* text, const RECT* rect, UINT_PTR id)
{
    TTTOOLINFOA tool = ToolInfo(window, id, text);
    if (rect)
        tool.rect = *rect;
    else
        window->GetClientRect(&tool.rect);
    return static_cast<BOOL>(SendMessage(TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)));
}

void CToolTipCtrl::UpdateTipText(const char* text, CWnd* window, UINT_PTR id)
{
    TTTOOLINFOA tool = ToolInfo(window, id, text);
    SendMessage(TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}
