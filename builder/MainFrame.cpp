#include <cstdio>
#include "builder/MainFrame.h"
#include "afx/FrameworkIds.h"
#include "builder/Resource.h"
#include "builder/WizardApp.h"
#include "plmfcext.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_HELP_FINDER, OnHelpFinder)
    ON_COMMAND(ID_HELP, OnHelp)
    ON_COMMAND(ID_DEFAULT_HELP, OnHelpFinder)
    ON_COMMAND(ID_EXTENDED_HELP, OnExtendedHelp)
    ON_UPDATE_COMMAND_UI(ID_EXTENDED_HELP, OnUpdateExtendedHelp)
END_MESSAGE_MAP()

namespace {
const int kTreeWidth = 175;
const int kPaneHeight = 200;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCTA& createStruct)
{
    return CFrameWnd::PreCreateWindow(createStruct);
}

int CMainFrame::OnCreate(CREATESTRUCTA* createStruct)
{
    if (CFrameWnd::OnCreate(createStruct) == -1)
        return -1;
    if (!m_toolBar.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CCS_TOP, AFX_IDW_TOOLBAR) ||
        !m_toolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;
    if (!m_reBar.Create(this, RBS_BANDBORDERS, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CCS_TOP,
                        AFX_IDW_REBAR) ||
        !m_reBar.AddBar(&m_toolBar, RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP))
        return -1;
    if (!m_statusBar.Create(this, WS_CHILD | WS_VISIBLE, AFX_IDW_STATUS_BAR))
        return -1;
    return 0;
}

BOOL CMainFrame::OnCreateClient(CREATESTRUCTA*, CCreateContext* context)
{
    if (!m_outerSplitter.CreateStatic(this, 1, 2, WS_CHILD | WS_VISIBLE, AFX_IDW_PANE_FIRST))
        return FALSE;
    const bool created =
        m_outerSplitter.CreateView(0, 0, RUNTIME_CLASS(CScriptTreeView), SIZE{ kTreeWidth, 0 }, context) &&
        m_innerSplitter.CreateStatic(&m_outerSplitter, 2, 1, WS_CHILD | WS_VISIBLE, m_outerSplitter.IdFromRowCol(0, 1)) &&
        m_innerSplitter.CreateView(0, 0, RUNTIME_CLASS(CScriptListView), SIZE{ 0, kPaneHeight }, context) &&
        m_innerSplitter.CreateView(1, 0, RUNTIME_CLASS(CParameterListView), SIZE{ 0, kPaneHeight }, context);
    if (!created)
        m_outerSplitter.DestroyWindow();
    return created;
}

CMainFrame* CMainFrame::Current()
{
    CWinApp* application = AfxGetApp();
    return application ? dynamic_cast<CMainFrame*>(application->m_pMainWnd) : nullptr;
}

CScriptTreeView* CMainFrame::GetScriptTreeView()
{
    CMainFrame* frame = Current();
    return frame ? dynamic_cast<CScriptTreeView*>(frame->m_outerSplitter.GetPane(0, 0)) : nullptr;
}

CScriptListView* CMainFrame::GetScriptListView()
{
    CMainFrame* frame = Current();
    return frame ? dynamic_cast<CScriptListView*>(frame->m_innerSplitter.GetPane(0, 0)) : nullptr;
}

CParameterListView* CMainFrame::GetParameterListView()
{
    CMainFrame* frame = Current();
    return frame ? dynamic_cast<CParameterListView*>(frame->m_innerSplitter.GetPane(1, 0)) : nullptr;
}

void CMainFrame::OnExtendedHelp()
{
    plfx::ExtendedHelpInvoke("Report Builder");
}

void CMainFrame::OnUpdateExtendedHelp(CCmdUI* item)
{
    item->Enable(CWizardApp::GetApp()->IsExtendedHelpSupported());
}
