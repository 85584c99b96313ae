#include "typechooser/SorvaneApp.h"
#include "controlshell/BuildIdentification.h"
#include "typechooser/SingleTypeChooser.h"

namespace {
const char kModuleName[] = "sorvane";

BEGIN_OBJECT_MAP(ObjectMap)
    OBJECT_ENTRY(CLSID_SingleTypeChooser, CSingleTypeChooser)
END_OBJECT_MAP()
}

CSorvaneApp::CSorvaneApp() : CControlLibraryApp(kModuleName, ObjectMap, LIBID_SORVANELib) {}

CSorvaneApp theApp;

extern "C" int sorvane_print_verid()
{
    return PrintBuildIdentification(kModuleName);
}

// The same line for callers inside the library, into a buffer of the given size.
int sorvane_sprint_verid(char* buffer, size_t size)
{
    return FormatBuildIdentification(buffer, size, kModuleName);
}
