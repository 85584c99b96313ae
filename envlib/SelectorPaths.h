// The paths of a selector text as the two chooser controls receive it: paths
// in double quotes, separated by blanks or not at all, or one unquoted path,
// which may itself hold blanks.
#pragma once
#include "afx/CString.h"
#include <vector>

// Each path trimmed of blanks; empty paths are dropped.
std::vector<CString> SplitSelectorPaths(CString text);
