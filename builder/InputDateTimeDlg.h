// Enter Date and Time: a date picker and a time picker whose check box can
// leave the time out. The value reads and writes as "7-December-2026.14:05",
// or "7-December-2026" without a time.
#pragma once
#include "afx/CDateTimeCtrl.h"
#include "builder/TopicHelpDialog.h"

class CInputDateTimeDlg : public CTopicHelpDialog {
public:
    explicit CInputDateTimeDlg(CWnd* parent);

    // In before DoModal, out after OK.
    CString m_value;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* exchange) override;
    const char* GetHelpTopic() const override { return "kv_reports/u_enter_dat_tim_dlg.htm"; }

private:
    struct Moment {
        int day, month, year, hour, minute;
        bool hasTime;
    };
    // Reads the value over `moment`, which holds the defaults; false when it cannot be read.
    bool ReadValue(Moment& moment) const;
    static int MonthOfName(const CString& name);
    void ShowMoment(const Moment& moment);
    void ShowNow();

    CDateTimeCtrl m_time;
    CDateTimeCtrl m_date;
};
