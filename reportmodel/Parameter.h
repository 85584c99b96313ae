// One parameter a report declares by keyword. Its prompt, from the string
// table, is split into elements: the literal text around the kind word, and the
// kind word itself as the value the user replaces ("Select <pathnames> in view
// to report on" gives "Select ", "pathnames" and " in view to report on").
#pragma once
#include "reportmodel/ParameterElement.h"
#include <memory>
#include <vector>

class CParameter {
public:
    CParameter() = default;
    virtual ~CParameter() = default;
    CParameter(const CParameter&) = delete;
    CParameter& operator=(const CParameter&) = delete;

    // Takes the keyword's type code, flags and prompt; an unknown keyword
    // (compared with case) leaves the parameter not valid and without elements.
    void SetType(const char* keyword);

    bool IsValid() const { return m_valid; }
    const CString& GetName() const { return m_name; }
    int GetTypeCode() const { return m_typeCode; }
    bool NeedsScope() const { return m_needsScope; }
    bool IsScope() const { return m_scope; }
    // The parameter whose value must be set first, or null.
    CParameter* GetMaster() const { return m_master; }
    void SetMaster(CParameter* master) { m_master = master; }

    int GetElementCount() const { return static_cast<int>(m_elements.size()); }
    // The element of an index, or null outside the prompt.
    CParameterElement* GetElement(int index) const;

    // The texts of all elements joined: the prompt with the values entered.
    CString GetText() const;
    CString GetSavedText() const;
    // The texts of the value elements the user changed, joined.
    CString GetValue() const;
    // The prompt holds nothing to edit.
    bool IsFixedText() const;
    bool IsModified() const;
    void Reset();
    // name=\"value\"; for each changed value, as the script's arguments carry it.
    CString GetArguments() const;

private:
    void SplitPrompt(const CString& prompt);
    void AddElement(const CString& text, int editorKind);

    bool m_valid = true;
    std::vector<std::unique_ptr<CParameterElement>> m_elements;
    CString m_name;
    CParameter* m_master = nullptr;
    bool m_needsScope = false;
    bool m_scope = false;
    int m_typeCode = 0;
};
