#include "builder/SingleTypeChooserDlg.h"
#include "afx/CDataExchange.h"
#include "builder/Resource.h"

namespace {
struct TypeKindEntry {
    int editorKind;
    const char* titleWord;
    TC_OBJECT_TYPE kind;
};

const TypeKindEntry kTypeKinds[] = {
    { 18, "Label", TC_LABEL },   { 19, "Attribute", TC_ATTRIBUTE }, { 20, "Trigger", TC_TRIGGER },
    { 21, "Branch", TC_BRANCH }, { 22, "Element", TC_ELEMENT },     { 23, "Hyperlink", TC_HYPERLINK },
};
}

CSingleTypeChooserDlg::CSingleTypeChooserDlg(int editorKind, CWnd* parent)
    : CChooserHostDlg(IDD_TYPE_CHOOSER, parent, IDS_TYPE_CHOOSER_NAME)
{
    for (const TypeKindEntry& entry : kTypeKinds)
        if (entry.editorKind == editorKind) {
            m_titleWord = entry.titleWord;
            m_kind = entry.kind;
        }
}

void CSingleTypeChooserDlg::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_TYPE_CHOOSER, m_chooser);
}

BOOL CSingleTypeChooserDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    ApplyStoredExtent(IDC_TYPE_CHOOSER, m_chooser);
    HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    // The article stays "a" before every word, Attribute too.
    SetWindowText("Choose a " + m_titleWord);
    PutProperties();
    ::SetCursor(previous);
    return TRUE;
}

bool CSingleTypeChooserDlg::PutProperties()
{
    return Succeeded(m_chooser.SetOLPEXSelector(m_selector), IDS_TAKE_PATHS) &&
           Succeeded(m_chooser.SetValue(m_value), IDS_TAKE_VALUE) &&
           Succeeded(m_chooser.SetType(m_kind), IDS_TAKE_TYPE_KIND);
}

void CSingleTypeChooserDlg::OnOK()
{
    CString selector, value;
    TC_OBJECT_TYPE kind = m_kind;
    if (!Succeeded(m_chooser.GetOLPEXSelector(&selector), IDS_RETURN_PATHS) ||
        !Succeeded(m_chooser.GetValue(&value), IDS_RETURN_VALUE) ||
        !Succeeded(m_chooser.GetType(&kind), IDS_RETURN_TYPE_KIND))
        return;
    m_selector = selector;
    m_value = value;
    m_kind = kind;
    CDialog::OnOK();
}
