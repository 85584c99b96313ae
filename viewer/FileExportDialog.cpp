#include "viewer/FileExportDialog.h"
#include "reportmodel/StringTokenizer.h"
#include <algorithm>

CFileExportDialog::CFileExportDialog(const char* title, const char* filterText, const char* initialName)
    : CFileDialog(FALSE, "", initialName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, nullptr, nullptr, 0, FALSE),
      m_title(title ? title : "")
{
    m_ofn.lpstrTitle = m_title.c_str();
    BuildFilter(filterText);

    const CString name = initialName ? initialName : "";
    if (name.IsEmpty() && !m_extensions.empty())
        lstrcpynA(m_fileName, "*" + m_extensions.front(), kFileNameSize);
    else
        lstrcpynA(m_fileName, name, kFileNameSize);
    m_ofn.lpstrFile = m_fileName;
    m_ofn.nMaxFile = kFileNameSize;

    ChooseTypeOfName(name);
    m_ofn.nFilterIndex = m_chosenType;
}

// The system wants pairs of description and pattern, each ended by a NUL, and
// one more NUL after the last pair.
void CFileExportDialog::BuildFilter(const CString& filterText)
{
    CString pairs;
    CStringTokenizer tokenizer(filterText + "|", "|");
    CString type;
    while (static_cast<int>(m_extensions.size()) < kMaxTypes && tokenizer.NextToken(type, true)) {
        const int open = type.ReverseFind('(');
        const int close = type.ReverseFind(')');
        const CString pattern = open >= 0 && close > open ? type.Mid(open + 1, close - open - 1) : CString();
        pairs += type + "|" + pattern + "|";
        m_extensions.push_back(pattern.Mid(pattern.IsEmpty() ? 0 : 1));
    }
    m_filter.assign(pairs.GetString(), pairs.GetString() + pairs.GetLength() + 1);
    for (char& ch : m_filter)
        if (ch == '|')
            ch = '\0';
    m_ofn.lpstrFilter = m_extensions.empty() ? nullptr : m_filter.data();
}

void CFileExportDialog::ChooseTypeOfName(const CString& name)
{
    const int dot = name.Find('.');
    if (dot < 0)
        return;
    const CString extension = name.Mid(dot);
    for (size_t i = 0; i < m_extensions.size(); ++i)
        if (m_extensions[i].Compare(extension) == 0) {
            m_chosenType = static_cast<int>(i) + 1;
            return;
        }
}

void CFileExportDialog::OnTypeChange()
{
    HWND dialog = ::GetParent(m_hWnd);
    char name[kFileNameSize] = "";
    char type[kFileNameSize] = "";
    ::GetDlgItemTextA(dialog, kFileNameBox, name, kFileNameSize);
    ::GetDlgItemTextA(dialog, kTypeBox, type, kFileNameSize);
    ::SetDlgItemTextA(dialog, kFileNameBox, RenameForType(name, ExtensionOfType(type)));
    m_chosenType = static_cast<int>(::SendDlgItemMessageA(dialog, kTypeBox, CB_GETCURSEL, 0, 0)) + 1;
}

CString CFileExportDialog::ExtensionOfType(const CString& typeText)
{
    const int star = typeText.Find('*');
    if (star < 0)
        return CString();
    const int close = typeText.Find(')', star);
    return close < 0 ? typeText.Mid(star + 1) : typeText.Mid(star + 1, close - star - 1);
}

// The extension replaces everything from the first dot of the name's last
// path component on, so a dot in a folder name typed into the box stays.
CString CFileExportDialog::RenameForType(const CString& name, const CString& extension)
{
    if (name.IsEmpty())
        return "*" + extension;
    const int nameStart = std::max(name.ReverseFind('\\'), name.ReverseFind('/')) + 1;
    const int dot = name.Find('.', nameStart);
    return dot < 0 ? name + extension : name.Left(dot) + extension;
}
