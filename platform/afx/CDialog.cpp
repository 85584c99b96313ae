#include "afx/CDialog.h"
#include "afx/AfxResources.h"
#include <vector>

namespace {
// The dialogs running modally on this thread, the innermost last, and the
// message filter that serves them.
thread_local std::vector<CDialog*> t_modalDialogs;
thread_local HHOOK t_modalFilter = nullptr;
}

// The dialog manager's modal loop hands each message to the thread's message
// filter (MSGF_DIALOGBOX) before it handles it; the filter is set while any
// dialog runs modally.
class CDialog::ModalLoop {
public:
    explicit ModalLoop(CDialog* dialog)
    {
        t_modalDialogs.push_back(dialog);
        if (!t_modalFilter)
            t_modalFilter = ::SetWindowsHookExA(WH_MSGFILTER, &FilterModalMessage, nullptr, ::GetCurrentThreadId());
    }
    ~ModalLoop()
    {
        t_modalDialogs.pop_back();
        if (t_modalDialogs.empty() && t_modalFilter) {
            ::UnhookWindowsHookEx(t_modalFilter);
            t_modalFilter = nullptr;
        }
    }
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;
};

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
    ModalLoop loop(this);
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

// Messages of the innermost modal dialog's windows go to those windows'
// PreTranslateMessage, from the target up to the dialog; one that is handled
// there is not dispatched. Message boxes and other dialogs the dialog owns run
// loops of their own and are left alone.
LRESULT CALLBACK CDialog::FilterModalMessage(int code, WPARAM wParam, LPARAM lParam)
{
    MSG* message = reinterpret_cast<MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && !t_modalDialogs.empty()) {
        HWND dialog = t_modalDialogs.back()->m_hWnd;
        bool inDialog = dialog && (message->hwnd == dialog || ::IsChild(dialog, message->hwnd));
        if (inDialog && WalkPreTranslateTree(dialog, message))
            return TRUE;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

bool CDialog::IsAnyRunningModally()
{
    return !t_modalDialogs.empty();
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
