// The top right pane: one row per self-describing script of the folder
// selected in the tree, showing its description. Selecting a row makes its
// script the current report; leaving a report whose parameters hold values
// asks first.
#pragma once
#include "afx/CFormView.h"
#include "afx/CGdiObjects.h"
#include "afx/CListCtrl.h"
#include "builder/FileInfoArray.h"

class CScriptListView : public CFormView {
    DECLARE_DYNCREATE(CScriptListView)
public:
    CScriptListView();

    // Refills the list from the listing (null: empty) and selects its first row.
    void FillReports(CFileInfoArray* listing);
    void SelectReport(int row);
    bool HasSelection() const;
    // A report's headers are being read; their error boxes have no owner, so
    // the main window takes clicks meanwhile and must not change reports.
    bool IsReading() const { return m_reading; }

protected:
    void OnInitialUpdate() override;
    BOOL OnEraseBkgnd(HDC dc);
    void OnSize(UINT type, int cx, int cy);
    void OnClick(NMHDR* header, LRESULT* result);
    void OnItemChanging(NMHDR* header, LRESULT* result);
    void OnItemChanged(NMHDR* header, LRESULT* result);
    LRESULT OnClearRefusal(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    static const UINT WM_CLEAR_REFUSAL = WM_APP + 1;

    void FitList();
    void SetRowSelected(int row);

    CListCtrl m_list;
    CBrush m_background;
    CRect m_listRect;
    bool m_initialised = false;
    int m_rowBeingLeft = -1;
    int m_lastSelectedRow = 0;
    bool m_refusalPending = false;
    bool m_reading = false;
};
