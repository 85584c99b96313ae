#include "builder/ChooserHostDlg.h"
#include "afx/CWinApp.h"
#include "afx/FrameworkIds.h"
#include "builder/DialogInitData.h"
#include "builder/Resource.h"

CChooserHostDlg::CChooserHostDlg(UINT templateId, CWnd* parent, UINT controlNameId)
    : CTopicHelpDialog(templateId, parent), m_templateId(templateId), m_controlName(LoadText(controlNameId))
{
}

// A control that is not there fails the property calls that follow, which say so.
void CChooserHostDlg::ApplyStoredExtent(int controlId, const COleControlWnd& control) const
{
    SIZEL extent = {};
    if (FindStoredExtent(m_templateId, controlId, extent))
        control.SetExtent(extent);
}

INT_PTR CChooserHostDlg::DoModal()
{
    m_failureShown = false;
    INT_PTR result = CTopicHelpDialog::DoModal();
    if (result == -1 && !m_failureShown) {
        CString what;
        what.Format(LoadText(IDS_CHOOSER_NOT_OPENED), m_controlName.GetString());
        ShowFailure(what);
    }
    return result;
}

bool CChooserHostDlg::Succeeded(HRESULT result, UINT stepId)
{
    if (SUCCEEDED(result))
        return true;
    CString what;
    what.Format(LoadText(IDS_CHOOSER_CALL_FAILED), m_controlName.GetString(), LoadText(stepId).GetString(),
                static_cast<unsigned long>(result));
    ShowFailure(what);
    EndDialog(IDCANCEL);
    return false;
}

void CChooserHostDlg::ShowFailure(const CString& what)
{
    m_failureShown = true;
    CWnd* mainWindow = AfxGetApp()->m_pMainWnd;
    HWND owner = m_hWnd ? m_hWnd : (mainWindow ? mainWindow->m_hWnd : nullptr);
    ::MessageBoxA(owner, what, LoadText(AFX_IDS_APP_TITLE), MB_OK | MB_ICONEXCLAMATION);
}
