// Maldrin's own About box: the application title and its version. The About
// command shows the product's about box instead; this one is kept for hosts
// of the program's resources.
#pragma once
#include "afx/CDialog.h"

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    BOOL OnInitDialog() override;
};
