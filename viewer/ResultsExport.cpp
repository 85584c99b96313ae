#include "viewer/ResultsExport.h"
#include "viewer/FileExportDialog.h"
#include "viewer/ResultsSaveScript.h"
#include "viewer/XmlExport.h"
#include "viewer/Resource.h"
#include "afx/FileException.h"

void CResultsExport::SaveAs() const
{
    CFileExportDialog dialog("Save Report Data As", "HTML Files(*.htm)|XML Files(*.xml)|Comma Separated(*.csv)", "");
    if (dialog.DoModal() == IDOK)
        Save(dialog.GetPathName(), dialog.GetChosenType());
}

void CResultsExport::Save(const char* path, int type) const
{
    switch (type) {
    case kHtml:
        CResultsSaveScript(m_report).SaveResultsByScript(m_reportsFolder, path, "html");
        break;
    case kCsv:
        CResultsSaveScript(m_report).SaveResultsByScript(m_reportsFolder, path, "csv");
        break;
    case kXml:
        if (!CXmlExport(m_report).WriteResultsXml(path, ChooseTemplate()))
            ShowSaveFailure(path, GetLastError());
        break;
    }
}

CString CResultsExport::ChooseTemplate() const
{
    const CString toolsFolder = CResultsSaveScript::GetToolsFolder(m_reportsFolder);
    CFileDialog dialog(TRUE, "xsl", "table", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "XSL Files(*.xsl)|*.xsl||");
    dialog.m_ofn.lpstrTitle = "Select HTML Template";
    dialog.m_ofn.lpstrInitialDir = toolsFolder;
    dialog.m_ofn.nFilterIndex = 1;
    return dialog.DoModal() == IDOK ? dialog.GetPathName() : CString();
}

// Names the file and gives the system's reason, so the user knows the rows are not saved.
void CResultsExport::ShowSaveFailure(const char* path, DWORD error) const
{
    CString text;
    text.Format(LoadText(IDS_SAVE_FAILED), path, SystemErrorText(error).Trim().GetString());
    MessageBoxA(m_owner, text, LoadText(IDS_APP_TITLE), MB_OK | MB_ICONERROR);
}
