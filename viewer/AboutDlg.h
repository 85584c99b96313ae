// The viewer's About box, shown from the system menu.
#pragma once
#include "afx/CDialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    BOOL OnInitDialog() override;
};
