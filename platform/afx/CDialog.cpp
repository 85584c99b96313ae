#include "afx/CDialog.h"
#include "afx/AfxResources.h"
#include <utility>
#include <vector>

namespace {
// The dialogs running modally on this thread, the innermost last.
thread_local std::vector<CDialog*> t_modalDialogs;

// Posted to a modal dialog for the dialog manager's loop to run the dialog's own.
UINT ModalLoopMessage()
{
    static const UINT message = ::RegisterWindowMessageA("KorvastModalLoop");
    return message;
}
}

class CDialog::ModalLoop {
public:
    explicit ModalLoop(CDialog* dialog) { t_modalDialogs.push_back(dialog); }
    ~ModalLoop() { t_modalDialogs.pop_back(); }
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;
};

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_MESSAGE(ModalLoopMessage(), RunModalLoop)
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
    m_modalLoopRan = false;
    m_modalLoopOwed = true;
    HookNextWindowCreation(this);
    INT_PTR result = ::DialogBoxIndirectParamA(resources, static_cast<LPCDLGTEMPLATEA>(::LockResource(loaded)),
                                               m_parent ? m_parent->m_hWnd : nullptr, &DialogProc, 0);
    UnhookWindowCreation();
    m_modalLoopOwed = false;
    return result;
}

// Every message reaches the object's window procedure before the dialog
// manager's; what the map leaves comes here and gets the default handling.
INT_PTR CALLBACK CDialog::DialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The dialog's own modal loop must run from the dialog manager's loop
// itself, not from a loop inside one of the dialog's handlers (a message box
// in OnInitDialog, a long insertion that dispatches messages): it returns
// only once the dialog is hidden, and would hold that handler until then. So
// its message is posted when a handler that the dialog manager's loop, or its
// creation, called has returned.
LRESULT CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    ++m_handlersRunning;
    LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    if (m_modalLoopOwed && m_handlersRunning == 1 && m_hWnd) {
        m_modalLoopOwed = false;
        ::PostMessageA(m_hWnd, ModalLoopMessage(), 0, 0);
    }
    --m_handlersRunning;
    return result;
}

// The modal dialog's own message loop, run from inside the dialog manager's:
// each message goes to the windows' PreTranslateMessage and the dialog's
// keyboard handling before it is dispatched, as in the dialog manager's loop
// with a message filter hook, but without the hook, which under Wine costs
// every message of the thread three more requests to the server. Only the
// dialog manager knows whether the dialog has ended and with what result, so
// once the dialog is hidden (ending it hides it) the loop hands back to it;
// a dialog that goes on comes back here through the posted message.
LRESULT CDialog::RunModalLoop(WPARAM, LPARAM)
{
    if (m_handlersRunning > 1) {
        m_modalLoopOwed = true;
        return 0;
    }
    HWND dialog = m_hWnd;
    // The dialog manager shows the dialog when its loop first finds no message.
    if (!std::exchange(m_modalLoopRan, true) && !::IsWindowVisible(dialog))
        ::ShowWindow(dialog, SW_SHOWNORMAL);
    MSG message;
    do {
        BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0)
                ::PostQuitMessage(static_cast<int>(message.wParam));
            return 0;
        }
        if (!PreTranslateModalMessage(&message) && !::IsDialogMessageA(dialog, &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    } while (::IsWindowVisible(dialog));
    m_modalLoopOwed = true;
    return 0;
}

// Messages of the innermost modal dialog's windows go to those windows'
// PreTranslateMessage, from the target up to the dialog. Message boxes and
// other dialogs the dialog owns run loops of their own and are left alone.
BOOL CDialog::PreTranslateModalMessage(MSG* message)
{
    if (t_modalDialogs.empty())
        return FALSE;
    HWND dialog = t_modalDialogs.back()->m_hWnd;
    bool inDialog = dialog && (message->hwnd == dialog || ::IsChild(dialog, message->hwnd));
    return inDialog && WalkPreTranslateTree(dialog, message);
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
