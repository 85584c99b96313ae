#include "reportmodel/Parameters.h"
#include "reportmodel/HeaderSyntax.h"
#include "reportmodel/ReportModelStrings.h"

namespace {

const char kCaption[] = "Parameters parsing error";

bool ShowError(const char* text)
{
    MessageBoxA(nullptr, text, kCaption, MB_OK);
    return false;
}

bool IsLetter(char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

bool IsKeywordChar(char ch)
{
    return IsLetter(ch) || (ch >= '0' && ch <= '9') || ch == '_';
}

}

bool CParameters::Parse(const char* parameters, const char* reportDescription)
{
    m_position = 0;
    m_text = parameters;
    m_listMaster = nullptr;
    m_bracketPending = m_insideList = m_attributeListAllowed = false;
    bool success = true;
    while (success && !AtEnd()) {
        const char ch = CurrentChar();
        if (IsLetter(ch)) {
            ReadParameter();
        } else if (ch == '(') {
            success = ReadAttributeList();
        } else if (ch == '[') {
            success = OpenDependencyList();
        } else if (ch == ']') {
            CloseDependencyList();
        } else if (IsHeaderBlank(ch)) {
            m_position = SkipHeaderBlanks(m_text, m_position);
        } else {
            success = ShowError(UnexpectedCharacterMessage(m_position, ch));
        }
    }
    if (success && m_insideList)
        success = ShowError("Error: Dependency list was left open\n");
    ReportInvalidParameters(reportDescription);
    if (success)
        LinkToScopeParameter();
    return success;
}

bool CParameters::OpenDependencyList()
{
    if (m_insideList)
        return ShowError("Error: Nested dependency lists are not allowed");
    ++m_position;
    m_bracketPending = true;
    return true;
}

// An empty list "[]" closes too, so the next parameter does not open one.
void CParameters::CloseDependencyList()
{
    ++m_position;
    m_insideList = false;
    m_bracketPending = false;
    m_listMaster = nullptr;
}

void CParameters::ReadParameter()
{
    const int start = m_position;
    while (!AtEnd() && IsKeywordChar(CurrentChar()))
        ++m_position;
    m_parameters.push_back(std::make_unique<CParameter>());
    CParameter* parameter = m_parameters.back().get();
    parameter->SetType(m_text.Mid(start, m_position - start));
    parameter->SetMaster(m_listMaster);
    if (m_bracketPending) {
        m_listMaster = parameter;
        m_bracketPending = false;
        m_insideList = true;
    }
    m_attributeListAllowed = true;
}

// Attributes of parameters are checked for their form and otherwise ignored.
bool CParameters::ReadAttributeList()
{
    if (!m_attributeListAllowed)
        return ShowError("Error: Attributes specified with no associated parameter");
    CString list;
    const char* error = nullptr;
    if (!::ReadAttributeList(m_text, m_position, list, error))
        return ShowError(error);
    if (!list.IsEmpty())
        m_attributeListAllowed = false;
    return true;
}

void CParameters::ReportInvalidParameters(const char* reportDescription) const
{
    for (const auto& parameter : m_parameters) {
        if (parameter->IsValid())
            continue;
        CString text, caption;
        text.LoadString(IDS_INVALID_PARAMETER_TEXT);
        caption.LoadString(IDS_INVALID_PARAMETER_CAPTION);
        text.Replace("<param>", parameter->GetName());
        text.Replace("<report>", CString(reportDescription));
        MessageBoxA(nullptr, text, caption, MB_OK);
    }
}

// A parameter that needs a scope depends on the report's scope parameter,
// whatever dependency list it stood in.
void CParameters::LinkToScopeParameter()
{
    CParameter* scope = FindScopeParameter();
    for (const auto& parameter : m_parameters)
        if (parameter->NeedsScope())
            parameter->SetMaster(scope);
}

CParameter* CParameters::GetAt(int index) const
{
    return index >= 0 && index < GetCount() ? m_parameters[index].get() : nullptr;
}

CParameter* CParameters::FindByName(const char* name) const
{
    for (const auto& parameter : m_parameters)
        if (parameter->GetName().CompareNoCase(name) == 0)
            return parameter.get();
    return nullptr;
}

CParameter* CParameters::FindScopeParameter() const
{
    for (const auto& parameter : m_parameters)
        if (parameter->IsScope())
            return parameter.get();
    return nullptr;
}

bool CParameters::IsAnyModified() const
{
    for (const auto& parameter : m_parameters)
        if (parameter->IsModified())
            return true;
    return false;
}

void CParameters::ResetModified()
{
    for (const auto& parameter : m_parameters)
        if (parameter->IsModified())
            parameter->Reset();
}

CString CParameters::GetArguments() const
{
    CString arguments;
    for (const auto& parameter : m_parameters)
        arguments += parameter->GetArguments();
    return arguments;
}
