#include "atl/CComControlBase.h"

namespace {
template <class Interface>
void ReleaseAndClear(Interface*& object)
{
    if (object)
        object->Release();
    object = nullptr;
}

// The object's and the data's advise holders, made on the first Advise, answer alike.
template <class Holder>
HRESULT UnadviseFrom(Holder* holder, DWORD cookie)
{
    return holder ? holder->Unadvise(cookie) : OLE_E_NOCONNECTION;
}

template <class Holder>
HRESULT EnumAdvisesOf(Holder* holder, IEnumSTATDATA** advises)
{
    if (!advises)
        return E_POINTER;
    *advises = nullptr;
    return holder ? holder->EnumAdvise(advises) : E_FAIL;
}
}

CComControlBase::~CComControlBase()
{
    ReleaseAndClear(m_inPlaceSite);
    ReleaseAndClear(m_clientSite);
    ReleaseAndClear(m_adviseHolder);
    ReleaseAndClear(m_dataAdviseHolder);
    ReleaseAndClear(m_viewSink);
}

HRESULT CComControlBase::GetWindow(HWND* window) const
{
    if (!window)
        return E_POINTER;
    *window = m_hWnd;
    return m_hWnd ? S_OK : E_FAIL;
}

// The container tears down a control that does not hold its site.
HRESULT CComControlBase::SetClientSite(IOleClientSite* site)
{
    if (site)
        site->AddRef();
    ReleaseAndClear(m_clientSite);
    m_clientSite = site;
    return S_OK;
}

HRESULT CComControlBase::GetClientSite(IOleClientSite** site) const
{
    if (!site)
        return E_POINTER;
    *site = m_clientSite;
    if (m_clientSite)
        m_clientSite->AddRef();
    return S_OK;
}

HRESULT CComControlBase::DoVerb(LONG verb, IOleClientSite* site, HWND, LPCRECT position)
{
    if (!m_clientSite && site)
        SetClientSite(site);
    switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_INPLACEACTIVATE:
    case OLEIVERB_UIACTIVATE:
        return InPlaceActivate(position);
    case OLEIVERB_HIDE:
        if (m_hWnd)
            ShowWindow(m_hWnd, SW_HIDE);
        return S_OK;
    default:
        return OLEOBJ_S_INVALIDVERB;
    }
}

HRESULT CComControlBase::InPlaceActivate(LPCRECT position)
{
    if (!m_clientSite)
        return E_UNEXPECTED;
    if (!m_inPlaceSite) {
        if (FAILED(m_clientSite->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&m_inPlaceSite))))
            return E_FAIL;
        if (m_inPlaceSite->CanInPlaceActivate() != S_OK) {
            ReleaseAndClear(m_inPlaceSite);
            return E_FAIL;
        }
        m_inPlaceSite->OnInPlaceActivate();
    }
    IOleInPlaceFrame* frame = nullptr;
    IOleInPlaceUIWindow* document = nullptr;
    RECT sitePosition = {0, 0, 0, 0};
    RECT clip = {0, 0, 0, 0};
    OLEINPLACEFRAMEINFO frameInfo = {};
    frameInfo.cb = sizeof frameInfo;
    if (SUCCEEDED(m_inPlaceSite->GetWindowContext(&frame, &document, &sitePosition, &clip, &frameInfo))) {
        ReleaseAndClear(frame);
        ReleaseAndClear(document);
    }
    m_position = position ? *position : sitePosition;
    HWND parent = nullptr;
    m_inPlaceSite->GetWindow(&parent);
    if (!m_hWnd)
        m_hWnd = CreateControlWindow(parent, m_position);
    if (!m_hWnd)
        return E_FAIL;
    SetObjectRects(&m_position, nullptr);
    ShowWindow(m_hWnd, SW_SHOWNA);
    return S_OK;
}

HRESULT CComControlBase::InPlaceDeactivate()
{
    if (m_hWnd)
        DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
    if (m_inPlaceSite)
        m_inPlaceSite->OnInPlaceDeactivate();
    ReleaseAndClear(m_inPlaceSite);
    return S_OK;
}

HRESULT CComControlBase::Close()
{
    InPlaceDeactivate();
    if (m_adviseHolder)
        m_adviseHolder->SendOnClose();
    return S_OK;
}

