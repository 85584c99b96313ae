#include "tests/support/CommonContainer.h"
#include "tests/support/ControlHost.h"
#include "tests/support/InPlaceSite.h"
#include <gtest/gtest.h>
#include <ocidl.h>
#include <olectl.h>

namespace {
// The container's client site and its sinks for view changes and property
// changes, counting the references the control keeps.
class ContainerSinks : public InPlaceSite, public IAdviseSinkEx, public IPropertyNotifySink {
public:
    ContainerSinks() : InPlaceSite(nullptr, RECT{0, 0, 0, 0}) {}

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override
    {
        if (IsEqualIID(iid, IID_IAdviseSink) || IsEqualIID(iid, IID_IAdviseSinkEx))
            *object = static_cast<IAdviseSinkEx*>(this);
        else if (IsEqualIID(iid, IID_IPropertyNotifySink))
            *object = static_cast<IPropertyNotifySink*>(this);
        else
            return InPlaceSite::QueryInterface(iid, object);
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InPlaceSite::AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return InPlaceSite::Release(); }

    STDMETHODIMP_(void) OnDataChange(FORMATETC*, STGMEDIUM*) override {}
    STDMETHODIMP_(void) OnViewChange(DWORD, LONG) override {}
    STDMETHODIMP_(void) OnRename(IMoniker*) override {}
    STDMETHODIMP_(void) OnSave() override {}
    STDMETHODIMP_(void) OnClose() override {}
    STDMETHODIMP_(void) OnViewStatusChange(DWORD) override {}

    STDMETHODIMP OnChanged(DISPID) override { return S_OK; }
    STDMETHODIMP OnRequestEdit(DISPID) override { return S_OK; }
};

template <class Interface>
Interface* Query(IUnknown* object, REFIID iid)
{
    Interface* found = nullptr;
    EXPECT_EQ(S_OK, object->QueryInterface(iid, reinterpret_cast<void**>(&found)));
    return found;
}

IUnknown* NewControl(REFCLSID clsid)
{
    IUnknown* control = nullptr;
    EXPECT_EQ(S_OK, CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                     reinterpret_cast<void**>(&control)));
    return control;
}

void ExpectQuickActivation(IUnknown* control, ContainerSinks& sinks, PropertyNotifications notifications)
{
    IQuickActivate* quick = Query<IQuickActivate>(control, IID_IQuickActivate);
    ASSERT_NE(nullptr, quick);
    QACONTAINER container = {};
    container.cbSize = sizeof container;
    container.pClientSite = &sinks;
    container.pAdviseSink = &sinks;
    container.pPropertyNotifySink = &sinks;
    QACONTROL answer = {};
    answer.cbSize = sizeof answer;
    EXPECT_EQ(S_OK, quick->QuickActivate(&container, &answer));
    quick->Release();
    EXPECT_EQ(131473u, answer.dwMiscStatus) << "the registered status of the content";
    IConnectionPointContainer* points = nullptr;
    const bool offersPoints =
        SUCCEEDED(control->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&points)));
    if (points)
        points->Release();
    const bool notifies = notifications == PropertyNotifications::Sent;
    EXPECT_EQ(notifies, offersPoints) << "the control has a notification point exactly when it notifies";
    EXPECT_EQ(notifies, answer.dwPropNotifyCookie != 0) << "the property sink joins the control's notification point";
    // The container's own reference, the site's and the view sink's, and the property sink's when it notifies.
    EXPECT_EQ(notifies ? 4 : 3, sinks.m_references) << "the control holds the site, the view sink and any property sink";
}

