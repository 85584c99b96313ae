// A dialog that hosts one of the chooser controls. A control that is not
// registered, cannot be created or refuses a property call must not end the
// builder: the dialog says what failed and closes as cancelled, so the caller
// keeps the value it had.
#pragma once
#include "afx/COleControlWnd.h"
#include "builder/TopicHelpDialog.h"

class CChooserHostDlg : public CTopicHelpDialog {
public:
    INT_PTR DoModal() override;

protected:
    CChooserHostDlg(UINT templateId, CWnd* parent, UINT controlNameId);

    // Gives the control the extent the dialog's initialisation data stores for it.
    void ApplyStoredExtent(int controlId, const COleControlWnd& control) const;
    // True for a success; otherwise shows what failed (the step is a string id)
    // and ends the dialog as cancelled.
    bool Succeeded(HRESULT result, UINT stepId);

private:
    void ShowFailure(const CString& what);

    UINT m_templateId;
    CString m_controlName;
    bool m_failureShown = false;
};
