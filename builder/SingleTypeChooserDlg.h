// Choose a <kind>: Sorvane's single type chooser in a dialog of its own. The
// selector, the value and the type kind go into the control when the dialog
// opens; OK reads them back.
#pragma once
#include "builder/ChooserHostDlg.h"
#include "builder/SingleTypeChooserCtrl.h"

class CSingleTypeChooserDlg : public CChooserHostDlg {
public:
    // The editor kind of the value chooses the title word and the type kind.
    CSingleTypeChooserDlg(int editorKind, CWnd* parent);

    CString m_selector;
    CString m_value;
    const CString& GetValue() const { return m_value; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void DoDataExchange(CDataExchange* exchange) override;
    const char* GetHelpTopic() const override { return "kv_reports/u_chs_typ_dlg.htm"; }

private:
    bool PutProperties();

    CSingleTypeChooserCtrl m_chooser;
    TC_OBJECT_TYPE m_kind = TC_LABEL;
    CString m_titleWord;
};
