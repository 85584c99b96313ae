#include "viewer/ResultsListCtrl.h"
#include "viewer/ReportViewerDlg.h"
#include "viewer/Resource.h"
#include "afx/CDC.h"
#include "afx/MessagePump.h"
#include <comutil.h>
#include <algorithm>
#include <unordered_set>

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
    ON_NOTIFY_REFLECT(LVN_ODFINDITEMA, OnFindItem)
    ON_NOTIFY_REFLECT(LVN_ODFINDITEMW, OnFindItemWide)
END_MESSAGE_MAP()

void CResultsListCtrl::PreSubclassWindow()
{
    if (!(GetStyle() & LVS_OWNERDATA))
        ReplaceByOwnerDataList();
    m_header.SubclassWindow(GetHeaderCtrl());
    CListCtrl::PreSubclassWindow();
}

// A template without LVS_OWNERDATA (a localized resource library of an older
// build) gets an owner-data list in its list's place: a list view cannot take
// on that style once it exists.
void CResultsListCtrl::ReplaceByOwnerDataList()
{
    HWND old = m_hWnd;
    HWND parent = ::GetParent(old);
    RECT place;
    ::GetWindowRect(old, &place);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    HWND list = ::CreateWindowExA(static_cast<DWORD>(::GetWindowLongA(old, GWL_EXSTYLE)), WC_LISTVIEWA, "",
                                  GetStyle() | LVS_OWNERDATA, place.left, place.top, place.right - place.left,
                                  place.bottom - place.top, parent, reinterpret_cast<HMENU>(::GetDlgCtrlID(old)),
                                  reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(old, GWLP_HINSTANCE)), nullptr);
    if (!list)
        return;
    ::SendMessageA(list, WM_SETFONT, ::SendMessageA(old, WM_GETFONT, 0, 0), FALSE);
    ::SetWindowPos(list, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Detach();
    ::DestroyWindow(old);
    Attach(list);
}

BOOL CResultsListCtrl::InsertRow(CFields* row)
{
    const int item = FindInsertPosition(row);
    m_rows.insert(m_rows.begin() + item, row);
    if (!SetItemCountEx(ItemCount(), LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL))
        return FALSE;
    ShiftSelection(item);
    return TRUE;
}

BOOL CResultsListCtrl::DeleteAllItems()
{
    m_rows.clear();
    return CListCtrl::DeleteAllItems();
}

CFields* CResultsListCtrl::GetRow(int item) const
{
    return item >= 0 && item < ItemCount() ? m_rows[item] : nullptr;
}

// An owner-data list view keeps its selection by item number, not with the row.
void CResultsListCtrl::ShiftSelection(int item)
{
    if (GetSelectedCount() == 0)
        return;
    std::vector<int> selected;
    for (int next = GetNextItem(item - 1, LVNI_SELECTED); next >= 0 && next < ItemCount() - 1;
         next = GetNextItem(next, LVNI_SELECTED))
        selected.push_back(next);
    for (auto moved = selected.rbegin(); moved != selected.rend(); ++moved) {
        SetItemState(*moved, 0, LVIS_SELECTED);
        SetItemState(*moved + 1, LVIS_SELECTED, LVIS_SELECTED);
    }
}

std::vector<CFields*> CResultsListCtrl::SelectedRows() const
{
    std::vector<CFields*> rows;
    if (GetSelectedCount() == 0)
        return rows;
    for (int item = GetNextItem(-1, LVNI_SELECTED); item >= 0; item = GetNextItem(item, LVNI_SELECTED))
        rows.push_back(GetRow(item));
    return rows;
}

void CResultsListCtrl::SelectRows(const std::vector<CFields*>& rows)
{
    if (rows.empty())
        return;
    SetItemState(-1, 0, LVIS_SELECTED);
    const std::unordered_set<CFields*> wanted(rows.begin(), rows.end());
    for (int item = 0; item < ItemCount(); ++item)
        if (wanted.count(m_rows[item]))
            SetItemState(item, LVIS_SELECTED, LVIS_SELECTED);
}

