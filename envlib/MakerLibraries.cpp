#include "envlib/MakerLibraries.h"

namespace {
bool kernelStarted = false;
}

void InitReportsLibrary()
{
    if (kernelStarted)
        return;
    kernelStarted = true;
    ks_system_init();
    // The maker's libraries name the program in their messages.
    imsg_set_app_name("reports");
}
