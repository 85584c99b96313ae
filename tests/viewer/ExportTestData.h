// A small report for the export tests: three visible fields (one of them
// without a type) and a hidden one.
#pragma once
#include "viewer/ExportedReport.h"
#include "tests/support/WatchedParse.h"
#include <gtest/gtest.h>
#include <memory>
#include <string>

class ExportTestData {
public:
    ExportTestData()
    {
        const WatchedParse parse = WatchParse(
            [this] { return m_model.Parse("\"Name\"(string, rightclick) \"Size\"(Integer) \"Secret\"(string, hidden) \"Note\""); });
        EXPECT_TRUE(parse.parsed);
        EXPECT_TRUE(parse.boxes.empty());
        m_report.title = "Sizes & <names>";
        m_report.parameters = "-path%\"C:\\a&b\"";
        m_report.startTime = StartTime();
        m_report.endTime = EndTime();
        m_report.fieldModel = &m_model;
    }
    ExportTestData(const ExportTestData&) = delete;
    ExportTestData& operator=(const ExportTestData&) = delete;

    void AddRow(const char* name, const char* size, const char* secret, const char* note)
    {
        auto row = std::make_unique<CFields>(m_model);
        const char* values[] = { name, size, secret, note };
        for (int i = 0; i < 4; ++i)
            row->GetAt(i)->SetValue(_variant_t(values[i]));
        m_report.rows.push_back(row.get());
        m_rows.push_back(std::move(row));
    }

    const CExportedReport& Report() const { return m_report; }
    CExportedReport& Report() { return m_report; }
    CField& ModelField(int index) { return *m_model.GetAt(index); }

    // 8 December 2026, 19:54:23 and 20:01:05.
    static DATE StartTime() { return MakeDate(19, 54, 23); }
    static DATE EndTime() { return MakeDate(20, 1, 5); }

    // Long date and long time as the system formats them for the user.
    static std::string ExpectedRunTime(DATE date)
    {
        SYSTEMTIME time = {};
        VariantTimeToSystemTime(date, &time);
        char day[128] = "";
        char clock[128] = "";
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, &time, nullptr, day, sizeof day);
        GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, clock, sizeof clock);
        return std::string(day) + " " + clock;
    }

private:
    static DATE MakeDate(WORD hour, WORD minute, WORD second)
    {
        SYSTEMTIME time = {};
        time.wYear = 2026;
        time.wMonth = 12;
        time.wDay = 8;
        time.wHour = hour;
        time.wMinute = minute;
        time.wSecond = second;
        DATE date = 0;
        SystemTimeToVariantTime(&time, &date);
        return date;
    }

    CFields m_model;
    std::vector<std::unique_ptr<CFields>> m_rows;
    CExportedReport m_report;
};
