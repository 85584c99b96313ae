#include "viewer/XmlExport.h"
#include <string>

namespace {
bool IsAsciiLetter(char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

bool IsNameChar(char ch)
{
    return IsAsciiLetter(ch) || (ch >= '0' && ch <= '9') || ch == '_' || ch == '-' || ch == '.';
}

bool IsAllowedControl(wchar_t ch)
{
    return ch == '\t' || ch == '\n' || ch == '\r';
}

std::wstring ToWide(const char* text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(length > 0 ? length : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(wide.size() - 1);
    return wide;
}
}

bool CXmlExport::WriteResultsXml(const char* path, const char* templatePath) const
{
    Output output{ CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr) };
    if (output.file == INVALID_HANDLE_VALUE)
        return false;
    WriteDocument(output, templatePath);
    if (!CloseHandle(output.file) && output.error == ERROR_SUCCESS)
        output.error = GetLastError();
    if (output.error == ERROR_SUCCESS)
        return true;
    // A document cut short must not pass for a saved one.
    DeleteFileA(path);
    SetLastError(output.error);
    return false;
}

// Stops at the first failed write: a full disk fails every write after it.
void CXmlExport::WriteDocument(Output& output, const char* templatePath) const
{
    WriteHeader(output, templatePath);
    for (const CFields* row : m_report.rows) {
        if (output.error != ERROR_SUCCESS)
            return;
        WriteRow(output, *row);
    }
    WritePiece(output, "</Report>\n");
}

void CXmlExport::WriteHeader(Output& output, const char* templatePath) const
{
    CString piece;
    WritePiece(output, "<?xml version=\"1.0\"?>\n");
    if (templatePath && *templatePath) {
        piece.Format("<?xml:stylesheet type=\"text/xsl\" href=\"%s\" ?>", Escape(templatePath).GetString());
        WritePiece(output, piece);
    }
    WritePiece(output, "<Report>\n");
    piece.Format("<ReportTitle>%s</ReportTitle>\n", Escape(m_report.title).GetString());
    WritePiece(output, piece);
    piece.Format("<RunDate>%s</RunDate>\n", Escape(CExportedReport::FormatRunTime(m_report.startTime)).GetString());
    WritePiece(output, piece);
    piece.Format("<Parameters>%s</Parameters>\n", Escape(m_report.parameters).GetString());
    WritePiece(output, piece);
    WritePiece(output, "<Header>\n");
    for (int i = 0; m_report.fieldModel && i < m_report.fieldModel->GetCount(); ++i) {
        const CField& field = *m_report.fieldModel->GetAt(i);
        if (!field.IsVisible())
            continue;
        piece.Format("<Column Label=\"%s\" Type=\"%s\"/>\n", Escape(field.GetName()).GetString(),
                     Escape(field.GetType()).GetString());
        WritePiece(output, piece);
    }
    WritePiece(output, "</Header>\n");
}

void CXmlExport::WriteRow(Output& output, const CFields& row) const
{
    WritePiece(output, "<Row>\n");
    for (int i = 0; i < row.GetCount(); ++i) {
        const CField& field = *row.GetAt(i);
        if (!field.IsVisible())
            continue;
        const CString element = ElementName(field.GetType());
        CString piece;
        piece.Format("<%s>%s</%s>\n", element.GetString(), Escape(field.GetValueText()).GetString(),
                     element.GetString());
        WritePiece(output, piece);
    }
    WritePiece(output, "</Row>\n");
}

void CXmlExport::WritePiece(Output& output, const CString& piece)
{
    if (output.error != ERROR_SUCCESS)
        return;
    DWORD written = 0;
    if (!WriteFile(output.file, piece.GetString(), piece.GetLength(), &written, nullptr))
        output.error = GetLastError();
    else if (written < static_cast<DWORD>(piece.GetLength()))
        output.error = ERROR_DISK_FULL;
}

CString CXmlExport::Escape(const char* text)
{
    CString escaped;
    for (wchar_t ch : ToWide(text)) {
        switch (ch) {
        case L'<': escaped += "&lt;"; break;
        case L'>': escaped += "&gt;"; break;
        case L'&': escaped += "&amp;"; break;
        case L'"': escaped += "&quot;"; break;
        default:
            if (ch < 0x20 && !IsAllowedControl(ch))
                escaped += "&#xFFFD;";
            else if (ch < 0x80)
                escaped += static_cast<char>(ch);
            else
                escaped.AppendFormat("&#%u;", static_cast<unsigned>(ch));
        }
    }
    return escaped;
}

CString CXmlExport::ElementName(const CString& type)
{
    bool valid = !type.IsEmpty() && (IsAsciiLetter(type[0]) || type[0] == '_');
    for (int i = 1; valid && i < type.GetLength(); ++i)
        valid = IsNameChar(type[i]);
    return valid ? type : CString("Value");
}
