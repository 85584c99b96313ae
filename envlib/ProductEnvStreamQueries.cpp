// CProductEnv: queries about streams and activities, and the text of any object.
#include "envlib/BstrHelpers.h"
#include "envlib/ObjectQueries.h"
#include "envlib/ProductEnv.h"

namespace {
// Looks up the object of one kind word when the selector contains it, and
// holds it in place of any object found before. False when the lookup failed.
template <typename ObjectPtr>
bool LookUpWhenNamed(IKvEntityPtr& held, const _bstr_t& selector, const char* kindWord,
                     HRESULT (STDMETHODCALLTYPE IKvApplication::*lookup)(BSTR, typename ObjectPtr::Interface**))
{
    if (BstrFind(selector, kindWord) < 0)
        return true;
    ObjectPtr object;
    if (!LookUpStep(object, lookup, selector))
        return false;
    held = static_cast<IKvEntity*>(object.GetInterfacePtr());
    return true;
}

// The display text of an object, or its name when the display text is empty.
_bstr_t ReadDisplayTextOrName(const IKvEntityPtr& object)
{
    _bstr_t text;
    if (RunQueryStep([&] { text = ReadText(object, &IKvEntity::get_DisplayText); }) && text.length() == 0)
        RunQueryStep([&] { text = ReadText(object, &IKvEntity::get_Name); });
    return text;
}
}

_bstr_t CProductEnv::ListProjectStreams(_bstr_t selector)
{
    return CollectionQuery<IKvProjectPtr, IKvStreamsPtr, IKvStreamPtr>(
        selector, &IKvApplication::GetProject, [](const IKvProjectPtr& project, IKvStreamsPtr& streams) {
            CallQel(project, &IKvProject::Streams, BSTR(_bstr_t("")), &streams);
        });
}

_bstr_t CProductEnv::ListActivities(_bstr_t selector)
{
    return CollectionQuery<IKvStreamPtr, IKvActivitiesPtr, IKvActivityPtr>(
        selector, &IKvApplication::GetStream, [](const IKvStreamPtr& stream, IKvActivitiesPtr& activities) {
            CallQel(stream, &IKvStream::get_Activities, &activities);
        });
}

_bstr_t CProductEnv::ResolveObjectSelector(_bstr_t selector)
{
    GetAutomationApplication();
    // Every kind word found is looked up in this order; the last object found
    // is the one described, so "activity:" wins over the others.
    IKvEntityPtr held;
    if (!LookUpWhenNamed<IKvFolderPtr>(held, selector, "folder:", &IKvApplication::GetFolder)
        || !LookUpWhenNamed<IKvProjectPtr>(held, selector, "project:", &IKvApplication::GetProject)
        || !LookUpWhenNamed<IKvStreamPtr>(held, selector, "stream:", &IKvApplication::GetStream)
        || !LookUpWhenNamed<IKvActivityPtr>(held, selector, "activity:", &IKvApplication::GetActivity))
        return _bstr_t();
    return ReadDisplayTextOrName(held);
}

_bstr_t CProductEnv::GetStreamProject(_bstr_t selector)
{
    return ChainQuery<IKvStreamPtr, IKvProjectPtr>(selector, &IKvApplication::GetStream, &IKvStream::get_Project);
}
