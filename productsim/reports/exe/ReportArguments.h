// The argument text of a report program: "NAME=\"value\"; ..." with every
// blank turned into '%' on the way, and the values' quoted paths.
#pragma once
#include <map>
#include <string>
#include <vector>

class CReportArguments {
public:
    CReportArguments(int argc, char** argv);

    bool IsInfoQuery() const { return m_infoQuery; }
    std::string Value(const std::string& name) const;
    // The quoted parts of a value, or the whole value when it has none.
    std::vector<std::string> Paths(const std::string& name) const;

private:
    bool m_infoQuery = false;
    std::map<std::string, std::string> m_values;
};
