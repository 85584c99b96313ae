#include "viewer/RightClickScript.h"
#include "reportmodel/ApplicationLauncher.h"
#include "envlib/BstrHelpers.h"
#include "viewer/Resource.h"

void CRightClickScript::SetScriptFile(const char* name)
{
    m_fileName = name;
    if (m_fileName.CompareNoCase("SEP") == 0) {
        m_separator = true;
        return;
    }
    CString extension = ExtensionOf(m_fileName);
    if (extension.IsEmpty()) {
        extension = ".prl";
        m_fileName += extension;
    }
    m_interpreterPrefix = InterpreterPrefixFor(extension);
    m_menuText = m_fileName.Left(m_fileName.GetLength() - extension.GetLength());
    m_menuText.Replace('_', ' ');
}

void CRightClickScript::SetScopes(bool single, bool multiple)
{
    m_single = single;
    m_multiple = multiple;
}

// The extension with its dot: from the last dot of the name's last path component.
CString CRightClickScript::ExtensionOf(const CString& name)
{
    const int dot = name.ReverseFind('.');
    if (dot < 0 || name.Find('\\', dot) >= 0 || name.Find('/', dot) >= 0)
        return CString();
    return name.Mid(dot);
}

CString CRightClickScript::InterpreterPrefixFor(const CString& extension)
{
    if (extension.CompareNoCase(".prl") == 0)
        return "kvperl ";
    if (extension.CompareNoCase(".pl") == 0)
        return "perl ";
    if (extension.CompareNoCase(".vbs") == 0 || extension.CompareNoCase(".js") == 0)
        return "cscript \"/nologo\" ";
    return CString();
}

CString CRightClickScript::GetScriptPath(const _bstr_t& reportsFolder) const
{
    _bstr_t folder = reportsFolder;
    AppendBackslash(folder);
    return CString(static_cast<const char*>(folder)) + "scripts_rightclick\\" + m_fileName;
}

CString CRightClickScript::GetCommandLine(const _bstr_t& reportsFolder) const
{
    CString commandLine = m_interpreterPrefix + " \"" + GetScriptPath(reportsFolder) + "\"";
    // A program without interpreter would otherwise follow a blank, and the
    // system finds no program to start in a command line that opens with one.
    commandLine.TrimLeft();
    return commandLine;
}

CString CRightClickScript::BuildInputText(const std::vector<const CFields*>& selectedRows)
{
    CString input;
    for (const CFields* row : selectedRows) {
        if (const CField* key = row->GetRightClickField())
            input += key->GetValueText();
        input += "\n";
    }
    return input;
}

void CRightClickScript::Run(const _bstr_t& reportsFolder, const std::vector<const CFields*>& selectedRows) const
{
    const CString path = GetScriptPath(reportsFolder);
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) {
        CString format;
        format.LoadString(IDS_SCRIPT_NOT_FOUND);
        CString message;
        message.Format(format, path.GetString());
        MessageBoxA(nullptr, message, "Script Error", MB_OK);
        return;
    }
    if (selectedRows.empty())
        return;
    // The launcher never captures the output of a script under "\scripts_rightclick\".
    CApplicationLauncher launcher(GetCommandLine(reportsFolder), nullptr, reportsFolder);
    launcher.m_inputText = BuildInputText(selectedRows);
    launcher.Start();
}
