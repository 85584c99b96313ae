// The argument text of a report program: "NAME=\"value\"; ..." with every
// blank turned into '%' on the way, and the values' quoted paths.
#pragma once
#include <string>
#include <utility>
#include <vector>

class CReportArguments {
public:
    using Argument = std::pair<std::string, std::string>;

    CReportArguments(int argc, char** argv);

    bool IsInfoQuery() const { return m_infoQuery; }
    // A name given twice has its last value.
    std::string Value(const std::string& name) const;
    // Every NAME and value in the order received, a name given twice twice.
    const std::vector<Argument>& InOrder() const { return m_arguments; }
    // The quoted parts of a value, or the whole value when it has none.
    std::vector<std::string> Paths(const std::string& name) const;

private:
    bool m_infoQuery = false;
    std::vector<Argument> m_arguments;
};
