#include "viewer/ResultsListCtrl.h"
#include "viewer/ReportViewerDlg.h"
#include "viewer/Resource.h"
#include "afx/CDC.h"

namespace {
// Dispatching messages is a round trip to the window server, far dearer than a
// comparison, so a long insertion dispatches only this often.
const DWORD kDispatchIntervalMs = 10;
const COLORREF kEmptyTextColor = RGB(128, 128, 128);
const int kEmptyTextGap = 20;
}

BEGIN_MESSAGE_MAP(CResultsListCtrl, CListCtrl)
    ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, OnGetDispInfo)
    ON_MESSAGE(WM_ERASEBKGND, DrawEmptyListText)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnClick)
END_MESSAGE_MAP()

void CResultsListCtrl::PreSubclassWindow()
{
    m_header.SubclassWindow(GetHeaderCtrl());
    CListCtrl::PreSubclassWindow();
}

BOOL CResultsListCtrl::InsertRow(CFields* row)
{
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = FindInsertPosition(row);
    item.pszText = LPSTR_TEXTCALLBACKA;
    item.lParam = reinterpret_cast<LPARAM>(row);
    return InsertItem(&item) != -1;
}

int CResultsListCtrl::FindInsertPosition(const CFields* row)
{
    int count = GetItemCount();
    if (m_sortKeys.empty())
        return count;
    if (count == 0)
        return 0;
    SortInfo ascending = { &m_sortKeys, TRUE };
    LPARAM newRow = reinterpret_cast<LPARAM>(row);
    int low = 0;
    int high = count - 1;
    int middle = 0;
    while (low <= high) {
        middle = low + (high - low) / 2;
        int order = CompareRows(newRow, static_cast<LPARAM>(GetItemData(middle)), reinterpret_cast<LPARAM>(&ascending));
        if (!KeepResponsive())
            return 0;
        if (order >= 0)
            low = middle + 1;
        else
            high = middle - 1;
    }
    int order = CompareRows(newRow, static_cast<LPARAM>(GetItemData(middle)), reinterpret_cast<LPARAM>(&ascending));
    return order < 0 ? middle : middle + 1;
}

bool CResultsListCtrl::KeepResponsive()
{
    DWORD now = ::GetTickCount();
    if (now - m_lastDispatchTick < kDispatchIntervalMs)
        return true;
    m_lastDispatchTick = now;
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return true;
}

// Rows that the list no longer holds (a null row) sort before every row.
int CALLBACK CResultsListCtrl::CompareRows(LPARAM rowA, LPARAM rowB, LPARAM sortInfo)
{
    const CFields* a = reinterpret_cast<const CFields*>(rowA);
    const CFields* b = reinterpret_cast<const CFields*>(rowB);
    const SortInfo* info = reinterpret_cast<const SortInfo*>(sortInfo);
    if (!a || !b)
        return (a != nullptr) - (b != nullptr);
    int order = 0;
    for (int position = 1; order == 0 && position <= static_cast<int>(info->keys->size()); ++position) {
        auto key = info->keys->find(position);
        if (key == info->keys->end() || key->second >= a->GetCount())
            continue;
        const CField* fieldA = a->GetAt(key->second);
        const CField* fieldB = b->GetAt(key->second);
        if (fieldA && fieldB)
            order = fieldA->Compare(*fieldB);
    }
    return info->ascending ? order : -order;
}

BOOL CResultsListCtrl::SortRows(const SortKeys& keys, BOOL ascending)
{
    m_sortKeys = keys;
    if (GetItemCount() == 0 || m_sortKeys.empty())
        return TRUE;
    const CFields* firstRow = GetRow(0);
    if (m_sortKeys.size() == 1 && firstRow && (GetStyle() & LVS_TYPEMASK) == LVS_REPORT) {
        int column = firstRow->GetColumn(m_sortKeys.begin()->second);
        if (column >= 0)
            m_header.SetSortColumn(column, ascending);
    }
    SortInfo info = { &m_sortKeys, ascending };
    return SortItems(&CompareRows, reinterpret_cast<DWORD_PTR>(&info));
}

BOOL CResultsListCtrl::ResortRows()
{
    return SortRows(m_sortKeys, m_header.IsSortAscending());
}

void CResultsListCtrl::OnColumnClick(NMHDR* notify, LRESULT* result)
{
    *result = 0;
    const CFields* firstRow = GetItemCount() > 0 ? GetRow(0) : nullptr;
    if (!m_finished || !firstRow)
        return;
    int column = reinterpret_cast<NMLISTVIEW*>(notify)->iSubItem;
    BOOL ascending = column == m_header.GetSortColumn() ? !m_header.IsSortAscending() : TRUE;
    SortRows(SortKeys{ { 1, firstRow->FindFieldOfColumn(column) } }, ascending);
    if (CReportViewerDlg* dialog = dynamic_cast<CReportViewerDlg*>(GetParent()))
        dialog->SetSortOrderText(m_sortKeys);
}

void CResultsListCtrl::OnGetDispInfo(NMHDR* notify, LRESULT* result)
{
    *result = 0;
    LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(notify)->item;
    if (!(item.mask & LVIF_TEXT))
        return;
    m_displayPosition = (m_displayPosition + 1) % 3;
    CString& text = m_displayTexts[m_displayPosition];
    text = GetCellText(item.iItem, item.iSubItem);
    item.pszText = const_cast<char*>(text.GetString());
}

CString CResultsListCtrl::GetCellText(int item, int column) const
{
    const CFields* row = GetRow(item);
    const CField* field = row ? row->GetAt(row->FindFieldOfColumn(column)) : nullptr;
    return field ? field->GetValueText() : CString();
}

LRESULT CResultsListCtrl::DrawEmptyListText(WPARAM dcHandle, LPARAM)
{
    if (!m_finished || GetItemCount() > 0)
        return Default();
    Default();
    CRect area;
    GetClientRect(&area);
    CRect firstHeading;
    m_header.GetItemRect(0, &firstHeading);
    area.top += firstHeading.bottom + kEmptyTextGap;

    CDC dc;
    dc.Attach(reinterpret_cast<HDC>(dcHandle));
    dc.FillSolidRect(area, ::GetSysColor(COLOR_WINDOW));
    dc.SetTextColor(kEmptyTextColor);
    dc.SetBkColor(::GetSysColor(COLOR_WINDOW));
    HGDIOBJ previousFont = dc.SelectStockObject(ANSI_VAR_FONT);
    dc.DrawText(EmptyListText(), &area, DT_CENTER | DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX);
    dc.SelectObject(previousFont);
    dc.Detach();
    // Erased: a list view told otherwise fills its background again when it paints.
    return TRUE;
}

CString CResultsListCtrl::EmptyListText() const
{
    CString text;
    text.LoadString(m_filtered ? IDS_NO_MATCHING_ROWS : IDS_NO_RECORDS);
    if (m_errorsReported) {
        CString note;
        note.LoadString(IDS_ERRORS_REPORTED);
        text += "\r\n" + note;
    }
    return text;
}
