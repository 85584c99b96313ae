#include "productsim/qel/OlpexObjects.h"
#include "productsim/qel/Collections.h"
#include "productsim/qel/QelErrors.h"
#include "productsim/qel/QelText.h"

namespace {

typedef CCollection<IKvTypes, IKvType, CTypeObject, SimType> CTypeCollection;
typedef CCollection<IKvHyperlinks, IKvHyperlink, CHyperlink, SimHyperlink> CHyperlinkCollection;

}

STDMETHODIMP COlpex::get_Name(BSTR* name)
{
    if (std::optional<HRESULT> stop = QelStartValueMember(name, m_record->marks, "Name", IID_IKvOlpex, Text()))
        return *stop;
    *name = QelAllocString(Text());
    return S_OK;
}

STDMETHODIMP COlpex::get_IsPrivate(VARIANT_BOOL* isPrivate)
{
    if (std::optional<HRESULT> stop = QelStartValueMember(isPrivate, m_record->marks, "IsPrivate", IID_IKvOlpex, Text()))
        return *stop;
    *isPrivate = m_record->isPrivate ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT COlpex::Types(const char* member, const char* kind, bool includeLocal, bool includeObsolete, IKvTypes** types)
{
    if (std::optional<HRESULT> stop = QelStartObjectMember(types, m_record->marks, member, IID_IKvOlpex, Text()))
        return *stop;
    std::vector<const SimType*> chosen;
    for (const SimType& type : m_data->types) {
        if (type.kind == kind && SimEqualNoCase(type.olpex, m_record->name) && (includeLocal || type.global) &&
            (includeObsolete || !type.obsolete))
            chosen.push_back(&type);
    }
    *types = new CTypeCollection(m_data, chosen, m_record->marks, member, Text());
    return S_OK;
}

STDMETHODIMP COlpex::LabelTypes(VARIANT_BOOL includeLocal, VARIANT_BOOL includeObsolete, IKvTypes** types)
{
    return Types("LabelTypes", "label", includeLocal != VARIANT_FALSE, includeObsolete != VARIANT_FALSE, types);
}

STDMETHODIMP COlpex::BranchTypes(VARIANT_BOOL includeLocal, VARIANT_BOOL includeObsolete, IKvTypes** types)
{
    return Types("BranchTypes", "branch", includeLocal != VARIANT_FALSE, includeObsolete != VARIANT_FALSE, types);
}

STDMETHODIMP COlpex::AttributeTypes(VARIANT_BOOL includeLocal, VARIANT_BOOL includeObsolete, IKvTypes** types)
{
    return Types("AttributeTypes", "attribute", includeLocal != VARIANT_FALSE, includeObsolete != VARIANT_FALSE, types);
}

STDMETHODIMP COlpex::HyperlinkTypes(VARIANT_BOOL includeLocal, VARIANT_BOOL includeObsolete, IKvTypes** types)
{
    return Types("HyperlinkTypes", "hyperlink", includeLocal != VARIANT_FALSE, includeObsolete != VARIANT_FALSE, types);
}

STDMETHODIMP COlpex::TriggerTypes(VARIANT_BOOL includeObsolete, IKvTypes** types)
{
    return Types("TriggerTypes", "trigger", true, includeObsolete != VARIANT_FALSE, types);
}

STDMETHODIMP COlpex::Hyperlinks(BSTR typeName, IKvHyperlinks** links)
{
    if (std::optional<HRESULT> stop = QelStartObjectMember(links, m_record->marks, "Hyperlinks", IID_IKvLinkable, Text()))
        return *stop;
    std::string type = QelNarrow(typeName);
    std::vector<const SimHyperlink*> chosen;
    for (const SimHyperlink& link : m_data->hyperlinks) {
        if (SimEqualNoCase(link.type, type) && SimEqualNoCase(link.from, m_record->name))
            chosen.push_back(&link);
    }
    *links = new CHyperlinkCollection(m_data, chosen, m_record->marks, "Hyperlinks", Text());
    return S_OK;
}

STDMETHODIMP CHyperlink::get_TypeName(BSTR* name)
{
    if (name == nullptr)
        return E_POINTER;
    *name = QelAllocString(m_record->type);
    return S_OK;
}

STDMETHODIMP CHyperlink::get_Target(IKvOlpex** target)
{
    if (std::optional<HRESULT> stop = QelStartObjectMember(target, m_record->marks, "Target", IID_IKvHyperlink, Text()))
        return *stop;
    const SimOlpex* olpex = m_data->FindOlpex(m_record->to);
    if (olpex == nullptr)
        return QelError(QEL_E_NOTFOUND, IID_IKvHyperlink, "The " + Text() + " leads to \\" + m_record->to + ", which is no known repository.");
    *target = new COlpex(m_data, olpex);
    return S_OK;
}

STDMETHODIMP CTypeObject::get_Name(BSTR* name)
{
    std::string text = m_record->kind + " type " + m_record->name;
    if (std::optional<HRESULT> stop = QelStartValueMember(name, m_record->marks, "Name", IID_IKvType, text))
        return *stop;
    *name = QelAllocString(m_record->name);
    return S_OK;
}
