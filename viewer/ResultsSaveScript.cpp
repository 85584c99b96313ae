#include "viewer/ResultsSaveScript.h"
#include "reportmodel/ApplicationLauncher.h"
#include "envlib/BstrHelpers.h"
#include "viewer/Resource.h"

CString CResultsSaveScript::GetToolsFolder(const _bstr_t& reportsFolder)
{
    _bstr_t folder = reportsFolder;
    AppendBackslash(folder);
    return CString(static_cast<const char*>(folder)) + "script_tools\\";
}

CString CResultsSaveScript::BuildCommandLine(const char* scriptPath, const char* kind, const char* outputPath)
{
    CString commandLine;
    commandLine.Format("kvperl \"%s\" -%s -out \"%s\" ", scriptPath, kind, outputPath);
    return commandLine;
}

CString CResultsSaveScript::BuildInputText() const
{
    CString input;
    input += "description : \"" + m_report.title + "\"\n";
    input += "parameters : " + ParametersText() + "\n";
    input += "fields : " + FieldsText() + "\n";
    input += "time_started : " + CExportedReport::FormatRunTime(m_report.startTime) + "\n";
    input += "time_ended : " + CExportedReport::FormatRunTime(m_report.endTime) + "\n";
    input += "results :";
    for (const CFields* row : m_report.rows)
        input += RowText(*row) + "\n";
    return input;
}

// Each details pair as name and value, one pair a line, so the continuation
// values of a parameter stand on lines of their own.
CString CResultsSaveScript::ParametersText() const
{
    if (m_report.detailsLines.empty()) {
        CString none;
        none.LoadString(IDS_NONE);
        return none;
    }
    CString text;
    for (const auto& line : m_report.detailsLines) {
        if (&line != &m_report.detailsLines.front())
            text += "\n";
        text += line.first + line.second;
    }
    return text;
}

CString CResultsSaveScript::FieldsText() const
{
    CString text;
    for (int i = 0; m_report.fieldModel && i < m_report.fieldModel->GetCount(); ++i) {
        const CField& field = *m_report.fieldModel->GetAt(i);
        if (field.IsVisible())
            text += "\"" + field.GetName() + "\"; ";
    }
    return text;
}

CString CResultsSaveScript::RowText(const CFields& row)
{
    CString text;
    for (int i = 0; i < row.GetCount(); ++i) {
        const CField& field = *row.GetAt(i);
        if (field.IsVisible())
            text += field.GetValueText() + ";";
    }
    return text;
}

void CResultsSaveScript::SaveResultsByScript(const _bstr_t& reportsFolder, const char* outputPath, const char* kind) const
{
    const CString toolsFolder = GetToolsFolder(reportsFolder);
    CApplicationLauncher launcher(BuildCommandLine(toolsFolder + "save_results.prl", kind, outputPath), nullptr,
                                  toolsFolder);
    launcher.m_inputText = BuildInputText();
    launcher.Start();
}
