// Entry point of Tovenar, the report viewer.
#include "viewer/ReportViewerApp.h"

CReportViewerApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return AfxWinMain(instance);
}
