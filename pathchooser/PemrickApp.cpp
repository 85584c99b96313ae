#include "pathchooser/PemrickApp.h"
#include "controlshell/BuildIdentification.h"
#include "pathchooser/PathChooser.h"

namespace {
const char kModuleName[] = "pemrick";

BEGIN_OBJECT_MAP(ObjectMap)
    OBJECT_ENTRY(CLSID_PathChooser, CPathChooser)
END_OBJECT_MAP()
}

CPemrickApp::CPemrickApp() : CControlLibraryApp(kModuleName, ObjectMap, LIBID_PEMRICKLib) {}

CPemrickApp theApp;

extern "C" int pemrick_print_verid()
{
    return PrintBuildIdentification(kModuleName);
}

// The same line for callers inside the library, into a buffer of the given size.
int pemrick_sprint_verid(char* buffer, size_t size)
{
    return FormatBuildIdentification(buffer, size, kModuleName);
}
