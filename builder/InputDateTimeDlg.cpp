#include "builder/InputDateTimeDlg.h"
#include "afx/CDataExchange.h"
#include "builder/Resource.h"
#include "reportmodel/StringTokenizer.h"
#include <cstdio>
#include <ctime>

namespace {
const char* const kMonthNames[] = { "January", "February", "March",     "April",   "May",      "June",
                                    "July",    "August",   "September", "October", "November", "December" };

bool ReadNumber(CString text, int& number)
{
    text.TrimLeft();
    text.TrimRight();
    return sscanf(text, "%d", &number) == 1;
}
}

CInputDateTimeDlg::CInputDateTimeDlg(CWnd* parent) : CTopicHelpDialog(IDD_INPUT_DATE_TIME, parent) {}

void CInputDateTimeDlg::DoDataExchange(CDataExchange* exchange)
{
    DDX_Control(exchange, IDC_TIME, m_time);
    DDX_Control(exchange, IDC_DATE, m_date);
}

BOOL CInputDateTimeDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_date.SetFormat("dddd, dd-MMM-yy");
    m_time.SetFormat("HH:mm");
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    Moment moment = { now.wDay, now.wMonth, now.wYear, now.wHour, now.wMinute, true };
    if (!m_value.IsEmpty() && ReadValue(moment))
        ShowMoment(moment);
    else
        ShowNow();
    return TRUE;
}

// Day, month name, year, hour and the minute after them, cut at '-', '.' and ':'.
// A value without a time ("7-December-2026") keeps its date and shows no time.
bool CInputDateTimeDlg::ReadValue(Moment& moment) const
{
    CStringTokenizer tokens(m_value, "-.:");
    CString token;
    if (tokens.NextToken(token, true) && !ReadNumber(token, moment.day))
        return false;
    if (tokens.NextToken(token, true)) {
        if (int month = MonthOfName(token))
            moment.month = month;
    }
    const CString afterMonth = tokens.GetRemainder();
    if (!tokens.NextToken(token, true)) {
        moment.hasTime = false;
        return ReadNumber(afterMonth, moment.year);
    }
    if (!ReadNumber(token, moment.year))
        return false;
    if (tokens.NextToken(token, true) && !ReadNumber(token, moment.hour))
        return false;
    return ReadNumber(tokens.GetRemainder(), moment.minute);
}

int CInputDateTimeDlg::MonthOfName(const CString& name)
{
    CString trimmed = name;
    trimmed.TrimLeft();
    trimmed.TrimRight();
    for (int month = 0; month < 12; ++month)
        if (trimmed.CompareNoCase(kMonthNames[month]) == 0)
            return month + 1;
    return 0;
}

// The moment as a local time of the calendar (an impossible day rolls over as
// the calendar does); one the calendar cannot take leaves the pickers as they are.
void CInputDateTimeDlg::ShowMoment(const Moment& moment)
{
    tm fields = {};
    fields.tm_mday = moment.day;
    fields.tm_mon = moment.month - 1;
    fields.tm_year = moment.year - 1900;
    fields.tm_hour = moment.hour;
    fields.tm_min = moment.minute;
    fields.tm_isdst = -1;
    if (mktime(&fields) == static_cast<time_t>(-1))
        return;
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(fields.tm_year + 1900);
    time.wMonth = static_cast<WORD>(fields.tm_mon + 1);
    time.wDay = static_cast<WORD>(fields.tm_mday);
    time.wDayOfWeek = static_cast<WORD>(fields.tm_wday);
    time.wHour = static_cast<WORD>(fields.tm_hour);
    time.wMinute = static_cast<WORD>(fields.tm_min);
    m_date.SetTime(time);
    m_time.SetTime(time);
    if (!moment.hasTime)
        m_time.SetNone();
}

void CInputDateTimeDlg::ShowNow()
{
    SYSTEMTIME now;
    ::GetLocalTime(&now);
    m_date.SetTime(now);
    m_time.SetTime(now);
}

void CInputDateTimeDlg::OnOK()
{
    SYSTEMTIME time = {};
    CString date, clock;
    if (m_date.GetTime(&time) == GDT_VALID)
        date.Format("%ld-%s-%ld", static_cast<long>(time.wDay), kMonthNames[time.wMonth - 1], static_cast<long>(time.wYear));
    if (m_time.GetTime(&time) == GDT_VALID)
        clock.Format("%.2d:%.2d", time.wHour, time.wMinute);
    m_value = !date.IsEmpty() && !clock.IsEmpty() ? date + "." + clock : date + clock;
    CDialog::OnOK();
}
