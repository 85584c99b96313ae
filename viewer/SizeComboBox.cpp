#include "viewer/SizeComboBox.h"
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {
const int kTwipsPerPoint = 20;
const int kTwipsPerInch = 1440;
const int kStandardPoints[] = { 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72 };
// Larger numbers are taken as this many points, so that the product stays an int.
const double kMaxPoints = INT_MAX / kTwipsPerPoint;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}

BEGIN_MESSAGE_MAP(CSizeComboBox, CLocalComboBox)
    ON_CONTROL_REFLECT_EX(CBN_SELCHANGE, OnSelectionChange)
END_MESSAGE_MAP()

void CSizeComboBox::EnumFontSizes(HDC dc, const char* faceName)
{
    ResetContent();
    if (!faceName || !*faceName)
        return;
    m_pixelsPerInch = ::GetDeviceCaps(dc, LOGPIXELSY);
    ::EnumFontFamiliesA(dc, faceName, reinterpret_cast<FONTENUMPROCA>(&OnFace), reinterpret_cast<LPARAM>(this));
}

int CALLBACK CSizeComboBox::OnFace(const LOGFONTA*, const TEXTMETRICA* metrics, DWORD type, LPARAM list)
{
    CSizeComboBox* sizes = reinterpret_cast<CSizeComboBox*>(list);
    if (!(type & RASTER_FONTTYPE)) {
        sizes->InsertStandardSizes();
        return 0;
    }
    int points = metrics->tmHeight - metrics->tmInternalLeading;
    sizes->InsertSize(::MulDiv(points, kTwipsPerInch, sizes->m_pixelsPerInch));
    return 1;
}

void CSizeComboBox::InsertStandardSizes()
{
    for (int points : kStandardPoints)
        InsertSize(points * kTwipsPerPoint);
}

void CSizeComboBox::InsertSize(int twips)
{
    CString text = FormatTwips(twips);
    if (FindStringExact(-1, text) != CB_ERR)
        return;
    int index = 0;
    while (index < GetCount() && static_cast<int>(GetItemData(index)) < twips)
        ++index;
    index = InsertString(index, text);
    SetItemData(index, static_cast<DWORD_PTR>(twips));
}

CString CSizeComboBox::FormatTwips(int twips)
{
    CString text;
    if (twips % kTwipsPerPoint == 0)
        text.Format("%ld", static_cast<long>((twips + 5) / kTwipsPerPoint));
    else
        text.Format("%.1f", twips / static_cast<double>(kTwipsPerPoint));
    return text;
}

// Sizes with a decimal part ("10.5") are read in the runtime's locale, the
// one FormatTwips writes them in.
int CSizeComboBox::ParseTwips(const char* text)
{
    while (IsBlank(*text))
        ++text;
    if (!*text)
        return -1;
    char* end = nullptr;
    double points = std::strtod(text, &end);
    if (end == text || !std::isfinite(points))
        return -2;
    for (const char* rest = end; *rest; ++rest) {
        if (!IsBlank(*rest))
            return -2;
    }
    if (points < 0)
        return 0;
    return static_cast<int>(std::lround(std::fmin(points, kMaxPoints) * kTwipsPerPoint));
}

int CSizeComboBox::GetTwipSize() const
{
    CString text;
    int length = ::GetWindowTextLengthA(m_hWnd);
    ::GetWindowTextA(m_hWnd, text.GetBufferSetLength(length), length + 1);
    text.ReleaseBuffer();
    return ParseTwips(text);
}

void CSizeComboBox::SetTwipSize(int twips)
{
    m_lastTwips = twips;
    if (GetTwipSize() != twips)
        SetWindowText(FormatTwips(twips));
}

// The parent gets the notification as well.
BOOL CSizeComboBox::OnSelectionChange()
{
    int selected = GetCurSel();
    if (selected != CB_ERR)
        m_lastTwips = static_cast<int>(GetItemData(selected));
    return FALSE;
}
