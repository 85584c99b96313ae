// The type names the product itself defines, which the chooser never lists.
#pragma once
#include <Sorvane.h>

// True when the name (in any case) is predefined for the kind; labels and
// attributes have predefined names, the other kinds none.
bool IsPredefinedTypeName(TC_OBJECT_TYPE kind, const char* name);
