// Select Targets: Pemrick's path chooser in a dialog of its own. The caller's
// mode, selection, constraints and read-only flag go into the control when
// the dialog opens; OK reads the selection and the mode back.
#pragma once
#include "builder/ChooserHostDlg.h"
#include "builder/PathChooserCtrl.h"

class CPathChooserDlg : public CChooserHostDlg {
public:
    explicit CPathChooserDlg(CWnd* parent);

    // The targets, each in double quotes, separated by one blank.
    CString m_selection;
    CHOOSER_MODE m_mode = MODE_PATH;
    long m_constraints = SEL_MULTI + SEL_FILE + SEL_DIR;
    long m_readOnly = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* exchange) override;
    const char* GetHelpTopic() const override;

private:
    bool PutProperties();

    CPathChooserCtrl m_chooser;
};
