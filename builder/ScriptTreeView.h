// The left pane: the script folder tree over the whole view.
#pragma once
#include "afx/CFormView.h"
#include "afx/CGdiObjects.h"
#include "builder/ScriptTreeCtrl.h"

class CScriptTreeView : public CFormView {
    DECLARE_DYNCREATE(CScriptTreeView)
public:
    CScriptTreeView();

    // Rebuilds the tree from the scripts folder and selects that folder.
    void RefreshTree();
    CScriptTreeCtrl& GetTree() { return m_tree; }

protected:
    void OnInitialUpdate() override;
    BOOL OnEraseBkgnd(HDC dc);
    void OnSize(UINT type, int cx, int cy);
    void OnSelChanging(NMHDR* header, LRESULT* result);
    void OnSelChanged(NMHDR* header, LRESULT* result);

    DECLARE_MESSAGE_MAP()

private:
    void FitTree();

    CBrush m_background;
    CScriptTreeCtrl m_tree;
    bool m_initialised = false;
};
