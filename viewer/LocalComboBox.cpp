#include "viewer/LocalComboBox.h"
#include "viewer/ReportViewerApp.h"

BEGIN_MESSAGE_MAP(CLocalComboBox, CComboBox)
    ON_WM_CREATE()
END_MESSAGE_MAP()

int CLocalComboBox::OnCreate(CREATESTRUCTA* create)
{
    int result = CComboBox::OnCreate(create);
    if (result != -1)
        SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(GetViewerApp().m_stockFontId)));
    return result;
}
