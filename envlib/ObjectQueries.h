// The shapes of the object queries over the automation library. Every call is
// one protected step (see RunQueryStep): a failure shows its box, sets
// QueryFailed and ends the query with the result as it stands.
#pragma once
#include "envlib/AutomationApplication.h"
#include "envlib/QelObjects.h"

// Looks up the object that a selector names.
template <typename ObjectPtr>
bool LookUpStep(ObjectPtr& object, HRESULT (STDMETHODCALLTYPE IKvApplication::*lookup)(BSTR, typename ObjectPtr::Interface**),
                const _bstr_t& selector)
{
    return RunQueryStep([&] { CallQel(AutomationApplication, lookup, BSTR(selector), &object); });
}

// Looks an object up, follows one link, and gives the linked object's name;
// empty when any step fails, never a partial text.
template <typename ObjectPtr, typename LinkedPtr>
_bstr_t ChainQuery(const _bstr_t& selector,
                   HRESULT (STDMETHODCALLTYPE IKvApplication::*lookup)(BSTR, typename ObjectPtr::Interface**),
                   HRESULT (STDMETHODCALLTYPE ObjectPtr::Interface::*link)(typename LinkedPtr::Interface**))
{
    GetAutomationApplication();
    _bstr_t result;
    ObjectPtr object;
    LinkedPtr linked;
    if (!LookUpStep(object, lookup, selector) || !RunQueryStep([&] { CallQel(object, link, &linked); }))
        return result;
    RunQueryStep([&] { result = ReadText(linked, &IKvEntity::get_Name); });
    return result;
}

// The names of a collection's elements in index order, each followed by one
// blank. The count is read anew before each element.
template <typename ElementPtr, typename CollectionPtr>
_bstr_t ListElementNames(const CollectionPtr& collection)
{
    typedef typename CollectionPtr::Interface Collection;
    _bstr_t result;
    for (long index = 1;; ++index) {
        long count = 0;
        ElementPtr element;
        _bstr_t name;
        if (!RunQueryStep([&] { CallQel(collection, &Collection::get_Count, &count); }) || index > count
            || !RunQueryStep([&] { CallQel(collection, &Collection::get_Item, index, &element); })
            || !RunQueryStep([&] { name = ReadText(element, &IKvEntity::get_Name); }))
            return result;
        result += name + " ";
    }
}

// Looks an object up, asks it for a collection (`collect` fills the second
// argument from the first), and lists the names of the collection's elements.
template <typename ObjectPtr, typename CollectionPtr, typename ElementPtr, typename Collect>
_bstr_t CollectionQuery(const _bstr_t& selector,
                        HRESULT (STDMETHODCALLTYPE IKvApplication::*lookup)(BSTR, typename ObjectPtr::Interface**),
                        Collect collect)
{
    GetAutomationApplication();
    ObjectPtr object;
    CollectionPtr collection;
    if (!LookUpStep(object, lookup, selector) || !RunQueryStep([&] { collect(object, collection); }))
        return _bstr_t();
    return ListElementNames<ElementPtr>(collection);
}
