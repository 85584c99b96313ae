// Enter <name>: one line of text for a value that has no chooser of its own.
#pragma once
#include "builder/TopicHelpDialog.h"

class CInputTextDlg : public CTopicHelpDialog {
public:
    explicit CInputTextDlg(CWnd* parent);

    // In before DoModal; the value comes back after OK.
    CString m_value;
    CString m_name;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* exchange) override;
    const char* GetHelpTopic() const override { return "kv_reports/u_txt_strng_dlg.htm"; }
};
