#include "viewer/FontComboBox.h"
#include "viewer/ReportViewerApp.h"
#include "viewer/Resource.h"
#include "afx/CDC.h"
#include <algorithm>

namespace {
const int kGlyphWidth = 16;
const int kGlyphHeight = 15;
const int kTextIndent = 22;
const BYTE kMacCharSet = 77;
}

BEGIN_MESSAGE_MAP(CFontComboBox, CLocalComboBox)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_MEASUREITEM_REFLECT()
    ON_WM_COMPAREITEM_REFLECT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

void CFontComboBox::FillFonts(HDC printer, HDC screen)
{
    ResetContent();
    m_descriptors.clear();
    if (printer)
        EnumerateFamilies(printer, true);
    EnumerateFamilies(screen, false);
    for (const std::unique_ptr<CFontDescriptor>& font : m_descriptors)
        SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(font.get()));
}

// Every character set of every family where the system can say so, else each family once.
void CFontComboBox::EnumerateFamilies(HDC dc, bool printer)
{
    Enumeration enumeration = { this, printer, GetViewerApp().m_newShell };
    FONTENUMPROCA onFamily = reinterpret_cast<FONTENUMPROCA>(&OnFamily);
    if (enumeration.extended) {
        LOGFONTA all = {};
        all.lfCharSet = DEFAULT_CHARSET;
        ::EnumFontFamiliesExA(dc, &all, onFamily, reinterpret_cast<LPARAM>(&enumeration), 0);
    } else {
        ::EnumFontFamiliesA(dc, nullptr, onFamily, reinterpret_cast<LPARAM>(&enumeration));
    }
}

// Only the extended enumeration names a script.
int CALLBACK CFontComboBox::OnFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM enumeration)
{
    const Enumeration* context = reinterpret_cast<const Enumeration*>(enumeration);
    const char* script =
        context->extended ? reinterpret_cast<const char*>(reinterpret_cast<const ENUMLOGFONTEXA*>(font)->elfScript) : "";
    context->list->Collect(*font, script, type, context->printer);
    return 1;
}

// Mac character sets, vertical faces ("@") of double-byte systems and the
// screen's raster fonts are left out. A face the printer and the screen both
// have is listed for each, with the glyph of each kind.
void CFontComboBox::Collect(const LOGFONTA& logFont, const char* script, DWORD type, bool printer)
{
    if (logFont.lfCharSet == kMacCharSet || (::GetSystemMetrics(SM_DBCSENABLED) && logFont.lfFaceName[0] == '@'))
        return;
    if (!printer && (type & RASTER_FONTTYPE))
        return;
    if (IsCollected(logFont.lfFaceName, logFont.lfCharSet, printer))
        return;
    int flags = 0;
    if (printer)
        flags = kPrinterFontType | ((type & TRUETYPE_FONTTYPE) ? kTrueTypeFontType : (type & DEVICE_FONTTYPE) ? kDeviceFontType : 0);
    else if (type & TRUETYPE_FONTTYPE)
        flags = kTrueTypeFontType;
    m_descriptors.push_back(std::unique_ptr<CFontDescriptor>(new CFontDescriptor{
        logFont.lfFaceName, script, logFont.lfCharSet, logFont.lfPitchAndFamily, flags }));
}

bool CFontComboBox::IsCollected(const CString& faceName, BYTE charSet, bool printer) const
{
    return std::any_of(m_descriptors.begin(), m_descriptors.end(), [&](const std::unique_ptr<CFontDescriptor>& font) {
        return ((font->typeFlags & kPrinterFontType) != 0) == printer && font->charSet == charSet && font->faceName == faceName;
    });
}

// One pass over the list: an exact entry wins over the first that only begins with the name.
void CFontComboBox::MatchFont(const char* name, BYTE charSet)
{
    int prefixMatch = CB_ERR;
    int nameLength = lstrlenA(name);
    for (int index = 0; index < GetCount(); ++index) {
        const CFontDescriptor* font = Descriptor(index);
        if (font->faceName == name && (charSet == DEFAULT_CHARSET || font->charSet == charSet)) {
            prefixMatch = index;
            break;
        }
        if (prefixMatch == CB_ERR && font->faceName.GetLength() >= nameLength &&
            ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, font->faceName, nameLength, name, nameLength) == CSTR_EQUAL)
            prefixMatch = index;
    }
    SetCurSel(prefixMatch);
    m_unmatchedName = prefixMatch == CB_ERR ? CString(name) : CString();
}

const CFontDescriptor* CFontComboBox::Descriptor(int index) const
{
    LRESULT data = SendMessage(CB_GETITEMDATA, index);
    return data == CB_ERR ? nullptr : reinterpret_cast<const CFontDescriptor*>(data);
}

const CFontDescriptor* CFontComboBox::GetSelectedFont() const
{
    int selected = GetCurSel();
    return selected == CB_ERR ? nullptr : Descriptor(selected);
}

CString CFontComboBox::GetFaceName() const
{
    const CFontDescriptor* font = GetSelectedFont();
    return font ? font->faceName : m_unmatchedName;
}

int CFontComboBox::ItemHeight()
{
    CClientDC dc(this);
    HWND dialog = ::GetParent(m_hWnd);
    HGDIOBJ previous = dc.SelectObject(reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics = {};
    dc.GetTextMetrics(&metrics);
    dc.SelectObject(previous);
    return std::max<int>(metrics.tmHeight, kGlyphHeight);
}

void CFontComboBox::MeasureItem(MEASUREITEMSTRUCT* item)
{
    item->itemHeight = ItemHeight();
}

int CFontComboBox::CompareItem(COMPAREITEMSTRUCT* item)
{
    const CFontDescriptor* first = reinterpret_cast<const CFontDescriptor*>(item->itemData1);
    const CFontDescriptor* second = reinterpret_cast<const CFontDescriptor*>(item->itemData2);
    return ::CompareStringA(LOCALE_USER_DEFAULT, 0, first->faceName, -1, second->faceName, -1) - CSTR_EQUAL;
}

void CFontComboBox::DrawItem(DRAWITEMSTRUCT* item)
{
    CDC dc;
    dc.Attach(item->hDC);
    bool selected = (item->itemState & ODS_SELECTED) != 0;
    dc.FillSolidRect(item->rcItem, ::GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const CFontDescriptor* font = reinterpret_cast<const CFontDescriptor*>(item->itemData);
    if (item->itemID != static_cast<UINT>(-1) && font) {
        DrawGlyph(dc, item->rcItem, *font);
        dc.SetTextColor(::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        CRect text(item->rcItem);
        text.left += kTextIndent;
        dc.DrawText(font->faceName, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    dc.Detach();
}

void CFontComboBox::DrawGlyph(HDC dc, const RECT& item, const CFontDescriptor& font)
{
    if (!m_glyphs.m_hObject)
        m_glyphs.LoadBitmap(IDB_FONT_TYPES);
    CDC glyphs;
    glyphs.CreateCompatibleDC(nullptr);
    HGDIOBJ previous = glyphs.SelectObject(m_glyphs);
    int glyph = (font.typeFlags & kTrueTypeFontType) ? kGlyphWidth : 0;
    int top = item.top + (item.bottom - item.top - kGlyphHeight) / 2;
    ::BitBlt(dc, item.left, top, kGlyphWidth, kGlyphHeight, glyphs, glyph, 0, SRCAND);
    glyphs.SelectObject(previous);
    glyphs.DeleteDC();
}

// The items point into the descriptors: the list lets go of them first.
void CFontComboBox::OnDestroy()
{
    ResetContent();
    m_descriptors.clear();
    CLocalComboBox::OnDestroy();
}
