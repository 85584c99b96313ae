// The class object of the Application and of the tool. Creation fails, with
// error information, when the data marks the class with "create".
#pragma once
#include <windows.h>
#include <unknwn.h>

class CClassFactory : public IClassFactory {
public:
    explicit CClassFactory(REFCLSID classId) : m_classId(classId) {}
    virtual ~CClassFactory() = default;

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** object) override;
    STDMETHODIMP LockServer(BOOL lock) override;

private:
    HRESULT CheckCreation() const;

    CLSID m_classId;
    LONG m_references = 1;
};
