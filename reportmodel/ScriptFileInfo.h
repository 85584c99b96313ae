// One report script on disk and what it says about itself when run with "-i":
// a header of "key: value" lines giving its description, id, help file,
// parameters, right-click scripts and fields.
#pragma once
#include "reportmodel/FileInfo.h"

class CScriptFileInfo : public CFileInfo {
public:
    CScriptFileInfo() = default;
    // The file data only; the self-description is empty.
    explicit CScriptFileInfo(const CFileInfo& file);

    // Both run the script's self-description unless the record is a folder.
    void Create(const char* path, DWORD callerWord) override;
    void Create(const WIN32_FIND_DATAA& entry, const char* folder, DWORD callerWord) override;

    // Not a folder, and one of the extensions .prl, .pl, .vbs, .js, .exe.
    bool IsScript() const;
    // The interpreter of the script's kind, the quoted path and one blank.
    CString GetCommandLine() const;

    void QueryInfo();
    void RunInfoQuery(const char* argument);
    void ParseInfo(const char* text);
    CString GetInfoValue(const char* key) const;

    const CString& GetInfo() const { return m_info; }
    CString GetDescription() const { return m_description; }
    int GetId() const { return m_id; }
    CString GetHelpFile() const { return m_helpFile; }
    CString GetParameters() const { return m_parameters; }
    CString GetRightClick() const { return m_rightClick; }
    CString GetFields() const { return m_fields; }

private:
    void QueryInfoUnlessFolder();

    CString m_info = "Usage";
    CString m_description;
    int m_id = 0;
    CString m_helpFile;
    CString m_parameters;
    CString m_rightClick;
    CString m_fields;
};
