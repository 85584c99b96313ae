// libselvogu: help. The simulated product has no help files; it shows which
// topic was asked for, and logs the call.
#define LIBSELVOGU_BUILD
#include "libselvogu.h"
#include "productsim/simdata/SimLog.h"
#include <string>

int gu_help(HWND window, const char* topic, int command, int)
{
    std::string shown = topic != nullptr ? topic : "(contents)";
    CSimLog::Append("gu_help " + shown + " " + std::to_string(command));
    std::string text = "Korvast help, topic: " + shown;
    MessageBoxA(window, text.c_str(), "Korvast Help", MB_OK | MB_ICONINFORMATION);
    return 0;
}