int CResultsListCtrl::FindInsertPosition(const CFields* row)
{
    int count = ItemCount();
    if (m_sortKeys.empty())
        return count;
    if (count == 0)
        return 0;
    SortInfo ascending = { &m_sortKeys, TRUE };
    LPARAM newRow = reinterpret_cast<LPARAM>(row);
    // Reports mostly print their rows in key order: such a row goes last
    // without a search (unless the messages changed the list meanwhile).
    if (CompareRows(newRow, reinterpret_cast<LPARAM>(m_rows.back()), reinterpret_cast<LPARAM>(&ascending)) >= 0)
        return KeepResponsive() ? ItemCount() : 0;
    int low = 0;
    int high = count - 1;
    int middle = 0;
    while (low <= high) {
        middle = low + (high - low) / 2;
        int order = CompareRows(newRow, reinterpret_cast<LPARAM>(m_rows[middle]), reinterpret_cast<LPARAM>(&ascending));
        if (!KeepResponsive())
            return 0;
        // A handler run by the messages changed the list: the search is void.
        if (ItemCount() != count)
            return ItemCount();
        if (order >= 0)
            low = middle + 1;
        else
            high = middle - 1;
    }
    int order = CompareRows(newRow, reinterpret_cast<LPARAM>(m_rows[middle]), reinterpret_cast<LPARAM>(&ascending));
    return order < 0 ? middle : middle + 1;
}

bool CResultsListCtrl::KeepResponsive()
{
    DWORD now = ::GetTickCount();
    if (now - m_lastDispatchTick < kDispatchIntervalMs)
        return true;
    m_lastDispatchTick = now;
    return AfxPumpWaitingMessages();
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
    if (ItemCount() == 0 || m_sortKeys.empty())
        return TRUE;
    const CFields* firstRow = GetRow(0);
    if (m_sortKeys.size() == 1 && firstRow && (GetStyle() & LVS_TYPEMASK) == LVS_REPORT) {
        int column = firstRow->GetColumn(m_sortKeys.begin()->second);
        if (column >= 0)
            m_header.SetSortColumn(column, ascending);
    }
    const std::vector<CFields*> selected = SelectedRows();
    SortInfo info = { &m_sortKeys, ascending };
    std::stable_sort(m_rows.begin(), m_rows.end(), [&info](const CFields* a, const CFields* b) {
        return CompareRows(reinterpret_cast<LPARAM>(a), reinterpret_cast<LPARAM>(b), reinterpret_cast<LPARAM>(&info)) < 0;
    });
    SelectRows(selected);
    Invalidate();
    return TRUE;
}

BOOL CResultsListCtrl::ResortRows()
{
    return SortRows(m_sortKeys, m_header.IsSortAscending());
}

void CResultsListCtrl::OnColumnClick(NMHDR* notify, LRESULT* result)
{
    *result = 0;
    const CFields* firstRow = GetRow(0);
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

// Typing in the list finds the next row whose first column begins with what
// was typed; the list view asks for it because it holds no texts of its own.
void CResultsListCtrl::OnFindItem(NMHDR* notify, LRESULT* result)
{
    const NMLVFINDITEMA* find = reinterpret_cast<const NMLVFINDITEMA*>(notify);
    *result = FindItemByText(find->lvfi.flags, find->lvfi.psz, find->iStart);
}

// Wine's list view asks in wide characters even a window that takes narrow ones.
void CResultsListCtrl::OnFindItemWide(NMHDR* notify, LRESULT* result)
{
    const NMLVFINDITEMW* find = reinterpret_cast<const NMLVFINDITEMW*>(notify);
    const _bstr_t text(find->lvfi.psz);
    *result = FindItemByText(find->lvfi.flags, find->lvfi.psz ? static_cast<const char*>(text) : nullptr, find->iStart);
}

// Searches from `start` to the end, then, with LVFI_WRAP, from the top; case
// is ignored, and LVFI_PARTIAL matches the beginning of the text. Only text
// searches are answered.
int CResultsListCtrl::FindItemByText(UINT flags, const char* text, int start) const
{
    if (!text || !(flags & (LVFI_STRING | LVFI_PARTIAL)))
        return -1;
    const int count = ItemCount();
    const int length = lstrlenA(text);
    const int first = start >= 0 && start < count ? start : 0;
    const int searched = (flags & LVFI_WRAP) ? count : count - first;
    for (int step = 0; step < searched; ++step) {
        const int item = (first + step) % count;
        const CString cell = GetCellText(item, 0);
        const int compared = (flags & LVFI_PARTIAL) ? std::min(length, cell.GetLength()) : cell.GetLength();
        if (::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, cell, compared, text, length) == CSTR_EQUAL)
            return item;
    }
    return -1;
}

CString CResultsListCtrl::GetCellText(int item, int column) const
{
    const CFields* row = GetRow(item);
    const CField* field = row ? row->GetAt(row->FindFieldOfColumn(column)) : nullptr;
    return field ? field->GetValueText() : CString();
}

LRESULT CResultsListCtrl::DrawEmptyListText(WPARAM dcHandle, LPARAM)
{
    if (!m_finished || ItemCount() > 0)
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
