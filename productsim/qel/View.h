// A view: its root folder and whether it is a snapshot view.
#pragma once
#include "productsim/qel/DualObject.h"
#include "Qel.h"
#include "productsim/simdata/SimData.h"
#include <memory>

class CView : public CDualObject<IKvView> {
public:
    CView(std::shared_ptr<const CSimData> data, const SimView* record) : m_data(std::move(data)), m_record(record) {}

    STDMETHODIMP get_Path(BSTR* path) override;
    STDMETHODIMP get_IsSnapshot(VARIANT_BOOL* isSnapshot) override;

private:
    std::shared_ptr<const CSimData> m_data;
    const SimView* m_record;
};
