#include "builder/WizardDoc.h"

IMPLEMENT_DYNCREATE(CWizardDoc, CDocument)
