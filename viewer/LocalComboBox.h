// The base of the print options' combo boxes: one created by the program
// itself, not by a dialog template, takes the dialog font.
#pragma once
#include "afx/CComboBox.h"

class CLocalComboBox : public CComboBox {
protected:
    int OnCreate(CREATESTRUCTA* create);

    DECLARE_MESSAGE_MAP()
};
