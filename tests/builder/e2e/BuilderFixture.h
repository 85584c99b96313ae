// Maldrin.exe of the installed product, started for each test, with the
// product's settings and the ways to its sample reports.
#pragma once
#include "envlib/ProductEnv.h"
#include "tests/builder/e2e/BuilderProcess.h"
#include "tests/support/RegistryText.h"
#include "tests/support/WindowPump.h"
#include <gtest/gtest.h>
#include <memory>

typedef std::vector<std::string> Texts;

const int kRunReport = 32771;

inline std::string Setting(const char* name)
{
    return RegistryText(HKEY_LOCAL_MACHINE, kProductVersionKey, name);
}

inline std::string Builder()
{
    return Setting("ProductHome") + "\\bin\\Maldrin.exe";
}

class BuilderFixture : public testing::Test {
protected:
    void SetUp() override
    {
        m_builder = std::make_unique<BuilderProcess>(Builder());
        ASSERT_NE(m_builder->WaitForFrame(), nullptr) << "Maldrin's main window did not show";
    }

    // Selects the folder under the tree's root and waits for its reports.
    void OpenFolder(const std::string& name, int expectedRows)
    {
        RemoteTreeView& tree = m_builder->Tree();
        HTREEITEM folder = tree.Child(tree.Root(), name);
        ASSERT_NE(folder, nullptr) << "no folder " << name;
        ASSERT_TRUE(tree.Select(folder));
        ASSERT_TRUE(PumpUntil([&] { return m_builder->Reports().ItemCount() == expectedRows; }))
            << m_builder->Reports().ItemCount() << " rows in " << name << ": " << CommaJoined(ReportRows());
    }

    Texts ReportRows() const
    {
        Texts rows;
        for (const auto& row : m_builder->Reports().Rows())
            rows.push_back(row[0]);
        return rows;
    }

    // Makes the report with this description current and waits for its parameter lines.
    void ChooseReport(const std::string& description, size_t parameterLines)
    {
        const Texts rows = ReportRows();
        auto found = std::find(rows.begin(), rows.end(), description);
        ASSERT_NE(found, rows.end()) << "no report " << description;
        m_builder->Reports().Select({ static_cast<int>(found - rows.begin()) });
        ASSERT_TRUE(PumpUntil([&] { return m_builder->ParameterLines().size() == parameterLines; }));
    }

    std::unique_ptr<BuilderProcess> m_builder;
};
