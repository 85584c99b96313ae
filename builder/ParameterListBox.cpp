#include "builder/ParameterListBox.h"
#include "builder/WizardApp.h"

BEGIN_MESSAGE_MAP(CParameterListBox, CCustomListBox)
    ON_WM_LBUTTONDOWN()
    ON_WM_HSCROLL()
END_MESSAGE_MAP()

namespace {
const int kScrollStep = 10;
const int kScrollWidth = 2440;
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
    CString text = value->GetSavedText();
    if (GetParameter(line)->IsScope())
        text.Replace("\\\"", "\"");
    return text;
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
    if (m_hotSpot && m_hotSpot->value)
        EditValue(m_hotSpot->value);
}

void CParameterListBox::EditValue(CParameterElement*) {}

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
