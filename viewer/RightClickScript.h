// One entry of a report's right-click scripts: a script in the reports folder's
// "scripts_rightclick\" that the user runs on selected result rows, or a menu
// separator. The scopes say for how many selected rows the entry is offered.
#pragma once
#include "reportmodel/Fields.h"
#include <comutil.h>
#include <vector>

class CRightClickScript {
public:
    CRightClickScript() = default;
    CRightClickScript(const CRightClickScript&) = default;
    CRightClickScript& operator=(const CRightClickScript&) = default;
    virtual ~CRightClickScript() = default;

    // Fills the entry from a script name as written in the right-click text.
    void SetScriptFile(const char* name);

    void SetScopes(bool single, bool multiple);
    void SetSingle(bool single) { m_single = single; }
    void SetMultiple(bool multiple) { m_multiple = multiple; }

    bool IsSeparator() const { return m_separator; }
    bool IsSingle() const { return m_single; }
    bool IsMultiple() const { return m_multiple; }
    // Single scope below two selected rows, multiple scope from two on.
    bool IsUsableFor(int selectedCount) const { return selectedCount < 2 ? m_single : m_multiple; }

    const CString& GetFileName() const { return m_fileName; }
    const CString& GetMenuText() const { return m_menuText; }
    const CString& GetInterpreterPrefix() const { return m_interpreterPrefix; }

    // The script's path: the reports folder's "scripts_rightclick\" and the file name.
    CString GetScriptPath(const _bstr_t& reportsFolder) const;
    // The interpreter prefix, a blank and the quoted path; a program without
    // interpreter starts with its quoted path.
    CString GetCommandLine(const _bstr_t& reportsFolder) const;
    // What the script reads on its standard input: for each row, in the order
    // given, the value of its right-click field and "\n". A row without a
    // right-click field gives an empty line, so line n still stands for row n.
    static CString BuildInputText(const std::vector<const CFields*>& selectedRows);
    // Starts the script on the selected rows and does not wait for it; what it
    // prints is not captured. A script that is not there is reported in a box
    // and nothing runs; without selected rows nothing runs either.
    void Run(const _bstr_t& reportsFolder, const std::vector<const CFields*>& selectedRows) const;

private:
    static CString ExtensionOf(const CString& name);
    static CString InterpreterPrefixFor(const CString& extension);

    bool m_separator = false;
    bool m_single = true;
    bool m_multiple = true;
    CString m_fileName;
    CString m_menuText;
    CString m_interpreterPrefix;
};
