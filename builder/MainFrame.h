// The builder's main window: a toolbar in a rebar, a status bar, and two
// nested flat splitters holding the script tree (left), the report list (top
// right) and the parameter pane (bottom right).
#pragma once
#include "afx/CFrameWnd.h"
#include "afx/CReBar.h"
#include "afx/CStatusBar.h"
#include "afx/CToolBar.h"
#include "builder/FlatSplitterWnd.h"
#include "builder/ParameterListView.h"
#include "builder/ScriptListView.h"
#include "builder/ScriptTreeView.h"

class CMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)
public:
    BOOL PreCreateWindow(CREATESTRUCTA& createStruct) override;

    // The panes of the running program's main window; null before it has them.
    static CScriptTreeView* GetScriptTreeView();
    static CScriptListView* GetScriptListView();
    static CParameterListView* GetParameterListView();

protected:
    BOOL OnCreateClient(CREATESTRUCTA* createStruct, CCreateContext* context) override;
    int OnCreate(CREATESTRUCTA* createStruct);
    void OnExtendedHelp();
    void OnUpdateExtendedHelp(CCmdUI* item);

    DECLARE_MESSAGE_MAP()

private:
    static CMainFrame* Current();

    CFlatSplitterWnd m_outerSplitter;
    CFlatSplitterWnd m_innerSplitter;
    CStatusBar m_statusBar;
    CToolBar m_toolBar;
    CReBar m_reBar;
};
