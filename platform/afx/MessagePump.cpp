#include "afx/MessagePump.h"
#include "afx/CDialog.h"
#include "afx/CWinApp.h"

BOOL AfxPreTranslateMessage(MSG* message)
{
    if (CDialog::IsAnyRunningModally())
        return CDialog::PreTranslateModalMessage(message);
    CWinApp* application = AfxGetApp();
    return message->hwnd && application && application->PreTranslateMessage(message);
}

bool AfxPumpWaitingMessages()
{
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (!AfxPreTranslateMessage(&message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
    return true;
}
