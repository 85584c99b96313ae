// A repository (OLPEX) with its type lists and hyperlinks, a hyperlink, and
// a type.
#pragma once
#include "productsim/qel/DualObject.h"
#include "Qel.h"
#include "productsim/simdata/SimData.h"
#include <memory>
#include <string>

class COlpex : public CDualObject<IKvOlpex, IKvLinkable> {
public:
    COlpex(std::shared_ptr<const CSimData> data, const SimOlpex* record) : m_data(std::move(data)), m_record(record) {}

    STDMETHODIMP Hyperlinks(BSTR typeName, IKvHyperlinks** links) override;
    STDMETHODIMP get_Name(BSTR* name) override;
    STDMETHODIMP get_IsPrivate(VARIANT_BOOL* isPrivate) override;
    STDMETHODIMP LabelTypes(VARIANT_BOOL includeLocal, VARIANT_BOOL includeObsolete, IKvTypes** types) override;
    STDMETHODIMP BranchTypes(VARIANT_BOOL includeLocal, VARIANT_BOOL includeObsolete, IKvTypes** types) override;
    STDMETHODIMP AttributeTypes(VARIANT_BOOL includeLocal, VARIANT_BOOL includeObsolete, IKvTypes** types) override;
    STDMETHODIMP HyperlinkTypes(VARIANT_BOOL includeLocal, VARIANT_BOOL includeObsolete, IKvTypes** types) override;
    STDMETHODIMP TriggerTypes(VARIANT_BOOL includeObsolete, IKvTypes** types) override;

private:
    HRESULT Types(const char* member, const char* kind, bool includeLocal, bool includeObsolete, IKvTypes** types);
    std::string Text() const { return "\\" + m_record->name; }

    std::shared_ptr<const CSimData> m_data;
    const SimOlpex* m_record;
};

class CHyperlink : public CDualObject<IKvHyperlink> {
public:
    CHyperlink(std::shared_ptr<const CSimData> data, const SimHyperlink* record) : m_data(std::move(data)), m_record(record) {}

    STDMETHODIMP get_TypeName(BSTR* name) override;
    STDMETHODIMP get_Target(IKvOlpex** target) override;

private:
    std::string Text() const { return m_record->type + " hyperlink from \\" + m_record->from; }

    std::shared_ptr<const CSimData> m_data;
    const SimHyperlink* m_record;
};

class CTypeObject : public CDualObject<IKvType> {
public:
    CTypeObject(std::shared_ptr<const CSimData> data, const SimType* record) : m_data(std::move(data)), m_record(record) {}

    STDMETHODIMP get_Name(BSTR* name) override;

private:
    std::shared_ptr<const CSimData> m_data;
    const SimType* m_record;
};
