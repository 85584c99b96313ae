// CSingleTypeChooser: its properties, its dialog and the filling of its two
// combo boxes. The queries of the type names are in SingleTypeChooserQueries.cpp.
#include "typechooser/SingleTypeChooser.h"
#include "envlib/BstrHelpers.h"
#include "envlib/ProductEnv.h"
#include "envlib/SelectorPaths.h"
#include <comutil.h>

namespace {
// The control formats its prompt from this text, the same as string 107.
const char kPromptFormat[] = "Select or type %s:";

const char* KindWord(TC_OBJECT_TYPE kind)
{
    switch (kind) {
    case TC_LABEL:
        return "Label";
    case TC_BRANCH:
        return "Branch";
    case TC_ATTRIBUTE:
        return "Attribute";
    case TC_HYPERLINK:
        return "Hyperlink";
    case TC_TRIGGER:
        return "Trigger";
    default:
        return "Element";
    }
}

// The first component of a path inside a view.
CString FirstComponent(const CString& relativePath)
{
    int backslash = relativePath.Find('\\');
    return backslash < 0 ? relativePath : relativePath.Left(backslash);
}

CString Narrow(BSTR text)
{
    return CString(static_cast<const char*>(_bstr_t(text)));
}

void SelectItemEqualTo(CComboBox& combo, const CString& text)
{
    int index = combo.FindStringExact(-1, text);
    if (index != CB_ERR)
        combo.SetCurSel(index);
}

HRESULT ReturnText(const CString& text, BSTR* result)
{
    if (result)
        *result = _bstr_t(text).Detach();
    return S_OK;
}
}

STDMETHODIMP CSingleTypeChooser::InterfaceSupportsErrorInfo(REFIID iid)
{
    return IsEqualIID(iid, IID_ISingleTypeChooser) ? S_OK : S_FALSE;
}

STDMETHODIMP CSingleTypeChooser::get_OLPEXSelector(BSTR* selector)
{
    return ReturnText(SelectedOlpexTag(), selector);
}

STDMETHODIMP CSingleTypeChooser::put_OLPEXSelector(BSTR selector)
{
    m_refillOlpexCombo = true;
    for (const CString& path : SplitSelectorPaths(Narrow(selector)))
        AddSelectorPath(path);
    return S_OK;
}

STDMETHODIMP CSingleTypeChooser::get_Value(BSTR* value)
{
    CString text;
    if (m_nameCombo.m_hWnd)
        m_nameCombo.GetWindowText(text);
    return ReturnText(text, value);
}

STDMETHODIMP CSingleTypeChooser::put_Value(BSTR value)
{
    m_wantedValue = Narrow(value);
    return S_OK;
}

STDMETHODIMP CSingleTypeChooser::get_Type(TC_OBJECT_TYPE* kind)
{
    if (kind)
        *kind = m_kind;
    return S_OK;
}

STDMETHODIMP CSingleTypeChooser::put_Type(TC_OBJECT_TYPE kind)
{
    if (kind != m_kind || !m_kindSet) {
        m_kind = kind;
        m_kindSet = true;
        m_kindWord = KindWord(kind);
    }
    FillOlpexCombo();
    FillNameCombo();
    if (m_dialogInitialised)
        ShowPrompt();
    return S_OK;
}

// The path's repository is the first component inside its view; its entry
// names the repository's folder in that view.
void CSingleTypeChooser::AddSelectorPath(const CString& path)
{
    CProductEnv env;
    CString tag = FirstComponent(CString(static_cast<const char*>(env.GetViewRelativePath(_bstr_t(path)))));
    if (tag.IsEmpty())
        return;
    _bstr_t root = env.FindViewRoot(_bstr_t(path));
    AppendBackslash(root);
    CString rootText(static_cast<const char*>(root));
    if (!m_olpexPaths.emplace(tag.GetString(), rootText + tag).second)
        return;
    CString admin = GetAdminOlpexTag(tag);
    if (!admin.IsEmpty() && m_olpexPaths.count(admin.GetString()) == 0)
        m_adminOlpexPaths.emplace(admin.GetString(), rootText + admin);
}

