#include "builder/Report.h"
#include "afx/AfxResources.h"
#include "reportmodel/ReportModelStrings.h"

bool CReport::AreAllSet() const
{
    for (int index = 0; index < m_parameters.GetCount(); ++index)
        if (!m_parameters.GetAt(index)->IsModified())
            return false;
    return true;
}

void CReport::ResetAll()
{
    for (int index = 0; index < m_parameters.GetCount(); ++index)
        m_parameters.GetAt(index)->Reset();
}

// Each piece is tested before it is appended; the viewer splits its command
// line at back-quotes, so one inside a value would cut it short.
bool CReport::GetViewerCommandLine(CString& commandLine) const
{
    const CString illegalText = LoadText(IDS_ILLEGAL_BACKQUOTE_TEXT);
    const CString illegalCaption = LoadText(IDS_ILLEGAL_BACKQUOTE_CAPTION);
    auto refused = [&](const CString& piece) {
        if (piece.Find('`') < 0)
            return false;
        ::MessageBoxA(nullptr, illegalText, illegalCaption, MB_OK);
        return true;
    };

    const CScriptFileInfo script = m_script;
    const CString command = script.GetCommandLine();
    if (refused(command))
        return false;
    CString line = "`E:" + command;

    const CString folder = script.GetFileDrive() + script.GetFileDir();
    if (refused(folder))
        return false;
    line += "`D:\"" + folder + "\" ";

    const CString arguments = m_parameters.GetArguments();
    if (refused(arguments))
        return false;
    if (!arguments.IsEmpty())
        line += "`P:" + arguments;

    const CString fields = m_fields.GetHeaderText();
    if (refused(fields))
        return false;
    line += " ";
    if (!fields.IsEmpty())
        line += "`F:" + fields;

    const CString rightClick = script.GetRightClick();
    if (refused(rightClick))
        return false;
    if (!rightClick.IsEmpty())
        line += "`R:" + rightClick;

    const CString description = script.GetDescription();
    if (refused(description))
        return false;
    line += " ";
    if (!description.IsEmpty())
        line += "`T:" + description;

    commandLine = line + " ";
    return true;
}
