#include "MakerLibraries.h"

namespace {
FARPROC FindFunction(const char* library, const char* function)
{
    HMODULE module = ::LoadLibraryA(library);
    return module ? ::GetProcAddress(module, function) : nullptr;
}

template <typename Function>
Function Find(const char* library, const char* function)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(FindFunction(library, function)));
}
}

namespace MakerLibraries {
void DisableLongPath()
{
    typedef int (*DisableLongPathFunction)();
    if (auto disable = Find<DisableLongPathFunction>("libselvoks.dll", "ks_disable_long_path"))
        disable();
}

HINSTANCE LoadResourceLibrary(HINSTANCE program)
{
    typedef HINSTANCE (*LoadResourceDllFunction)(HINSTANCE, int);
    auto load = Find<LoadResourceDllFunction>("libselvont.dll", "nt_load_resource_dll");
    return load ? load(program, 0) : nullptr;
}

void ShowHelpTopic(const char* topic)
{
    typedef int (*HelpFunction)(int, const char*, int, int);
    if (auto help = Find<HelpFunction>("libselvogu.dll", "gu_help"))
        help(0, topic, 1, 0);
}
}
