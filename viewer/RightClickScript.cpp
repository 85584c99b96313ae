#include "RightClickScript.h"

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
