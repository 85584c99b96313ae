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
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    WriteHeader(file, templatePath);
    for (const CFields* row : m_report.rows)
        WriteRow(file, *row);
    WritePiece(file, "</Report>\n");
    CloseHandle(file);
    return true;
}

void CXmlExport::WriteHeader(HANDLE file, const char* templatePath) const
{
    CString piece;
    WritePiece(file, "<?xml version=\"1.0\"?>\n");
    if (templatePath && *templatePath) {
        piece.Format("<?xml:stylesheet type=\"text/xsl\" href=\"%s\" ?>", Escape(templatePath).GetString());
        WritePiece(file, piece);
    }
    WritePiece(file, "<Report>\n");
    piece.Format("<ReportTitle>%s</ReportTitle>\n", Escape(m_report.title).GetString());
    WritePiece(file, piece);
    piece.Format("<RunDate>%s</RunDate>\n", Escape(CExportedReport::FormatRunTime(m_report.startTime)).GetString());
    WritePiece(file, piece);
    piece.Format("<Parameters>%s</Parameters>\n", Escape(m_report.parameters).GetString());
    WritePiece(file, piece);
    WritePiece(file, "<Header>\n");
    for (int i = 0; m_report.fieldModel && i < m_report.fieldModel->GetCount(); ++i) {
        const CField& field = *m_report.fieldModel->GetAt(i);
        if (!field.IsVisible())
            continue;
        piece.Format("<Column Label=\"%s\" Type=\"%s\"/>\n", Escape(field.GetName()).GetString(),
                     Escape(field.GetType()).GetString());
        WritePiece(file, piece);
    }
    WritePiece(file, "</Header>\n");
}

void CXmlExport::WriteRow(HANDLE file, const CFields& row) const
{
    WritePiece(file, "<Row>\n");
    for (int i = 0; i < row.GetCount(); ++i) {
        const CField& field = *row.GetAt(i);
        if (!field.IsVisible())
            continue;
        const CString element = ElementName(field.GetType());
        CString piece;
        piece.Format("<%s>%s</%s>\n", element.GetString(), Escape(field.GetValueText()).GetString(),
                     element.GetString());
        WritePiece(file, piece);
    }
    WritePiece(file, "</Row>\n");
}

void CXmlExport::WritePiece(HANDLE file, const CString& piece)
{
    DWORD written = 0;
    WriteFile(file, piece.GetString(), piece.GetLength(), &written, nullptr);
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
