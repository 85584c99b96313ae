// The Save As dialog of the results: a save dialog over a list of file types
// written as "HTML Files(*.htm)|XML Files(*.xml)", that keeps the extension of
// the name in the file-name box in step with the type the user picks.
#pragma once
#include "afx/CFileDialog.h"
#include <string>
#include <vector>

class CFileExportDialog : public CFileDialog {
public:
    CFileExportDialog(const char* title, const char* filterText, const char* initialName);
    ~CFileExportDialog() override = default;

    // The 1-based index of the chosen type.
    int GetChosenType() const { return m_chosenType; }

    // The extension a type stands for: its pattern without the pattern's first
    // character, as ".xml" for "XML Files(*.xml)".
    static CString ExtensionOfType(const CString& typeText);
    // The name in the file-name box given the extension of a newly chosen type.
    static CString RenameForType(const CString& name, const CString& extension);

    static const int kFileNameSize = 256;

protected:
    void OnTypeChange() override;

private:
    static const int kMaxTypes = 20;
    static const int kFileNameBox = 1148;
    static const int kTypeBox = 1136;

    void BuildFilter(const CString& filterText);
    void ChooseTypeOfName(const CString& name);

    std::string m_title;
    std::vector<char> m_filter;
    char m_fileName[kFileNameSize] = "";
    int m_chosenType = 1;
    std::vector<CString> m_extensions;
};
