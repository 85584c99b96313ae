// Wrapper of an edit control.
#pragma once
#include "afx/CWnd.h"

class CEdit : public CWnd {};
