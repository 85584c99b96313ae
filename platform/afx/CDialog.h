// Dialog boxes from a template of the resource module. The dialog's window
// belongs to the object from its first message on, so WM_CREATE and the
// creation size reach the message map too. While a dialog runs modally, its
// windows get PreTranslateMessage for the messages of its loop, as windows do
// in the application's loop.
#pragma once
#include "afx/CWnd.h"

#ifndef ID_HELP
#define ID_HELP 0xE146
#endif

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    virtual INT_PTR DoModal();
    void EndDialog(int result) { ::EndDialog(m_hWnd, result); }
    UINT GetTemplateId() const { return m_templateId; }

    virtual BOOL OnInitDialog();
    // Whether a dialog runs modally on the calling thread.
    static bool IsAnyRunningModally();
    // Offers a message of the innermost modal dialog's windows to their
    // PreTranslateMessage; true when one of them handled it.
    static BOOL PreTranslateModalMessage(MSG* message);

protected:
    virtual void OnOK();
    virtual void OnCancel();
    void OnHelp() { WinHelp(0); }

    DECLARE_MESSAGE_MAP()

private:
    LRESULT HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT RunModalLoop(WPARAM, LPARAM);
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);
    class ModalLoop;

    UINT m_templateId;
    CWnd* m_parent;
    // The dialog's handlers on the stack, the innermost included.
    int m_handlersRunning = 0;
    // The dialog's own modal loop is to be posted, and has run.
    bool m_modalLoopOwed = false;
    bool m_modalLoopRan = false;
};
