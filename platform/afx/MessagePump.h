// Dispatching the thread's waiting messages in the middle of a long piece of
// work, the way the application's and the modal dialogs' own loops do: each
// message is first offered to the windows' PreTranslateMessage.
#pragma once
#include <windows.h>

// The innermost modal dialog's windows when a dialog runs modally on this
// thread, otherwise the application's windows, from the target up to the
// main window. True when one of them handled the message.
BOOL AfxPreTranslateMessage(MSG* message);

// Dispatches every waiting message; false after a WM_QUIT, which is posted
// again for the loop outside.
bool AfxPumpWaitingMessages();
