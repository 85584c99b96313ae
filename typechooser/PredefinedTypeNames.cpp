#include "typechooser/PredefinedTypeNames.h"
#include <windows.h>

namespace {
const char* const kLabelNames[] = {"BACKSTOP", "CHECKEDOUT", "LATEST"};
const char* const kAttributeNames[] = {"BACKSTOP", "FeatureLevel", "HlinkFromText", "HlinkToText",
                                       "snapshot_olpex_parameters", "olpex_snapshot_parameters"};

template <size_t count>
bool IsOneOf(const char* const (&names)[count], const char* name)
{
    for (const char* predefined : names) {
        if (lstrcmpiA(predefined, name) == 0)
            return true;
    }
    return false;
}
}

bool IsPredefinedTypeName(TC_OBJECT_TYPE kind, const char* name)
{
    switch (kind) {
    case TC_LABEL:
        return IsOneOf(kLabelNames, name);
    case TC_ATTRIBUTE:
        return IsOneOf(kAttributeNames, name);
    default:
        return false;
    }
}
