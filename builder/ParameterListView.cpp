#include "builder/ParameterListView.h"
#include "afx/CDC.h"
#include "afx/CWinApp.h"
#include "afx/FrameworkIds.h"
#include "builder/Resource.h"

IMPLEMENT_DYNCREATE(CParameterListView, CFormView)

BEGIN_MESSAGE_MAP(CParameterListView, CFormView)
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CParameterListView::CParameterListView() : CFormView(IDD_PARAMETER_LIST), m_background(RGB(255, 255, 255)) {}

void CParameterListView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    m_listBox.SubclassDlgItem(IDC_PARAMETER_LIST, this);
    m_listBox.InitControl();
    m_initialised = true;
    FitListBox();
    // A report chosen while the panes were still being set up.
    if (m_report)
        m_listBox.Rebuild();
}

// Without a report the list is emptied at once, so nothing draws the old one's
// lines and no click reaches a value of it.
void CParameterListView::SetReport(CReport* report)
{
    m_report = report;
    if (!m_initialised)
        return;
    if (report)
        m_listBox.Rebuild();
    else
        m_listBox.Empty();
    Invalidate();
}

BOOL CParameterListView::OnEraseBkgnd(HDC dc)
{
    CRect client;
    GetClientRect(&client);
    ::FillRect(dc, &client, m_background);
    return TRUE;
}

void CParameterListView::OnSize(UINT, int, int)
{
    Default();
    if (m_initialised)
        FitListBox();
}

void CParameterListView::FitListBox()
{
    CRect client;
    GetClientRect(&client);
    m_listBox.MoveWindow(client);
}

void CParameterListView::OnPaint()
{
    CString title;
    title.LoadString(AFX_IDS_APP_TITLE);
    if (CWnd* frame = AfxGetApp()->m_pMainWnd)
        frame->SetWindowText(title);
    CPaintDC paint(this);
    CRect client;
    GetClientRect(&client);
    CDC memory;
    memory.CreateCompatibleDC(&paint);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&paint, client.Width(), client.Height());
    HGDIOBJ previous = memory.SelectObject(bitmap);
    ::FillRect(memory, &client, m_background);
    CRect clip;
    ::GetClipBox(paint.m_hDC, &clip);
    paint.BitBlt(clip.left, clip.top, clip.Width(), clip.Height(), &memory, clip.left, clip.top, SRCCOPY);
    memory.SelectObject(previous);
    memory.DeleteDC();
}
