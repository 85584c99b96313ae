// CSingleTypeChooser: reading the type names of a repository through the
// automation library into the control's cache. Every read is a protected
// step: a failure shows its box and leaves nothing, not a part, in the cache.
#include "typechooser/SingleTypeChooser.h"
#include "typechooser/PredefinedTypeNames.h"
#include "envlib/AutomationApplication.h"
#include "envlib/QelObjects.h"

_COM_SMARTPTR_TYPEDEF(IKvType, __uuidof(IKvType));
_COM_SMARTPTR_TYPEDEF(IKvTypes, __uuidof(IKvTypes));

namespace {
const VARIANT_BOOL kIncludeLocal = VARIANT_TRUE;
const VARIANT_BOOL kIncludeObsolete = VARIANT_FALSE;

typedef HRESULT (STDMETHODCALLTYPE IKvOlpex::*TypesMember)(VARIANT_BOOL, VARIANT_BOOL, IKvTypes**);

// The repository's collection of the kind; null members for kinds without one.
TypesMember CollectionOf(TC_OBJECT_TYPE kind)
{
    switch (kind) {
    case TC_LABEL:
        return &IKvOlpex::LabelTypes;
    case TC_BRANCH:
        return &IKvOlpex::BranchTypes;
    case TC_ATTRIBUTE:
        return &IKvOlpex::AttributeTypes;
    case TC_HYPERLINK:
        return &IKvOlpex::HyperlinkTypes;
    default:
        return nullptr;
    }
}

bool ReadCollection(IKvOlpex* olpex, TC_OBJECT_TYPE kind, IKvTypesPtr& types)
{
    return RunQueryStep([&] {
        if (kind == TC_TRIGGER)
            CallQel(olpex, &IKvOlpex::TriggerTypes, kIncludeObsolete, &types);
        else
            CallQel(olpex, CollectionOf(kind), kIncludeLocal, kIncludeObsolete, &types);
    });
}

bool ReadCount(const IKvTypesPtr& types, long& count)
{
    return RunQueryStep([&] { CallQel(types, &IKvTypes::get_Count, &count); });
}
}

void CSingleTypeChooser::LoadTypeNames()
{
    if (m_olpexCombo.GetCurSel() == CB_ERR)
        return;
    CString tag = SelectedOlpexTag();
    if (m_nameCache.Count(tag, m_kind) != 0)
        return;
    if (QueryTypeNames(m_kind, OlpexPathOf(tag))) {
        for (const CString& name : m_queryResult)
            m_nameCache.Add(tag, m_kind, name);
    }
}

bool CSingleTypeChooser::QueryTypeNames(TC_OBJECT_TYPE kind, CString path)
{
    m_queryResult.clear();
    if (path.IsEmpty())
        return false;
    GetAutomationApplication();
    IKvOlpexPtr olpex;
    if (!RunQueryStep([&] { CallQel(AutomationApplication, &IKvApplication::GetOlpex, BSTR(_bstr_t(path)), &olpex); })
        || !olpex)
        return false;
    if (kind == TC_ELEMENT)
        return true;
    if (kind != TC_TRIGGER && !CollectionOf(kind))
        return false;
    return ReadTypeNames(kind, olpex);
}

// Labels read the count again before each item, as the loop's test.
bool CSingleTypeChooser::ReadTypeNames(TC_OBJECT_TYPE kind, IKvOlpex* olpex)
{
    IKvTypesPtr types;
    long count = 0;
    if (!ReadCollection(olpex, kind, types) || !types || !ReadCount(types, count))
        return false;
    for (long index = 1; index <= count; ++index) {
        IKvTypePtr item;
        _bstr_t name;
        if (!RunQueryStep([&] { CallQel(types, &IKvTypes::get_Item, index, &item); }))
            return false;
        if (!item)
            continue;
        if (!RunQueryStep([&] { name = ReadText(item, &IKvType::get_Name); }))
            return false;
        CString text(static_cast<const char*>(name));
        if (!IsPredefinedTypeName(kind, text))
            m_queryResult.push_back(text);
        if (kind == TC_LABEL && !ReadCount(types, count))
            return false;
    }
    return true;
}
