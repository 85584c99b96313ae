// The state of an ActiveX control that its OLE interfaces share: the
// container's sites, the control's window, its extent and position, and the
// in-place activation the container asks for. The control always activates
// windowed: it asks the site for no windowless activation.
#pragma once
#include <ole2.h>
#include <ocidl.h>

// Extents of OLE objects are in HIMETRIC: hundredths of a millimetre.
const LONG kHimetricPerInch = 2540;

class CComControlBase {
public:
    CComControlBase() = default;
    virtual ~CComControlBase();
    CComControlBase(const CComControlBase&) = delete;
    CComControlBase& operator=(const CComControlBase&) = delete;

    HWND m_hWnd = nullptr;
    SIZEL m_sizeExtent = {0, 0};  // HIMETRIC

    // The control's window; E_FAIL while it is not active in place.
    HRESULT GetWindow(HWND* window) const;
    HRESULT SetClientSite(IOleClientSite* site);
    HRESULT GetClientSite(IOleClientSite** site) const;
    HRESULT DoVerb(LONG verb, IOleClientSite* site, HWND parent, LPCRECT position);
    HRESULT Close();
    HRESULT InPlaceDeactivate();
    HRESULT SetObjectRects(LPCRECT position, LPCRECT clip);
    HRESULT Advise(IAdviseSink* sink, DWORD* cookie);
    HRESULT Unadvise(DWORD cookie);
    HRESULT EnumAdvise(IEnumSTATDATA** advises);
    HRESULT SetViewAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink);
    HRESULT GetViewAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) const;
    // Draws the control's face where it is not active in place.
    HRESULT Draw(HDC target, LPCRECTL bounds) const;
    // The face as a metafile picture of the control's extent.
    HRESULT RenderPicture(STGMEDIUM* medium) const;
    HRESULT DataAdvise(IDataObject* data, FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* cookie);
    HRESULT DataUnadvise(DWORD cookie);
    HRESULT EnumDataAdvise(IEnumSTATDATA** advises);

protected:
    // Creates the control's window as a child of the container's window.
    virtual HWND CreateControlWindow(HWND parent, const RECT& position) = 0;

private:
    HRESULT InPlaceActivate(LPCRECT position);

    IOleClientSite* m_clientSite = nullptr;
    IOleInPlaceSite* m_inPlaceSite = nullptr;
    IOleAdviseHolder* m_adviseHolder = nullptr;
    IDataAdviseHolder* m_dataAdviseHolder = nullptr;
    IAdviseSink* m_viewSink = nullptr;
    DWORD m_viewAspects = 0;
    DWORD m_viewFlags = 0;
    RECT m_position = {0, 0, 0, 0};
};
