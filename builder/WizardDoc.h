// The builder keeps no document data; the document/view framework needs one.
#pragma once
#include "afx/CDocument.h"

class CWizardDoc : public CDocument {
    DECLARE_DYNCREATE(CWizardDoc)
public:
    BOOL OnNewDocument() override { return CDocument::OnNewDocument(); }
};