CString CSingleTypeChooser::GetAdminOlpexTag(const CString& tag)
{
    if (tag.IsEmpty())
        return CString();
    CString admin(static_cast<const char*>(CProductEnv().GetAdminOlpex(_bstr_t(tag))));
    return !admin.IsEmpty() && admin[0] == '\\' ? admin.Mid(1) : admin;
}

CString CSingleTypeChooser::SelectedOlpexTag() const
{
    CString tag;
    if (m_olpexCombo.m_hWnd)
        m_olpexCombo.GetLBText(m_olpexCombo.GetCurSel(), tag);
    return tag;
}

CString CSingleTypeChooser::OlpexPathOf(const CString& tag) const
{
    auto found = m_olpexPaths.find(tag.GetString());
    if (found != m_olpexPaths.end())
        return found->second;
    found = m_adminOlpexPaths.find(tag.GetString());
    return found != m_adminOlpexPaths.end() ? found->second : CString();
}

// A selection made before survives a new selector; without one the first tag
// in byte order is selected. The selection is programmatic: no CBN_SELCHANGE.
void CSingleTypeChooser::FillOlpexCombo()
{
    if (!m_refillOlpexCombo || !m_olpexCombo.m_hWnd)
        return;
    CString kept = SelectedOlpexTag();
    m_olpexCombo.ResetContent();
    for (const auto& entry : m_olpexPaths) {
        m_olpexCombo.AddString(entry.first.c_str());
        if (kept.IsEmpty())
            kept = entry.first.c_str();
    }
    for (const auto& entry : m_adminOlpexPaths)
        m_olpexCombo.AddString(entry.first.c_str());
    if (!kept.IsEmpty())
        SelectItemEqualTo(m_olpexCombo, kept);
    m_refillOlpexCombo = false;
}

void CSingleTypeChooser::FillNameCombo()
{
    if (!m_nameCombo.m_hWnd)
        return;
    HCURSOR previous = SetCursor(LoadCursor(nullptr, IDC_WAIT));
    LoadTypeNames();
    CString kept;
    m_nameCombo.GetWindowText(kept);
    m_nameCombo.ResetContent();
    CString tag = SelectedOlpexTag();
    if (m_olpexCombo.GetCurSel() != CB_ERR) {
        for (int index = 0; index < m_nameCache.Count(tag, m_kind); ++index)
            m_nameCombo.AddString(m_nameCache.GetAt(tag, m_kind, index));
        if (m_nameCombo.FindStringExact(-1, kept) != CB_ERR)
            SelectItemEqualTo(m_nameCombo, kept);
        else
            SelectItemEqualTo(m_nameCombo, m_wantedValue);
    }
    SetCursor(previous);
}

void CSingleTypeChooser::ShowPrompt()
{
    CString prompt;
    prompt.Format(kPromptFormat, m_kindWord.GetString());
    SetDlgItemTextA(m_hWnd, IDC_NAME_PROMPT, prompt);
}

// Puts made before the window existed fill the lists now.
LRESULT CSingleTypeChooser::OnInitDialog(UINT, WPARAM, LPARAM, BOOL&)
{
    m_nameCombo.SubclassWindow(GetDlgItem(m_hWnd, IDC_NAME_COMBO));
    m_olpexCombo.Attach(GetDlgItem(m_hWnd, IDC_OLPEX_COMBO));
    ShowPrompt();
    m_dialogInitialised = true;
    if (m_kindSet) {
        FillOlpexCombo();
        FillNameCombo();
    }
    return 0;
}

// The name combo lets go of its window itself when the window is destroyed.
LRESULT CSingleTypeChooser::OnDestroy(UINT, WPARAM, LPARAM, BOOL&)
{
    m_olpexCombo.Detach();
    return 0;
}

LRESULT CSingleTypeChooser::OnFillNameCombo(UINT, WPARAM, LPARAM, BOOL&)
{
    FillNameCombo();
    return 0;
}

LRESULT CSingleTypeChooser::OnOlpexSelChange(WORD, WORD, HWND, BOOL&)
{
    PostMessageA(m_hWnd, WM_FILLNAMECOMBO, 0, 0);
    return 0;
}

LRESULT CSingleTypeChooser::OnNameEditUpdate(WORD, WORD, HWND, BOOL&)
{
    m_nameCombo.AutoComplete();
    return 0;
}
