// A collection of the server: a snapshot of records, counted and fetched by
// 1-based index. The owner's marks can make "<member>.Count" fail or the
// collection shrink or grow while it is walked, and an element's marks can
// make fetching it ("Item") fail or give nothing.
#pragma once
#include "productsim/qel/DualObject.h"
#include "productsim/qel/QelErrors.h"
#include <memory>
#include <string>
#include <vector>

template <class CollectionInterface, class ItemInterface, class ItemObject, class Record>
class CCollection : public CDualObject<CollectionInterface> {
public:
    CCollection(std::shared_ptr<const CSimData> data, std::vector<const Record*> items, const SimMarks& ownerMarks,
                std::string member, std::string ownerText)
        : m_data(std::move(data)), m_items(std::move(items)), m_ownerMarks(ownerMarks),
          m_member(std::move(member)), m_ownerText(std::move(ownerText)),
          m_shrinks(ownerMarks.shrink.count(m_member) != 0), m_grows(ownerMarks.grow.count(m_member) != 0)
    {
    }

    STDMETHODIMP get_Count(long* count) override
    {
        if (std::optional<HRESULT> stop =
                QelStartValueMember(count, m_ownerMarks, m_member + ".Count", __uuidof(CollectionInterface), m_ownerText))
            return *stop;
        *count = static_cast<long>(m_items.size());
        return S_OK;
    }

    STDMETHODIMP get_Item(long index, ItemInterface** item) override
    {
        if (item == nullptr)
            return E_POINTER;
        *item = nullptr;
        if (index < 1 || index > static_cast<long>(m_items.size())) {
            return QelError(DISP_E_BADINDEX, __uuidof(CollectionInterface),
                            "Index " + std::to_string(index) + " is outside the " + m_member + " of " + m_ownerText +
                                " (1 to " + std::to_string(m_items.size()) + ").");
        }
        const Record* record = m_items[static_cast<size_t>(index - 1)];
        HRESULT outcome = QelMarkedOutcome(record->marks, "Item", __uuidof(CollectionInterface),
                                           "item " + std::to_string(index) + " of the " + m_member + " of " + m_ownerText);
        if (outcome != S_OK)
            return QelEarlyResult(outcome);
        *item = new ItemObject(m_data, record);
        ChangeAfterFetch();
        return S_OK;
    }

private:
    void ChangeAfterFetch()
    {
        if (m_shrinks && !m_items.empty())
            m_items.pop_back();
        if (m_grows) {
            m_items.push_back(m_items.front());
            m_grows = false;
        }
    }

    std::shared_ptr<const CSimData> m_data;
    std::vector<const Record*> m_items;
    const SimMarks& m_ownerMarks;
    std::string m_member;
    std::string m_ownerText;
    bool m_shrinks;
    bool m_grows;
};
