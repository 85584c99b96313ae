// The interfaces that common control containers ask a control for beyond
// activation: storage persistence (the extent, through the control's stream
// persistence), property pages (none), quick activation (sites and status in
// one call) and data transfer (a picture of the control's face). Each forwards
// to the control's shared state (CComControlBase) or to what OLE provides.
#pragma once
#include "atl/CComControlBase.h"
#include <cstddef>
#include <ocidl.h>
#include <olectl.h>

// The cookie of the sink advised to the object's connection point for the
// interface; 0 when the object has no such point or the point refuses it.
DWORD AdviseConnectionPoint(IUnknown* object, REFIID iid, IUnknown* sink);
// Whether the format asks for the only data a control gives: its content as a metafile picture.
bool IsControlPictureFormat(const FORMATETC* format);
// An enumerator of the formats GetData gives; E_NOTIMPL for the formats SetData takes (none).
HRESULT EnumControlPictureFormat(DWORD direction, IEnumFORMATETC** formats);

// Keeps the persisted properties in the storage's stream "Contents", written
// and read by the control's own stream persistence.
template <class T>
class IPersistStorageImpl : public IPersistStorage {
public:
    STDMETHODIMP GetClassID(CLSID* clsid) override { return Stream()->GetClassID(clsid); }
    STDMETHODIMP IsDirty() override { return Stream()->IsDirty(); }
    STDMETHODIMP InitNew(IStorage* storage) override { return storage ? Stream()->InitNew() : E_POINTER; }
    STDMETHODIMP Load(IStorage* storage) override
    {
        if (!storage)
            return E_POINTER;
        IStream* stream = nullptr;
        HRESULT result = storage->OpenStream(kContents, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, &stream);
        if (FAILED(result))
            return result;
        result = Stream()->Load(stream);
        stream->Release();
        return result;
    }
    STDMETHODIMP Save(IStorage* storage, BOOL) override
    {
        if (!storage)
            return E_POINTER;
        IStream* stream = nullptr;
        HRESULT result = storage->CreateStream(kContents, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0,
                                               0, &stream);
        if (FAILED(result))
            return result;
        result = Stream()->Save(stream, TRUE);
        stream->Release();
        return result;
    }
    STDMETHODIMP SaveCompleted(IStorage*) override { return S_OK; }
    STDMETHODIMP HandsOffStorage() override { return S_OK; }

private:
    static constexpr const wchar_t* kContents = L"Contents";
    IPersistStreamInit* Stream() { return static_cast<T*>(this); }
};

// The controls have no property pages: every property is set by the host.
template <class T>
class ISpecifyPropertyPagesImpl : public ISpecifyPropertyPages {
public:
    STDMETHODIMP GetPages(CAUUID* pages) override
    {
        if (!pages)
            return E_POINTER;
        pages->cElems = 0;
        pages->pElems = nullptr;
        return S_OK;
    }
};

// Takes the container's client site, view sink and property-change sink in
// one call and answers the control's status. The controls fire no events, so
// the event sink is not connected.
template <class T>
class IQuickActivateImpl : public IQuickActivate {
public:
    STDMETHODIMP QuickActivate(QACONTAINER* container, QACONTROL* control) override
    {
        if (!container || !control)
            return E_POINTER;
        // Older containers pass a shorter structure: it need only hold the sinks read here.
        if (container->cbSize < offsetof(QACONTAINER, pUnkEventSink) || control->cbSize < sizeof(QACONTROL))
            return E_INVALIDARG;
        CComControlBase* base = static_cast<T*>(this);
        base->SetClientSite(container->pClientSite);
        if (container->pAdviseSink)
            base->SetViewAdvise(DVASPECT_CONTENT, 0, container->pAdviseSink);
        *control = {};
        control->cbSize = sizeof(QACONTROL);
        control->dwPropNotifyCookie =
            AdviseConnectionPoint(this, IID_IPropertyNotifySink, container->pPropertyNotifySink);
        return OleRegGetMiscStatus(T::GetObjectCLSID(), DVASPECT_CONTENT, &control->dwMiscStatus);
    }
    STDMETHODIMP SetContentExtent(SIZEL* size) override
    {
        if (!size)
            return E_POINTER;
        static_cast<T*>(this)->m_sizeExtent = *size;
        return S_OK;
    }
    STDMETHODIMP GetContentExtent(SIZEL* size) override
    {
        if (!size)
            return E_POINTER;
        *size = static_cast<T*>(this)->m_sizeExtent;
        return S_OK;
    }
};

// Gives the control's face as a metafile picture, the form containers draw
// and copy; nothing can be set.
template <class T>
class IDataObjectImpl : public IDataObject {
public:
    STDMETHODIMP GetData(FORMATETC* format, STGMEDIUM* medium) override
    {
        if (!format || !medium)
            return E_POINTER;
        if (!IsControlPictureFormat(format))
            return DV_E_FORMATETC;
        return Control()->RenderPicture(medium);
    }
    STDMETHODIMP GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    STDMETHODIMP QueryGetData(FORMATETC* format) override
    {
        if (!format)
            return E_POINTER;
        return IsControlPictureFormat(format) ? S_OK : DV_E_FORMATETC;
    }
    STDMETHODIMP GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override { return E_NOTIMPL; }
    STDMETHODIMP SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHODIMP EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override
    {
        return EnumControlPictureFormat(direction, formats);
    }
    STDMETHODIMP DAdvise(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* cookie) override
    {
        return Control()->DataAdvise(this, format, flags, sink, cookie);
    }
    STDMETHODIMP DUnadvise(DWORD cookie) override { return Control()->DataUnadvise(cookie); }
    STDMETHODIMP EnumDAdvise(IEnumSTATDATA** advises) override { return Control()->EnumDataAdvise(advises); }

private:
    CComControlBase* Control() { return static_cast<T*>(this); }
};