HRESULT CComControlBase::SetObjectRects(LPCRECT position, LPCRECT)
{
    if (!position)
        return E_POINTER;
    m_position = *position;
    if (m_hWnd)
        SetWindowPos(m_hWnd, nullptr, position->left, position->top, position->right - position->left,
                     position->bottom - position->top, SWP_NOZORDER | SWP_NOACTIVATE);
    return S_OK;
}

HRESULT CComControlBase::Advise(IAdviseSink* sink, DWORD* cookie)
{
    if (!m_adviseHolder) {
        HRESULT result = CreateOleAdviseHolder(&m_adviseHolder);
        if (FAILED(result))
            return result;
    }
    return m_adviseHolder->Advise(sink, cookie);
}

HRESULT CComControlBase::Unadvise(DWORD cookie)
{
    return UnadviseFrom(m_adviseHolder, cookie);
}

HRESULT CComControlBase::EnumAdvise(IEnumSTATDATA** advises)
{
    return EnumAdvisesOf(m_adviseHolder, advises);
}

HRESULT CComControlBase::SetViewAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink)
{
    if (sink)
        sink->AddRef();
    ReleaseAndClear(m_viewSink);
    m_viewSink = sink;
    m_viewAspects = aspects;
    m_viewFlags = flags;
    return S_OK;
}

HRESULT CComControlBase::GetViewAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) const
{
    if (aspects)
        *aspects = m_viewAspects;
    if (flags)
        *flags = m_viewFlags;
    if (sink) {
        *sink = m_viewSink;
        if (m_viewSink)
            m_viewSink->AddRef();
    }
    return S_OK;
}

HRESULT CComControlBase::Draw(HDC target, LPCRECTL bounds) const
{
    if (!target || !bounds)
        return E_INVALIDARG;
    RECT face = {bounds->left, bounds->top, bounds->right, bounds->bottom};
    FillRect(target, &face, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(target, &face, EDGE_SUNKEN, BF_RECT);
    return S_OK;
}

// A metafile picture is drawn in pixels of the screen and carries its size in HIMETRIC.
HRESULT CComControlBase::RenderPicture(STGMEDIUM* medium) const
{
    HDC screen = GetDC(nullptr);
    const RECTL bounds = {0, 0, MulDiv(m_sizeExtent.cx, GetDeviceCaps(screen, LOGPIXELSX), kHimetricPerInch),
                          MulDiv(m_sizeExtent.cy, GetDeviceCaps(screen, LOGPIXELSY), kHimetricPerInch)};
    ReleaseDC(nullptr, screen);
    HDC metafile = CreateMetaFileA(nullptr);
    if (!metafile)
        return E_OUTOFMEMORY;
    SetWindowOrgEx(metafile, 0, 0, nullptr);
    SetWindowExtEx(metafile, bounds.right, bounds.bottom, nullptr);
    Draw(metafile, &bounds);
    HMETAFILE drawn = CloseMetaFile(metafile);
    HGLOBAL picture = drawn ? GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE, sizeof(METAFILEPICT)) : nullptr;
    if (!picture) {
        if (drawn)
            DeleteMetaFile(drawn);
        return E_OUTOFMEMORY;
    }
    auto* header = static_cast<METAFILEPICT*>(GlobalLock(picture));
    *header = {MM_ANISOTROPIC, m_sizeExtent.cx, m_sizeExtent.cy, drawn};
    GlobalUnlock(picture);
    medium->tymed = TYMED_MFPICT;
    medium->hMetaFilePict = picture;
    medium->pUnkForRelease = nullptr;
    return S_OK;
}

HRESULT CComControlBase::DataAdvise(IDataObject* data, FORMATETC* format, DWORD flags, IAdviseSink* sink,
                                    DWORD* cookie)
{
    if (!m_dataAdviseHolder) {
        HRESULT result = CreateDataAdviseHolder(&m_dataAdviseHolder);
        if (FAILED(result))
            return result;
    }
    return m_dataAdviseHolder->Advise(data, format, flags, sink, cookie);
}

HRESULT CComControlBase::DataUnadvise(DWORD cookie)
{
    return UnadviseFrom(m_dataAdviseHolder, cookie);
}

HRESULT CComControlBase::EnumDataAdvise(IEnumSTATDATA** advises)
{
    return EnumAdvisesOf(m_dataAdviseHolder, advises);
}
