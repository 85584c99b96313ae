#include "builder/Report.h"
#include "builder/Resource.h"
#include "reportmodel/CommandLineMap.h"
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

namespace {
// No value holds a back-quote, so each one of the line starts a switch. The
// viewer's splitter skips those inside double quotes: an unpaired quote in one
// value would join the switches after it to that value.
bool SplitsAsWritten(const CString& line)
{
    const CCommandLineMap viewer(line);
    int switches = 0;
    for (int start = line.Find('`'); start >= 0; ++switches) {
        const int end = line.Find('`', start + 1);
        const CString token = end < 0 ? line.Mid(start + 1) : line.Mid(start + 1, end - start - 1);
        const int colon = token.Find(':');
        CString value;
        if (!viewer.Lookup(token.Left(colon), value) || value != token.Mid(colon + 1))
            return false;
        start = end;
    }
    return viewer.GetCount() == switches;
}

bool HoldsBackQuote(const CString& piece)
{
    return piece.Find('`') >= 0;
}
}

// Each piece is tested before it is appended; the viewer splits its command
// line at back-quotes, so one inside a value would cut it short.
UINT CReport::GetViewerCommandLine(CString& commandLine) const
{
    const CScriptFileInfo script = m_script;
    const CString command = script.GetCommandLine();
    if (HoldsBackQuote(command))
        return IDS_ILLEGAL_BACKQUOTE_TEXT;
    CString line = "`E:" + command;

    const CString folder = script.GetFileDrive() + script.GetFileDir();
    if (HoldsBackQuote(folder))
        return IDS_ILLEGAL_BACKQUOTE_TEXT;
    line += "`D:\"" + folder + "\" ";

    const CString arguments = m_parameters.GetArguments();
    if (HoldsBackQuote(arguments))
        return IDS_ILLEGAL_BACKQUOTE_TEXT;
    if (!arguments.IsEmpty())
        line += "`P:" + arguments;

    const CString fields = m_fields.GetHeaderText();
    if (HoldsBackQuote(fields))
        return IDS_ILLEGAL_BACKQUOTE_TEXT;
    line += " ";
    if (!fields.IsEmpty())
        line += "`F:" + fields;

    const CString rightClick = script.GetRightClick();
    if (HoldsBackQuote(rightClick))
        return IDS_ILLEGAL_BACKQUOTE_TEXT;
    if (!rightClick.IsEmpty())
        line += "`R:" + rightClick;

    const CString description = script.GetDescription();
    if (HoldsBackQuote(description))
        return IDS_ILLEGAL_BACKQUOTE_TEXT;
    line += " ";
    if (!description.IsEmpty())
        line += "`T:" + description;
    line += " ";

    if (!SplitsAsWritten(line))
        return IDS_UNPAIRED_QUOTE_TEXT;
    commandLine = line;
    return 0;
}
