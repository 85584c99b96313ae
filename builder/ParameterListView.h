// The bottom right pane: the parameters of the current report in the
// parameter list box over the whole view.
#pragma once
#include "afx/CFormView.h"
#include "afx/CGdiObjects.h"
#include "builder/ParameterListBox.h"

class CReport;

class CParameterListView : public CFormView {
    DECLARE_DYNCREATE(CParameterListView)
public:
    CParameterListView();

    // Shows the report's parameters; null lets go of the shown report.
    void SetReport(CReport* report);
    CParameterListBox& GetListBox() { return m_listBox; }

protected:
    void OnInitialUpdate() override;
    BOOL OnEraseBkgnd(HDC dc);
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();

    DECLARE_MESSAGE_MAP()

private:
    void FitListBox();

    CParameterListBox m_listBox;
    CBrush m_background;
    CReport* m_report = nullptr;
    bool m_initialised = false;
};
