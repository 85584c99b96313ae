#include "builder/TopicHelpDialog.h"
#include "afx/FrameworkIds.h"
#include "libselvogu.h"

BEGIN_MESSAGE_MAP(CTopicHelpDialog, CDialog)
    ON_MESSAGE(WM_COMMANDHELP, OnCommandHelp)
END_MESSAGE_MAP()

void CTopicHelpDialog::WinHelp(DWORD_PTR, UINT)
{
    gu_help(nullptr, GetHelpTopic(), 1, 0);
}

LRESULT CTopicHelpDialog::OnCommandHelp(WPARAM, LPARAM)
{
    WinHelp(0);
    return TRUE;
}
