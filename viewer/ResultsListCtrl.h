// The list of result rows. Each item stands for one row (a CFields the dialog
// owns); cell texts are produced from the row when the list asks for them.
// The list keeps itself sorted by its sort keys while rows arrive, sorts again
// on a heading click, and explains itself in grey when it is empty.
// The list view is an owner-data one (LVS_OWNERDATA): the rows of its items are
// kept here in item order. A list view that keeps its own
// items costs over 600 bytes an item under Wine and frees them in quadratic
// time, longer than the rows themselves take.
#pragma once
#include "viewer/SortedHeaderCtrl.h"
#include "reportmodel/Fields.h"
#include "afx/CListCtrl.h"
#include <map>
#include <vector>

// Sort position (1 = first key) to field index.
typedef std::map<int, int> SortKeys;

class CResultsListCtrl : public CListCtrl {
public:
    BOOL InsertRow(CFields* row);
    BOOL DeleteAllItems();
    int FindInsertPosition(const CFields* row);
    BOOL SortRows(const SortKeys& keys, BOOL ascending);
    BOOL ResortRows();
    CString GetCellText(int item, int column) const;
    // The row of an item; null when the item has none.
    CFields* GetRow(int item) const;

    struct SortInfo {
        const SortKeys* keys;
        BOOL ascending;
    };
    static int CALLBACK CompareRows(LPARAM rowA, LPARAM rowB, LPARAM sortInfo);

    void SetSortKeys(const SortKeys& keys) { m_sortKeys = keys; }
    const SortKeys& GetSortKeys() const { return m_sortKeys; }
    void SetFinished(bool finished) { m_finished = finished; }
    void SetErrorsReported(bool reported) { m_errorsReported = reported; }
    void SetFiltered(bool filtered) { m_filtered = filtered; }
    CSortedHeaderCtrl& GetSortedHeader() { return m_header; }

protected:
    void PreSubclassWindow() override;
    void OnGetDispInfo(NMHDR* notify, LRESULT* result);
    void OnColumnClick(NMHDR* notify, LRESULT* result);
    void OnFindItem(NMHDR* notify, LRESULT* result);
    void OnFindItemWide(NMHDR* notify, LRESULT* result);
    LRESULT DrawEmptyListText(WPARAM dc, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    // Dispatches the thread's waiting messages when some milliseconds have passed
    // since the last time; false when WM_QUIT came (it is posted again).
    bool KeepResponsive();
    CString EmptyListText() const;
    // The item whose first column's text `text` finds (LVFI_ flags), from `start`; -1 when none.
    int FindItemByText(UINT flags, const char* text, int start) const;
    void ReplaceByOwnerDataList();
    // Items selected at or after `item` move one down, with their rows.
    void ShiftSelection(int item);
    std::vector<CFields*> SelectedRows() const;
    void SelectRows(const std::vector<CFields*>& rows);
    int ItemCount() const { return static_cast<int>(m_rows.size()); }

    CString m_displayTexts[3];
    int m_displayPosition = 0;
    bool m_finished = false;
    bool m_errorsReported = false;
    bool m_filtered = false;
    CSortedHeaderCtrl m_header;
    SortKeys m_sortKeys;
    std::vector<CFields*> m_rows;
    DWORD m_lastDispatchTick = 0;
};
