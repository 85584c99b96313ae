// Set Scripts Location: the reports folder in an edit field with a browse
// button; OK writes a changed folder to the product's ReportsPath setting.
#pragma once
#include "builder/TopicHelpDialog.h"

class CReportsConfigurationDlg : public CTopicHelpDialog {
public:
    explicit CReportsConfigurationDlg(CWnd* parent = nullptr);

    // OK stored a folder other than the one the dialog started with.
    bool IsChanged() const { return m_changed; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnBrowse();
    const char* GetHelpTopic() const override { return "kv_reports/u_confg_rprts_dlg.htm"; }

    DECLARE_MESSAGE_MAP()

private:
    CString m_folder;
    CString m_startingFolder;
    bool m_changed = false;
};
