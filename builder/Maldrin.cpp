// Entry point of Maldrin, the report builder.
#include "builder/WizardApp.h"

CWizardApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return AfxWinMain(instance);
}
