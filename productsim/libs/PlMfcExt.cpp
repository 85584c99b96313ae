// plmfcext: extended help, offered as the data file says.
#define PLMFCEXT_BUILD
#include "plmfcext.h"
#include "productsim/simdata/SimDataSource.h"
#include "productsim/simdata/SimLog.h"
#include <string>

namespace plfx {

BOOL ExtendedHelpIsSupported()
{
    std::string problem;
    auto data = CSimDataSource::Current(problem);
    return data != nullptr && data->extendedHelp;
}

void ExtendedHelpInvoke(const char* product)
{
    std::string name = product != nullptr ? product : "";
    CSimLog::Append("ExtendedHelpInvoke " + name);
    std::string text = "Korvast extended help for " + name;
    MessageBoxA(nullptr, text.c_str(), "Korvast Help", MB_OK | MB_ICONINFORMATION);
}

}
