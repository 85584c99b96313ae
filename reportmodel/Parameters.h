// The parameters a report declares, parsed from its parameters header:
// keywords, optional attribute lists, and dependency lists in square brackets
// whose first parameter is the master of the others, as in
//   LOOKIN [PROJECT STREAM] LABEL(any attributes)
// Later it joins the values the user entered into the script's argument text.
#pragma once
#include "reportmodel/Parameter.h"

class CParameters {
public:
    CParameters() = default;
    virtual ~CParameters() = default;
    CParameters(const CParameters&) = delete;
    CParameters& operator=(const CParameters&) = delete;

    // False after an error, which has been shown in a box. The description names
    // the report in the message about a keyword that is not known.
    bool Parse(const char* parameters, const char* reportDescription);

    int GetCount() const { return static_cast<int>(m_parameters.size()); }
    // The parameter of an index, or null outside the list.
    CParameter* GetAt(int index) const;
    // By keyword, without case; null when absent.
    CParameter* FindByName(const char* name) const;
    // The first parameter that gives the scope others depend on, or null.
    CParameter* FindScopeParameter() const;

    bool IsAnyModified() const;
    void ResetModified();
    CString GetArguments() const;

private:
    bool OpenDependencyList();
    void CloseDependencyList();
    void ReadParameter();
    bool ReadAttributeList();
    void ReportInvalidParameters(const char* reportDescription) const;
    void LinkToScopeParameter();
    bool AtEnd() const { return m_position >= m_text.GetLength(); }
    char CurrentChar() const { return m_text[m_position]; }

    std::vector<std::unique_ptr<CParameter>> m_parameters;
    int m_position = 0;
    CParameter* m_listMaster = nullptr;
    CString m_text;
    bool m_bracketPending = false;
    bool m_insideList = false;
    bool m_attributeListAllowed = false;
};
