// A dialog of the builder whose Help button and F1 both open one topic of
// the product's help.
#pragma once
#include "afx/CDialog.h"

class CTopicHelpDialog : public CDialog {
public:
    CTopicHelpDialog(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

protected:
    virtual const char* GetHelpTopic() const = 0;
    void WinHelp(DWORD_PTR data, UINT command = HELP_CONTEXT) override;
    LRESULT OnCommandHelp(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()
};
