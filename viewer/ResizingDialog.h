// A dialog the user can resize: registered controls move or stretch with the
// right and bottom edges, a size grip sits in the bottom-right corner, the
// dialog never gets smaller than it was created, and its last size is kept in
// the application's profile for the next start.
#pragma once
#include "afx/CDialog.h"
#include <vector>

class CResizingDialog : public CDialog {
public:
    // Anchor flags of AddControl; a stretch flag wins over the move flag of its axis.
    enum {
        kMoveRight = 1,
        kMoveDown = 2,
        kStretchWidth = 4,
        kStretchHeight = 8,
    };

    CResizingDialog(UINT templateId, CWnd* parent = nullptr);

    void AddControl(UINT id, UINT flags);
    BOOL OnInitDialog() override;

protected:
    // The profile section of the saved size: the template id in lower-case hexadecimal.
    virtual void GetProfileSection(CString& section);

    int OnCreate(CREATESTRUCTA* create);
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    LRESULT OnNcHitTest(CPoint point);
    void OnGetMinMaxInfo(MINMAXINFO* info);
    void OnDestroy();

    int m_rememberSize = 1;
    int m_drawGrip = 1;

    DECLARE_MESSAGE_MAP()

private:
    void MoveAnchoredControls(int widthChange, int heightChange);
    static RECT GripSquare(const RECT& outer);

    SIZE m_minimumSize = {};
    SIZE m_lastClientSize = {};
    bool m_resized = false;
    std::vector<DWORD> m_anchors;
    RECT m_gripRect = {};
};
