#include "reportmodel/DateTimeText.h"
#include "reportmodel/StringTokenizer.h"
#include <cstdio>
#include <ctime>

namespace {

const char* const kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool ReadDecimal(const char* text, int& number)
{
    return sscanf(text, "%d", &number) == 1;
}

int MonthOfName(const CString& name)
{
    for (int month = 1; month <= 12; ++month)
        if (name.CompareNoCase(kMonthNames[month - 1]) == 0)
            return month;
    return 0;
}

// Two-digit years: 90 to 99 are the 1990s, 0 to 89 this century.
int FullYear(int year)
{
    if (year >= 90 && year <= 99)
        return year + 1900;
    if (year >= 0 && year <= 89)
        return year + 2000;
    return year;
}

__time64_t LocalTime(int year, int month, int day, int hour, int minute)
{
    if (year < 1900 || month < 1 || month > 12 || day < 1 || day > 31 || hour < 0 || hour > 23
        || minute < 0 || minute > 59)
        return 0;
    tm calendar = {};
    calendar.tm_year = year - 1900;
    calendar.tm_mon = month - 1;
    calendar.tm_mday = day;
    calendar.tm_hour = hour;
    calendar.tm_min = minute;
    calendar.tm_isdst = -1;
    const __time64_t seconds = _mktime64(&calendar);
    return seconds == -1 ? 0 : seconds;
}

}

__time64_t ParseDateTimeText(const char* text)
{
    CStringTokenizer tokenizer(text, "-.:");
    CString part;
    int day = 0, month = 0, year = 0, hour = 0, minute = 0;
    if (tokenizer.NextToken(part, true) && !ReadDecimal(part, day))
        return 0;
    if (tokenizer.NextToken(part, true))
        month = MonthOfName(part);
    if (tokenizer.NextToken(part, true)) {
        if (!ReadDecimal(part, year))
            return 0;
        year = FullYear(year);
    }
    if (tokenizer.NextToken(part, true) && !ReadDecimal(part, hour))
        return 0;
    if (!ReadDecimal(tokenizer.GetRemainder().Trim(), minute))
        return 0;
    return LocalTime(year, month, day, hour, minute);
}
