// The OLE interfaces a container needs to create, activate in place, size,
// draw, persist and close a control. Each forwards to the control's shared
// state (CComControlBase) of the class T that derives from it; what a windowed
// control in a dialog never needs answers E_NOTIMPL or does nothing.
#pragma once
#include "atl/CComControlBase.h"
#include "atl/CComModule.h"
#include <olectl.h>

template <class T>
class IOleObjectImpl : public IOleObject {
public:
    STDMETHODIMP SetClientSite(IOleClientSite* site) override { return Control()->SetClientSite(site); }
    STDMETHODIMP GetClientSite(IOleClientSite** site) override { return Control()->GetClientSite(site); }
    STDMETHODIMP SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
    STDMETHODIMP Close(DWORD) override { return Control()->Close(); }
    STDMETHODIMP SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP InitFromData(IDataObject*, BOOL, DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
    STDMETHODIMP DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND parent, LPCRECT position) override
    {
        return Control()->DoVerb(verb, site, parent, position);
    }
    STDMETHODIMP EnumVerbs(IEnumOLEVERB** verbs) override { return OleRegEnumVerbs(T::GetObjectCLSID(), verbs); }
    STDMETHODIMP Update() override { return S_OK; }
    STDMETHODIMP IsUpToDate() override { return S_OK; }
    STDMETHODIMP GetUserClassID(CLSID* clsid) override
    {
        if (!clsid)
            return E_POINTER;
        *clsid = T::GetObjectCLSID();
        return S_OK;
    }
    STDMETHODIMP GetUserType(DWORD form, LPOLESTR* type) override
    {
        return OleRegGetUserType(T::GetObjectCLSID(), form, type);
    }
    STDMETHODIMP SetExtent(DWORD aspect, SIZEL* size) override
    {
        if (aspect != DVASPECT_CONTENT)
            return DV_E_DVASPECT;
        if (!size)
            return E_POINTER;
        Control()->m_sizeExtent = *size;
        return S_OK;
    }
    STDMETHODIMP GetExtent(DWORD aspect, SIZEL* size) override
    {
        if (aspect != DVASPECT_CONTENT)
            return DV_E_DVASPECT;
        if (!size)
            return E_POINTER;
        *size = Control()->m_sizeExtent;
        return S_OK;
    }
    STDMETHODIMP Advise(IAdviseSink* sink, DWORD* cookie) override { return Control()->Advise(sink, cookie); }
    STDMETHODIMP Unadvise(DWORD cookie) override { return Control()->Unadvise(cookie); }
    STDMETHODIMP EnumAdvise(IEnumSTATDATA** advises) override { return Control()->EnumAdvise(advises); }
    STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override
    {
        return OleRegGetMiscStatus(T::GetObjectCLSID(), aspect, status);
    }
    STDMETHODIMP SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

private:
    CComControlBase* Control() { return static_cast<T*>(this); }
};

// In-place object of a control that is always windowed: it takes part in no
// windowless message routing.
template <class T>
class IOleInPlaceObjectWindowlessImpl : public IOleInPlaceObjectWindowless {
public:
    STDMETHODIMP GetWindow(HWND* window) override { return Control()->GetWindow(window); }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP InPlaceDeactivate() override { return Control()->InPlaceDeactivate(); }
    STDMETHODIMP UIDeactivate() override { return S_OK; }
    STDMETHODIMP SetObjectRects(LPCRECT position, LPCRECT clip) override
    {
        return Control()->SetObjectRects(position, clip);
    }
    STDMETHODIMP ReactivateAndUndo() override { return E_NOTIMPL; }
    STDMETHODIMP OnWindowMessage(UINT, WPARAM, LPARAM, LRESULT*) override { return S_FALSE; }
    STDMETHODIMP GetDropTarget(IDropTarget**) override { return E_NOTIMPL; }

private:
    CComControlBase* Control() { return static_cast<T*>(this); }
};

