#include "afx/CDocument.h"

IMPLEMENT_DYNAMIC_BASE(CDocument)
