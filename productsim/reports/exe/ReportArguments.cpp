#include "productsim/reports/exe/ReportArguments.h"

CReportArguments::CReportArguments(int argc, char** argv)
{
    std::string text;
    for (int i = 1; i < argc; ++i)
        text += std::string(i > 1 ? " " : "") + argv[i];
    m_infoQuery = text == "-i";
    for (char& c : text) {
        if (c == '%')
            c = ' ';
    }
    size_t at = 0;
    while ((at = text.find("=\"", at)) != std::string::npos) {
        size_t nameStart = at;
        while (nameStart > 0 && (isalnum(static_cast<unsigned char>(text[nameStart - 1])) || text[nameStart - 1] == '_'))
            --nameStart;
        size_t end = text.find("\";", at + 2);
        if (end == std::string::npos)
            break;
        m_arguments.emplace_back(text.substr(nameStart, at - nameStart), text.substr(at + 2, end - at - 2));
        at = end + 2;
    }
}

std::string CReportArguments::Value(const std::string& name) const
{
    for (auto argument = m_arguments.rbegin(); argument != m_arguments.rend(); ++argument) {
        if (argument->first == name)
            return argument->second;
    }
    return std::string();
}

std::vector<std::string> CReportArguments::Paths(const std::string& name) const
{
    std::string value = Value(name);
    std::vector<std::string> paths;
    size_t open = value.find('"');
    while (open != std::string::npos) {
        size_t close = value.find('"', open + 1);
        if (close == std::string::npos)
            break;
        paths.push_back(value.substr(open + 1, close - open - 1));
        open = value.find('"', close + 1);
    }
    size_t first = value.find_first_not_of(' ');
    if (paths.empty() && first != std::string::npos)
        paths.push_back(value.substr(first, value.find_last_not_of(' ') - first + 1));
    return paths;
}
