#include "builder/ParameterListBox.h"
#include "builder/InputDateTimeDlg.h"
#include "builder/InputTextDlg.h"
#include "builder/PathChooserDlg.h"
#include "builder/SingleTypeChooserDlg.h"
#include "builder/WizardApp.h"
#include "reportmodel/ReportModelStrings.h"

BEGIN_MESSAGE_MAP(CParameterListBox, CCustomListBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

namespace {
const int kScrollStep = 10;
const int kScrollWidth = 2440;
const int kPathSelectionLimit = 4096;
const int kDateTimeKind = 16;
const int kStringKind = 27;

struct PathEditor {
    int editorKind;
    CHOOSER_MODE mode;
    long constraints;
};

const PathEditor kPathEditors[] = {
    { 0, MODE_PATH, SEL_MULTI + SEL_FILE + SEL_DIR },
    { 1, MODE_POLPEX, SEL_SINGLE + SEL_PROJECT },
    { 2, MODE_POLPEX, SEL_MULTI + SEL_PROJECT },
    { 3, MODE_POLPEX, SEL_SINGLE + SEL_STREAM },
    { 4, MODE_POLPEX, SEL_MULTI + SEL_STREAM },
    { 5, MODE_POLPEX, SEL_SINGLE + SEL_ISTREAM },
    { 6, MODE_POLPEX, SEL_MULTI + SEL_ISTREAM },
    { 7, MODE_POLPEX, SEL_SINGLE + SEL_ACTIVITY },
    { 8, MODE_POLPEX, SEL_MULTI + SEL_ACTIVITY },
    { 11, MODE_PATH, SEL_SINGLE + SEL_POLPEX },
    { 12, MODE_PATH, SEL_MULTI + SEL_POLPEX },
};

const int kTypeChooserKinds[] = { 18, 19, 20, 21, 23 };

struct TextHint {
    int editorKind;
    const char* hint;
};

const TextHint kTextHints[] = {
    { 9, "component:<comp>@\\<polpex>" },
    { 10, "component:<comp1>@\\<polpex> component:<comp2>@\\<polpex> ..." },
    { 13, "baseline:<bl>@\\<polpex>" },
    { 14, "baseline:<bl1>@\\<polpex> baseline:<bl2>@\\<polpex> ..." },
    { 22, "<text_file>" },
};

const PathEditor* FindPathEditor(int editorKind)
{
    for (const PathEditor& editor : kPathEditors)
        if (editor.editorKind == editorKind)
            return &editor;
    return nullptr;
}

bool IsTypeChooserKind(int editorKind)
{
    for (int kind : kTypeChooserKinds)
        if (kind == editorKind)
            return true;
    return false;
}

const char* HintOf(int editorKind)
{
    for (const TextHint& entry : kTextHints)
        if (entry.editorKind == editorKind)
            return entry.hint;
    return "";
}

CWnd* EditorOwner()
{
    return AfxGetApp()->m_pMainWnd;
}

CString WithPlainQuotes(CString text)
{
    text.Replace("\\\"", "\"");
    return text;
}
}

CParameter* CParameterListBox::GetParameter(int line) const
{
    CReport* report = CWizardApp::GetApp()->GetReport();
    return report ? report->GetParameters().GetAt(line) : nullptr;
}

CParameterElement* CParameterListBox::GetElement(int line, int element) const
{
    CParameter* parameter = GetParameter(line);
    return parameter ? parameter->GetElement(element) : nullptr;
}

int CParameterListBox::GetLineCount()
{
    CReport* report = CWizardApp::GetApp()->GetReport();
    return report ? report->GetParameters().GetCount() : 0;
}

int CParameterListBox::GetElementCount(int line)
{
    CParameter* parameter = GetParameter(line);
    return parameter ? parameter->GetElementCount() : 0;
}

// The scope parameter keeps its quotes escaped for the script; they show plain.
CString CParameterListBox::GetElementText(int line, int element)
{
    CParameterElement* value = GetElement(line, element);
    if (!value)
        return CString();
    return GetParameter(line)->IsScope() ? WithPlainQuotes(value->GetSavedText()) : value->GetSavedText();
}

void CParameterListBox::BindHotSpot(HotSpot* hotSpot)
{
    hotSpot->value = GetElement(hotSpot->line, hotSpot->element);
}

bool CParameterListBox::IsLiteralElement(int line, int element)
{
    CParameterElement* value = GetElement(line, element);
    return !value || value->IsLiteral();
}

bool CParameterListBox::IsElementSet(int line, int element)
{
    CParameterElement* value = GetElement(line, element);
    return value && !value->IsLiteral() && value->GetText() != value->GetDefault();
}

bool CParameterListBox::IsPlainLine(int line)
{
    CParameter* parameter = GetParameter(line);
    return parameter && parameter->IsFixedText();
}

CString CParameterListBox::GetLineText(int line)
{
    CParameter* parameter = GetParameter(line);
    return parameter ? parameter->GetText() : CString();
}

void CParameterListBox::OnLButtonDown(UINT, CPoint)
{
    Default();
    if (!m_hotSpot || !m_hotSpot->value)
        return;
    CParameter* parameter = GetParameter(m_hotSpot->line);
    if (!parameter)
        return;
    CParameter* master = parameter->GetMaster();
    if (master && !master->IsModified()) {
        RefuseMissingMaster("\"" + master->GetSavedText() + "\"");
        return;
    }
    EditValue(m_hotSpot->value);
}

void CParameterListBox::EditValue(CParameterElement* value)
{
    const int kind = value->GetEditorKind();
    if (const PathEditor* editor = FindPathEditor(kind))
        ChoosePaths(editor->mode, editor->constraints, value);
    else if (IsTypeChooserKind(kind))
        ChooseType(value);
    else if (kind == kDateTimeKind)
        EnterDateTime(value);
    else
        EnterText(value);
}

void CParameterListBox::Refuse(const CString& text, UINT captionId)
{
    ::MessageBoxA(m_hWnd, text, LoadText(captionId), MB_OK);
}

void CParameterListBox::RefuseMissingMaster(const CString& masterName)
{
    CString text;
    text.Format(LoadText(IDS_MISSING_MASTER_TEXT), static_cast<const char*>(masterName));
    Refuse(text, IDS_MISSING_MASTER_CAPTION);
}

// The value keeps its quotes escaped for the script's argument text; the
// chooser sees them plain.
void CParameterListBox::ChoosePaths(CHOOSER_MODE mode, long constraints, CParameterElement* value)
{
    const CString start = value->IsModified() ? WithPlainQuotes(value->GetText()) : CString();
    CPathChooserDlg dialog(EditorOwner());
    dialog.m_selection = start;
    dialog.m_readOnly = m_disabled;
    dialog.m_constraints = constraints;
    dialog.m_mode = mode;
    CString result = dialog.DoModal() == IDOK ? dialog.m_selection : start;
    if (result.IsEmpty()) {
        value->Reset();
    } else {
        result.Replace("\"", "\\\"");
        if (result.GetLength() < kPathSelectionLimit)
            value->SetText(result);
        else
            Refuse(LoadText(IDS_PATH_LENGTH_TEXT), IDS_PATH_LENGTH_CAPTION);
    }
    Rebuild();
}

// The type names offered are those of the paths the scope parameter holds.
void CParameterListBox::ChooseType(CParameterElement* value)
{
    CReport* report = CWizardApp::GetApp()->GetReport();
    CParameter* scope = report ? report->GetParameters().FindScopeParameter() : nullptr;
    if (!scope || !scope->IsModified()) {
        RefuseMissingMaster("pathnames");
        return;
    }
    CSingleTypeChooserDlg dialog(value->GetEditorKind(), EditorOwner());
    dialog.m_selector = WithPlainQuotes(scope->GetValue());
    dialog.m_value = value->GetText();
    if (dialog.DoModal() == IDOK && !dialog.GetValue().IsEmpty())
        value->SetText(dialog.GetValue());
    Rebuild();
}

void CParameterListBox::EnterDateTime(CParameterElement* value)
{
    CInputDateTimeDlg dialog(EditorOwner());
    if (value->IsModified())
        dialog.m_value = value->GetText();
    if (dialog.DoModal() == IDOK && !dialog.m_value.IsEmpty())
        value->SetText(dialog.m_value);
    Rebuild();
}

// The title names the kind word ("Enter user"); a value with a form of its
// own starts as an example of that form.
void CParameterListBox::EnterText(CParameterElement* value)
{
    const int kind = value->GetEditorKind();
    CInputTextDlg dialog(EditorOwner());
    dialog.m_name = kind == kStringKind ? CString("String Value") : value->GetDefault();
    dialog.m_value = value->IsModified() ? value->GetText() : CString(HintOf(kind));
    if (dialog.DoModal() == IDOK) {
        if (dialog.m_value.IsEmpty())
            value->Reset();
        else
            value->SetText(dialog.m_value);
    }
    Rebuild();
}

void CParameterListBox::OnHScroll(UINT code, int position, HWND)
{
    int step = 0;
    switch (code) {
    case SB_LINELEFT:
        step = m_scrollPosition >= kScrollStep ? -kScrollStep : 0;
        break;
    case SB_LINERIGHT:
        step = m_scrollPosition + kScrollStep <= kScrollWidth ? kScrollStep : 0;
        break;
    case SB_THUMBTRACK:
        step = position - m_scrollPosition;
        break;
    default:
        // Page requests: the bar has no range, so they do nothing.
        return;
    }
    if (step == 0)
        return;
    ::ScrollWindowEx(m_hWnd, -step, 0, nullptr, nullptr, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
    m_scrollPosition += step;
}
