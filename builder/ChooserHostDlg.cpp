#include "builder/ChooserHostDlg.h"
#include "afx/CWinApp.h"
#include "afx/FrameworkIds.h"

CChooserHostDlg::CChooserHostDlg(UINT templateId, CWnd* parent, const char* controlName)
    : CTopicHelpDialog(templateId, parent), m_controlName(controlName)
{
}

INT_PTR CChooserHostDlg::DoModal()
{
    m_failureShown = false;
    INT_PTR result = CTopicHelpDialog::DoModal();
    if (result == -1 && !m_failureShown)
        ShowFailure("The " + CString(m_controlName) + " could not be opened.");
    return result;
}

bool CChooserHostDlg::Succeeded(HRESULT result, const char* step)
{
    if (SUCCEEDED(result))
        return true;
    CString what;
    what.Format("The %s failed to %s (error 0x%08lX).", m_controlName, step, static_cast<unsigned long>(result));
    ShowFailure(what);
    EndDialog(IDCANCEL);
    return false;
}

void CChooserHostDlg::ShowFailure(const CString& what)
{
    m_failureShown = true;
    CWnd* mainWindow = AfxGetApp()->m_pMainWnd;
    HWND owner = m_hWnd ? m_hWnd : (mainWindow ? mainWindow->m_hWnd : nullptr);
    ::MessageBoxA(owner, what + "\nThe value is unchanged.", LoadText(AFX_IDS_APP_TITLE), MB_OK | MB_ICONEXCLAMATION);
}
