// The automation library's interfaces as the queries hold them: smart pointers
// that release on every path, and the call that turns a failed HRESULT into a
// _com_error carrying the object's error information.
#pragma once
#include "envlib/QelErrors.h"
#include <Qel.h>
#include <comdef.h>
#include <utility>

_COM_SMARTPTR_TYPEDEF(IKvEntity, __uuidof(IKvEntity));
_COM_SMARTPTR_TYPEDEF(IKvFolder, __uuidof(IKvFolder));
_COM_SMARTPTR_TYPEDEF(IKvProject, __uuidof(IKvProject));
_COM_SMARTPTR_TYPEDEF(IKvStream, __uuidof(IKvStream));
_COM_SMARTPTR_TYPEDEF(IKvActivity, __uuidof(IKvActivity));
_COM_SMARTPTR_TYPEDEF(IKvFolders, __uuidof(IKvFolders));
_COM_SMARTPTR_TYPEDEF(IKvProjects, __uuidof(IKvProjects));
_COM_SMARTPTR_TYPEDEF(IKvStreams, __uuidof(IKvStreams));
_COM_SMARTPTR_TYPEDEF(IKvActivities, __uuidof(IKvActivities));
_COM_SMARTPTR_TYPEDEF(IKvHyperlink, __uuidof(IKvHyperlink));
_COM_SMARTPTR_TYPEDEF(IKvHyperlinks, __uuidof(IKvHyperlinks));
_COM_SMARTPTR_TYPEDEF(IKvLinkable, __uuidof(IKvLinkable));
_COM_SMARTPTR_TYPEDEF(IKvOlpex, __uuidof(IKvOlpex));
_COM_SMARTPTR_TYPEDEF(IKvView, __uuidof(IKvView));
_COM_SMARTPTR_TYPEDEF(IKvTool, __uuidof(IKvTool));

// Calls `method` on `object` (a raw or smart pointer): E_POINTER when the
// object is missing, a _com_error for a failed result.
template <typename Holder, typename Interface, typename... Params, typename... Args>
void CallQel(const Holder& object, HRESULT (STDMETHODCALLTYPE Interface::*method)(Params...), Args&&... args)
{
    Interface* target = object;
    RequireObject(target);
    CheckResult((target->*method)(std::forward<Args>(args)...), target, __uuidof(Interface));
}

// Reads a text property; the result owns the returned BSTR.
template <typename Holder, typename Interface>
_bstr_t ReadText(const Holder& object, HRESULT (STDMETHODCALLTYPE Interface::*property)(BSTR*))
{
    BSTR text = nullptr;
    CallQel(object, property, &text);
    return _bstr_t(text, false);
}
