#include "afx/CDialog.h"
#include "afx/AfxResources.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_parent(parent) {}

INT_PTR CDialog::DoModal()
{
    HINSTANCE resources = AfxGetResourceHandle();
    HRSRC found = ::FindResourceA(resources, MAKEINTRESOURCEA(m_templateId), RT_DIALOG);
    HGLOBAL loaded = found ? ::LoadResource(resources, found) : nullptr;
    if (!loaded)
        return -1;
    HookNextWindowCreation(this);
    INT_PTR result = ::DialogBoxIndirectParamA(resources, static_cast<LPCDLGTEMPLATEA>(::LockResource(loaded)),
                                               m_parent ? m_parent->m_hWnd : nullptr, &DialogProc, 0);
    UnhookWindowCreation();
    return result;
}

// Every message reaches the object's window procedure before the dialog
// manager's; what the map leaves comes here and gets the default handling.
INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}
