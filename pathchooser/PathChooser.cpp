// CPathChooser: its properties, its dialog and the rules that enable its buttons.
#include "pathchooser/PathChooser.h"
#include "envlib/MakerLibraries.h"
#include <comutil.h>
#include <vector>

namespace {
// The current directory read whole; empty when it cannot be read.
CString CurrentDirectory()
{
    DWORD size = GetCurrentDirectoryA(0, nullptr);
    if (size == 0)
        return CString();
    std::vector<char> buffer(size + 1, '\0');
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    return length > 0 && length < buffer.size() ? CString(buffer.data()) : CString();
}
}

CPathChooser::CPathChooser() : m_savedDirectory(CurrentDirectory())
{
    if (IsEditionElkv())
        m_includePrivate = true;
}

// The remembered selection is written only by a control that was set up:
// one never activated knows no active view or repository.
CPathChooser::~CPathChooser()
{
    DestroyControlWindow();
    if (!m_savedDirectory.IsEmpty())
        SetCurrentDirectoryA(m_savedDirectory);
    if (m_setUp)
        SaveRememberedSelection();
}

CString CPathChooser::Text(const _bstr_t& text)
{
    return CString(text.length() ? static_cast<const char*>(text) : "");
}

bool CPathChooser::IsEditionElkv() const
{
    return tbs_product_is_elkv() != 0;
}

STDMETHODIMP CPathChooser::get_Mode(CHOOSER_MODE* mode)
{
    if (mode)
        *mode = m_mode;
    return S_OK;
}

STDMETHODIMP CPathChooser::put_Mode(CHOOSER_MODE mode)
{
    if (mode != m_mode) {
        m_mode = mode;
        if (HasWindow())
            SetupMode();
    }
    return S_OK;
}

STDMETHODIMP CPathChooser::get_SelectedTargets(BSTR* targets)
{
    if (m_targetsLoaded)
        BuildSelectedTargets();
    if (targets)
        *targets = _bstr_t(m_targets).Detach();
    return S_OK;
}

STDMETHODIMP CPathChooser::put_SelectedTargets(BSTR targets)
{
    m_targets = Text(_bstr_t(targets));
    m_targetsLoaded = false;
    if (HasWindow()) {
        LoadSelectedTargets();
        RefreshSelectedList();
    }
    return S_OK;
}

STDMETHODIMP CPathChooser::get_Constraints(SEL_CONSTRAINTS* flags)
{
    if (flags)
        *flags = static_cast<SEL_CONSTRAINTS>(m_constraints);
    return S_OK;
}

STDMETHODIMP CPathChooser::put_Constraints(SEL_CONSTRAINTS flags)
{
    m_constraints = flags;
    m_tree.SetMultipleSelection((flags & SEL_MULTI) != 0);
    if (HasWindow()) {
        RefillTree();
        UpdateControls();
    }
    return S_OK;
}

STDMETHODIMP CPathChooser::get_ReadOnly(long* readOnly)
{
    if (readOnly)
        *readOnly = m_readOnly;
    return S_OK;
}

STDMETHODIMP CPathChooser::put_ReadOnly(long readOnly)
{
    m_readOnly = readOnly;
    if (HasWindow())
        UpdateControls();
    return S_OK;
}

bool CPathChooser::AddAllAllowed() const
{
    return !(m_mode == MODE_POLPEX && !(m_constraints & SEL_POLPEX)) && !(m_constraints & SEL_SINGLE);
}

// Every rule for the buttons, the combo and the check box in one place, so
// that no order of puts lets a read-only control take additions.
void CPathChooser::UpdateControls()
{
    bool editable = m_readOnly == 0;
    bool haveActive = m_activeCombo.GetCount() > 0;
    bool singleTaken = (m_constraints & SEL_SINGLE) && m_selectedList.GetItemCount() > 0;
    ::EnableWindow(GetDlgItem(m_hWnd, IDC_ADD), editable && haveActive && !singleTaken);
    ::EnableWindow(GetDlgItem(m_hWnd, IDC_ADD_ALL), editable && haveActive && AddAllAllowed());
    ::EnableWindow(GetDlgItem(m_hWnd, IDC_REMOVE), editable);
    ::EnableWindow(GetDlgItem(m_hWnd, IDC_REMOVE_ALL), editable);
    ::EnableWindow(m_activeCombo, editable);
    bool elkv = IsEditionElkv();
    if (elkv)
        m_includePrivate = true;
    ::EnableWindow(m_privateCheck, !m_mountedOnly && !elkv);
}

void CPathChooser::SetupMode()
{
    bool paths = m_mode == MODE_PATH;
    ::ShowWindow(m_privateCheck, paths && !(m_constraints & SEL_POLPEX) ? SW_SHOW : SW_HIDE);
    ReadRememberedSelection();
    SetDlgItemTextA(m_hWnd, IDC_ACTIVE_LABEL, paths ? "Active View:" : "Active OLPEX:");
    LoadSelectedTargets();
    RefreshSelectedList();
    RefillTree();
    UpdateControls();
}

LRESULT CPathChooser::OnInitDialog(UINT, WPARAM, LPARAM, BOOL&)
{
    m_activeCombo.Attach(GetDlgItem(m_hWnd, IDC_ACTIVE_COMBO));
    m_selectedList.Attach(GetDlgItem(m_hWnd, IDC_SELECTED_LIST));
    m_privateCheck.Attach(GetDlgItem(m_hWnd, IDC_INCLUDE_PRIVATE));
    m_tree.SubclassWindow(GetDlgItem(m_hWnd, IDC_TREE));
    m_tree.SetMultipleSelection((m_constraints & SEL_MULTI) != 0);
    CreateImageList();
    SetupMode();
    m_setUp = true;
    return 0;
}

LRESULT CPathChooser::OnDestroy(UINT, WPARAM, LPARAM, BOOL&)
{
    m_tree.DeleteAllItems();
    m_activeCombo.Detach();
    m_selectedList.Detach();
    m_privateCheck.Detach();
    m_tree.UnsubclassWindow();
    if (m_images)
        ImageList_Destroy(m_images);
    m_images = nullptr;
    return 0;
}
