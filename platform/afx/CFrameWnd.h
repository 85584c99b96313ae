// The main window of a single-document program: menu, accelerators, control
// bars along its edges and the client pane (id AFX_IDW_PANE_FIRST) in what
// remains. It routes commands to the active view, itself, then the
// application, and keeps the command items' states and the status prompt up
// to date while the program is idle.
#pragma once
#include "afx/CDocument.h"
#include "afx/CView.h"
#include <commctrl.h>

class CFrameWnd : public CWnd {
    DECLARE_DYNAMIC_BASE(CFrameWnd)
public:
    // Menu, accelerators, icon and title (the first part of the string) share the resource id.
    virtual BOOL LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context);
    virtual BOOL PreCreateWindow(CREATESTRUCTA&) { return TRUE; }
    // Sends every view below the frame its first update.
    void InitialUpdateFrame();

    CView* GetActiveView() const { return m_activeView; }
    void SetActiveView(CView* view) { m_activeView = view; }
    virtual void RecalcLayout();

    bool OnCmdMsg(UINT id, CCmdUI* update) override;
    BOOL PreTranslateMessage(MSG* message) override;
    // Idle work: the toolbar buttons' states and, outside menus, the idle prompt.
    void OnIdleUpdate();
    void SetMessageText(const char* text);

protected:
    virtual BOOL OnCreateClient(CREATESTRUCTA* createStruct, CCreateContext* context);
    int OnCreate(CREATESTRUCTA* createStruct);
    void OnSize(UINT type, int cx, int cy);
    void OnInitMenuPopup(HMENU menu, UINT index, BOOL systemMenu);
    void OnMenuSelect(UINT id, UINT flags, HMENU menu);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnToolTipText(NMTTDISPINFOA* info);
    LRESULT OnExitMenuLoop(WPARAM, LPARAM);
    // The framework's help commands: the application's help, on the contents or the context.
    void OnHelp();
    void OnHelpFinder();
    void PostNcDestroy() override;

    DECLARE_MESSAGE_MAP()

private:
    // Commands of menus, accelerators and the toolbar; not of other controls.
    static bool IsRoutedCommand(HWND source);
    // A window below the frame, at any depth, by id.
    HWND FindDescendant(int id) const;
    void UpdateCommandUI(CCmdUI& item);
    void ShowPrompt(UINT id);

    HACCEL m_accelerators = nullptr;
    CView* m_activeView = nullptr;
    bool m_inMenu = false;
    UINT m_shownPrompt = 0;
};
