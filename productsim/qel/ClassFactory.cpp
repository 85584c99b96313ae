#include "productsim/qel/ClassFactory.h"
#include "productsim/qel/Application.h"
#include "productsim/qel/QelErrors.h"
#include "productsim/qel/QelModule.h"
#include "productsim/simdata/SimDataSource.h"
#include "productsim/qel/Tool.h"

STDMETHODIMP CClassFactory::QueryInterface(REFIID iid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    if (iid != IID_IUnknown && iid != IID_IClassFactory) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) CClassFactory::AddRef()
{
    return InterlockedIncrement(&m_references);
}

STDMETHODIMP_(ULONG) CClassFactory::Release()
{
    LONG left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return left;
}

HRESULT CClassFactory::CheckCreation() const
{
    std::string problem;
    std::shared_ptr<const CSimData> data = CSimDataSource::Current(problem);
    if (data == nullptr)
        return QelError(QEL_E_DATA, IID_IClassFactory, problem + ".");
    bool application = IsEqualCLSID(m_classId, CLSID_Application);
    const SimMarks& marks = application ? data->application : data->tool;
    if (marks.Fails("create"))
        return QelError(CO_E_SERVER_EXEC_FAILURE, IID_IClassFactory,
                        std::string("The Korvast ") + (application ? "application" : "command tool") + " is not available.");
    return S_OK;
}

STDMETHODIMP CClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** object)
{
    if (object == nullptr)
        return E_POINTER;
    *object = nullptr;
    if (outer != nullptr)
        return CLASS_E_NOAGGREGATION;
    HRESULT result = CheckCreation();
    if (FAILED(result))
        return result;
    IUnknown* created = nullptr;
    if (IsEqualCLSID(m_classId, CLSID_Application))
        created = static_cast<IKvApplication*>(new CApplication);
    else
        created = static_cast<IKvTool*>(new CTool);
    result = created->QueryInterface(iid, object);
    created->Release();
    return result;
}

STDMETHODIMP CClassFactory::LockServer(BOOL lock)
{
    if (lock)
        QelLockModule();
    else
        QelUnlockModule();
    return S_OK;
}
