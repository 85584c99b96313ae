#include "atl/ContainerInterfaces.h"
#include <shlobj.h>

DWORD AdviseConnectionPoint(IUnknown* object, REFIID iid, IUnknown* sink)
{
    if (!sink)
        return 0;
    IConnectionPointContainer* container = nullptr;
    if (FAILED(object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container))))
        return 0;
    IConnectionPoint* point = nullptr;
    DWORD cookie = 0;
    if (SUCCEEDED(container->FindConnectionPoint(iid, &point))) {
        if (FAILED(point->Advise(sink, &cookie)))
            cookie = 0;
        point->Release();
    }
    container->Release();
    return cookie;
}

bool IsControlPictureFormat(const FORMATETC* format)
{
    return format->cfFormat == CF_METAFILEPICT && (format->tymed & TYMED_MFPICT) &&
           format->dwAspect == DVASPECT_CONTENT;
}

HRESULT EnumControlPictureFormat(DWORD direction, IEnumFORMATETC** formats)
{
    if (!formats)
        return E_POINTER;
    *formats = nullptr;
    if (direction != DATADIR_GET)
        return E_NOTIMPL;
    FORMATETC picture = {CF_METAFILEPICT, nullptr, DVASPECT_CONTENT, -1, TYMED_MFPICT};
    return SHCreateStdEnumFmtEtc(1, &picture, formats);
}