// The control's dialog handles its own keys (Tab through WS_EX_CONTROLPARENT):
// it translates no accelerators for the container.
template <class T>
class IOleInPlaceActiveObjectImpl : public IOleInPlaceActiveObject {
public:
    STDMETHODIMP GetWindow(HWND* window) override
    {
        return static_cast<CComControlBase*>(static_cast<T*>(this))->GetWindow(window);
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP TranslateAccelerator(LPMSG) override { return S_FALSE; }
    STDMETHODIMP OnFrameWindowActivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnDocWindowActivate(BOOL) override { return S_OK; }
    STDMETHODIMP ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
};

// A control without mnemonics or ambient properties of its own.
template <class T>
class IOleControlImpl : public IOleControl {
public:
    STDMETHODIMP GetControlInfo(CONTROLINFO* info) override
    {
        if (!info)
            return E_POINTER;
        info->hAccel = nullptr;
        info->cAccel = 0;
        info->dwFlags = 0;
        return S_OK;
    }
    STDMETHODIMP OnMnemonic(LPMSG) override { return S_OK; }
    STDMETHODIMP OnAmbientPropertyChange(DISPID) override { return S_OK; }
    STDMETHODIMP FreezeEvents(BOOL) override { return S_OK; }
};

// Persists the control's extent ("_cx", "_cy", two VT_UI4 values) and nothing else.
template <class T>
class IPersistStreamInitImpl : public IPersistStreamInit {
public:
    STDMETHODIMP GetClassID(CLSID* clsid) override
    {
        if (!clsid)
            return E_POINTER;
        *clsid = T::GetObjectCLSID();
        return S_OK;
    }
    STDMETHODIMP IsDirty() override { return S_FALSE; }
    STDMETHODIMP Load(LPSTREAM stream) override
    {
        if (!stream)
            return E_POINTER;
        ULONG extent[2] = {0, 0};
        ULONG read = 0;
        HRESULT result = stream->Read(extent, sizeof extent, &read);
        if (FAILED(result))
            return result;
        if (read != sizeof extent)
            return E_FAIL;
        Extent() = {static_cast<LONG>(extent[0]), static_cast<LONG>(extent[1])};
        return S_OK;
    }
    STDMETHODIMP Save(LPSTREAM stream, BOOL) override
    {
        if (!stream)
            return E_POINTER;
        ULONG extent[2] = {static_cast<ULONG>(Extent().cx), static_cast<ULONG>(Extent().cy)};
        return stream->Write(extent, sizeof extent, nullptr);
    }
    STDMETHODIMP GetSizeMax(ULARGE_INTEGER* size) override
    {
        if (!size)
            return E_POINTER;
        size->QuadPart = 2 * sizeof(ULONG);
        return S_OK;
    }
    STDMETHODIMP InitNew() override { return S_OK; }

private:
    SIZEL& Extent() { return static_cast<T*>(this)->m_sizeExtent; }
};

template <class T>
class IViewObjectExImpl : public IViewObject2 {
public:
    STDMETHODIMP Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC target, LPCRECTL bounds, LPCRECTL,
                      BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) override
    {
        if (aspect != DVASPECT_CONTENT)
            return DV_E_DVASPECT;
        return static_cast<T*>(this)->CComControlBase::Draw(target, bounds);
    }
    STDMETHODIMP GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE**) override { return S_FALSE; }
    STDMETHODIMP Freeze(DWORD, LONG, void*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Unfreeze(DWORD) override { return E_NOTIMPL; }
    STDMETHODIMP SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) override
    {
        return static_cast<T*>(this)->SetViewAdvise(aspects, flags, sink);
    }
    STDMETHODIMP GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) override
    {
        return static_cast<T*>(this)->GetViewAdvise(aspects, flags, sink);
    }
    STDMETHODIMP GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) override
    {
        if (aspect != DVASPECT_CONTENT)
            return DV_E_DVASPECT;
        if (!size)
            return E_POINTER;
        *size = static_cast<T*>(this)->m_sizeExtent;
        return S_OK;
    }
};

// The class's type information and its default source interface, from the
// library's own type library.
template <const CLSID* clsid, const IID* sourceIid, const GUID* libid>
class IProvideClassInfo2Impl : public IProvideClassInfo2 {
public:
    STDMETHODIMP GetClassInfo(ITypeInfo** info) override { return _Module.GetTypeInfo(*libid, *clsid, info); }
    STDMETHODIMP GetGUID(DWORD kind, GUID* guid) override
    {
        if (!guid)
            return E_POINTER;
        if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID)
            return E_INVALIDARG;
        *guid = *sourceIid;
        return S_OK;
    }
};
