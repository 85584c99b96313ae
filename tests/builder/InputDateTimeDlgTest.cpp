// The date and time dialog reads back the values it writes, with and
// without a time, and writes what its pickers show.
#include "builder/InputDateTimeDlg.h"
#include "builder/Resource.h"
#include "tests/support/DialogDriver.h"
#include <commctrl.h>
#include <cstdio>

namespace {
struct PickerState {
    DWORD dateKind, timeKind;
    SYSTEMTIME date, time;
};

PickerState Pickers(HWND dialog)
{
    PickerState state = {};
    state.dateKind = static_cast<DWORD>(SendDlgItemMessageA(dialog, IDC_DATE, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&state.date)));
    state.timeKind = static_cast<DWORD>(SendDlgItemMessageA(dialog, IDC_TIME, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&state.time)));
    return state;
}

// Opens the dialog on `value`, reads the pickers, and presses OK.
PickerState OpenAndAccept(CInputDateTimeDlg& dialog, const char* value)
{
    INITCOMMONCONTROLSEX classes = { sizeof classes, ICC_DATE_CLASSES };
    InitCommonControlsEx(&classes);
    PickerState shown = {};
    dialog.m_value = value;
    DialogDriver::RunModal(dialog, [](HWND) { return true; }, [&](HWND window) {
        shown = Pickers(window);
        SendMessageA(window, WM_COMMAND, IDOK, 0);
    });
    return shown;
}
}

TEST(InputDateTimeDlgTest, ReadsBackTheValuesItWrites)
{
    TestApp app;
    CInputDateTimeDlg dialog(nullptr);
    PickerState shown = OpenAndAccept(dialog, "7-December-2026.14:05");
    EXPECT_EQ(shown.date.wYear * 10000 + shown.date.wMonth * 100 + shown.date.wDay, 20261207);
    EXPECT_EQ(shown.time.wHour * 100 + shown.time.wMinute, 1405);
    EXPECT_EQ(dialog.m_value, "7-December-2026.14:05");

    shown = OpenAndAccept(dialog, "7-December-2026");
    EXPECT_EQ(shown.dateKind, static_cast<DWORD>(GDT_VALID));
    EXPECT_EQ(shown.date.wYear * 10000 + shown.date.wMonth * 100 + shown.date.wDay, 20261207);
    EXPECT_EQ(shown.timeKind, static_cast<DWORD>(GDT_NONE));
    EXPECT_EQ(dialog.m_value, "7-December-2026");

    // A value that cannot be read shows now, and OK writes what the pickers show.
    SYSTEMTIME before;
    GetLocalTime(&before);
    shown = OpenAndAccept(dialog, "7-December-2026.later");
    SYSTEMTIME after;
    GetLocalTime(&after);
    const int shownDay = shown.date.wYear * 10000 + shown.date.wMonth * 100 + shown.date.wDay;
    EXPECT_TRUE(shownDay == before.wYear * 10000 + before.wMonth * 100 + before.wDay
                || shownDay == after.wYear * 10000 + after.wMonth * 100 + after.wDay) << shownDay;
    const char* months[] = { "January", "February", "March", "April", "May", "June", "July",
                             "August", "September", "October", "November", "December" };
    char written[64] = "";
    snprintf(written, sizeof written, "%d-%s-%d.%02d:%02d", shown.date.wDay, months[(shown.date.wMonth + 11) % 12],
             shown.date.wYear, shown.time.wHour, shown.time.wMinute);
    EXPECT_STREQ(written, dialog.m_value);
}