void ExpectPicture(IUnknown* control, const SIZEL& extent)
{
    IDataObject* data = Query<IDataObject>(control, IID_IDataObject);
    ASSERT_NE(nullptr, data);
    FORMATETC picture = {CF_METAFILEPICT, nullptr, DVASPECT_CONTENT, -1, TYMED_MFPICT};
    FORMATETC text = {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    EXPECT_EQ(S_OK, data->QueryGetData(&picture));
    STGMEDIUM medium = {};
    EXPECT_EQ(DV_E_FORMATETC, data->GetData(&text, &medium));
    ASSERT_EQ(S_OK, data->GetData(&picture, &medium));
    ASSERT_EQ(static_cast<DWORD>(TYMED_MFPICT), medium.tymed);
    auto* header = static_cast<METAFILEPICT*>(GlobalLock(medium.hMetaFilePict));
    EXPECT_EQ(MM_ANISOTROPIC, header->mm);
    EXPECT_EQ(extent.cx, header->xExt);
    EXPECT_EQ(extent.cy, header->yExt);
    EXPECT_GT(GetMetaFileBitsEx(header->hMF, 0, nullptr), 0u) << "the picture holds the drawing";
    GlobalUnlock(medium.hMetaFilePict);
    ReleaseStgMedium(&medium);

    IEnumFORMATETC* formats = nullptr;
    ASSERT_EQ(S_OK, data->EnumFormatEtc(DATADIR_GET, &formats));
    FORMATETC offered[2] = {};
    ULONG count = 0;
    formats->Next(2, offered, &count);
    formats->Release();
    EXPECT_EQ(1u, count);
    EXPECT_EQ(CF_METAFILEPICT, offered[0].cfFormat);
    data->Release();
}

SIZEL Extent(IUnknown* control)
{
    IOleObject* object = Query<IOleObject>(control, IID_IOleObject);
    SIZEL extent = {};
    EXPECT_EQ(S_OK, object->GetExtent(DVASPECT_CONTENT, &extent));
    object->Release();
    return extent;
}

// A new control loaded from what the first saved has the first one's extent.
void ExpectExtentKeptInStorage(REFCLSID clsid, IUnknown* control, IStorage* storage)
{
    SIZEL kept = {4321, 1234};
    IOleObject* object = Query<IOleObject>(control, IID_IOleObject);
    EXPECT_EQ(S_OK, object->SetExtent(DVASPECT_CONTENT, &kept));
    object->Release();
    IPersistStorage* saving = Query<IPersistStorage>(control, IID_IPersistStorage);
    EXPECT_EQ(S_OK, saving->Save(storage, TRUE));
    saving->Release();

    IUnknown* copy = NewControl(clsid);
    IPersistStorage* loading = Query<IPersistStorage>(copy, IID_IPersistStorage);
    EXPECT_EQ(S_OK, loading->Load(storage));
    loading->Release();
    SIZEL extent = Extent(copy);
    EXPECT_EQ(kept.cx, extent.cx);
    EXPECT_EQ(kept.cy, extent.cy);
    copy->Release();
}
}

void ExpectCommonContainerInterfaces(REFCLSID clsid, PropertyNotifications notifications)
{
    ContainerSinks sinks;
    IUnknown* control = NewControl(clsid);
    ASSERT_NE(nullptr, control);
    ExpectQuickActivation(control, sinks, notifications);
    ILockBytes* bytes = nullptr;
    IStorage* storage = nullptr;
    EXPECT_EQ(S_OK, CreateILockBytesOnHGlobal(nullptr, TRUE, &bytes));
    EXPECT_EQ(S_OK, StgCreateDocfileOnILockBytes(bytes, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0,
                                                 &storage));
    bytes->Release();
    IPersistStorage* persist = Query<IPersistStorage>(control, IID_IPersistStorage);
    EXPECT_EQ(S_OK, persist->InitNew(storage));
    persist->Release();

    ISpecifyPropertyPages* pages = Query<ISpecifyPropertyPages>(control, IID_ISpecifyPropertyPages);
    CAUUID none = {1, nullptr};
    EXPECT_EQ(S_OK, pages->GetPages(&none));
    EXPECT_EQ(0u, none.cElems);
    pages->Release();
    {
        ControlHost host(control);
        EXPECT_TRUE(IsWindow(host.ControlWindow()));
        ExpectPicture(control, Extent(control));
        ExpectExtentKeptInStorage(clsid, control, storage);
    }
    storage->Release();
    control->Release();
    EXPECT_EQ(1, sinks.m_references) << "the control let go of every site and sink";
}
