// kvcmndlg: the product's About box.
#define KVCMNDLG_BUILD
#include "kvcmndlg.h"
#include "productsim/simdata/SimLog.h"
#include <string>

int kvAboutBoxOp(const char* applicationName, HWND window, HICON icon, int)
{
    std::string name = applicationName != nullptr ? applicationName : "";
    CSimLog::Append("kvAboutBoxOp " + name + (icon != nullptr ? " icon" : " no-icon"));
    std::string text = name + "\n\nKorvast 8.0 (simulated installation)";
    std::string caption = "About " + name;
    MessageBoxA(window, text.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
    return 0;
}
