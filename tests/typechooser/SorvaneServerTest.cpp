// Sorvane as a COM server: registration, class objects, aggregation,
// unloading, dispatch and the interfaces it declares.
#include "tests/typechooser/SorvaneFixture.h"
#include "tests/support/ChildRun.h"
#include "tests/support/CommonContainer.h"
#include "tests/support/ControlLibrary.h"
#include "tests/support/RegistryText.h"
#include "tests/support/TestFiles.h"
#include <comutil.h>
#include <olectl.h>

namespace {
const char kClassKey[] = "CLSID\\{145F66D9-B32A-11D3-B9D8-00207814BCF5}";
const char kTypeLibKey[] = "TypeLib\\{145F66CB-B32A-11D3-B9D8-00207814BCF5}\\1.0";

// The default value (or the named one) of a key under HKEY_CLASSES_ROOT; "<none>" when it is missing.
std::string ClassesValue(const std::string& key, const char* name = nullptr)
{
    return RegistryText(HKEY_CLASSES_ROOT, key, name);
}

bool ClassesKeyExists(const std::string& key)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

IClassFactory* ClassObject(REFCLSID clsid, HRESULT* result)
{
    auto getClassObject = reinterpret_cast<HRESULT(WINAPI*)(REFCLSID, REFIID, void**)>(
        reinterpret_cast<void*>(GetProcAddress(SorvaneLibrary(), "DllGetClassObject")));
    IClassFactory* factory = nullptr;
    *result = getClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    return factory;
}

// An outer object that counts the references its inner object passes on to it.
class CountingOuter : public IUnknown {
public:
    STDMETHODIMP QueryInterface(REFIID, void** object) override
    {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++references); }
    STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(--references); }
    long references = 1;
};

ISingleTypeChooser* NewChooser()
{
    ISingleTypeChooser* chooser = nullptr;
    EXPECT_EQ(S_OK, CoCreateInstance(CLSID_SingleTypeChooser, nullptr, CLSCTX_INPROC_SERVER, IID_ISingleTypeChooser,
                                     reinterpret_cast<void**>(&chooser)));
    return chooser;
}
}

TEST_F(SorvaneTest, RegistrationWritesEveryKeyOfItsScriptAndUnregistrationRemovesThem)
{
    const std::string module = ProgramFolder() + "Sorvane.dll";
    EXPECT_EQ("SingleTypeChooser Class", ClassesValue("Sorvane.SingleTypeChooser.1"));
    EXPECT_EQ("Sorvane.SingleTypeChooser.1", ClassesValue("Sorvane.SingleTypeChooser\\CurVer"));
    for (const char* progId : {"Sorvane.SingleTypeChooser.1", "Sorvane.SingleTypeChooser"}) {
        CLSID resolved = {};
        EXPECT_EQ(S_OK, CLSIDFromProgID(_bstr_t(progId), &resolved)) << progId;
        EXPECT_TRUE(IsEqualCLSID(CLSID_SingleTypeChooser, resolved)) << progId;
    }
    const std::string key = kClassKey;
    EXPECT_EQ("SingleTypeChooser Class", ClassesValue(key));
    EXPECT_EQ("Sorvane.SingleTypeChooser.1", ClassesValue(key + "\\ProgID"));
    EXPECT_EQ("Sorvane.SingleTypeChooser", ClassesValue(key + "\\VersionIndependentProgID"));
    EXPECT_EQ(0, lstrcmpiA(module.c_str(), ClassesValue(key + "\\InprocServer32").c_str()));
    EXPECT_EQ("Apartment", ClassesValue(key + "\\InprocServer32", "ThreadingModel"));
    EXPECT_EQ(0, lstrcmpiA((module + ", 102").c_str(), ClassesValue(key + "\\ToolboxBitmap32").c_str()));
    EXPECT_EQ("0", ClassesValue(key + "\\MiscStatus"));
    EXPECT_EQ("131473", ClassesValue(key + "\\MiscStatus\\1"));
    EXPECT_EQ("{145F66CB-B32A-11D3-B9D8-00207814BCF5}", ClassesValue(key + "\\TypeLib"));
    EXPECT_EQ("1.0", ClassesValue(key + "\\Version"));
    for (const char* empty : {"\\Programmable", "\\Control", "\\Insertable"})
        EXPECT_TRUE(ClassesKeyExists(key + empty)) << empty;
    EXPECT_EQ("sorvane 1.0 Type Library", ClassesValue(kTypeLibKey));

    {
        UnregisteredControlLibrary unregistered(SorvaneLibrary());
        ASSERT_EQ(S_OK, unregistered.Result());
        EXPECT_FALSE(ClassesKeyExists(key));
        EXPECT_FALSE(ClassesKeyExists("Sorvane.SingleTypeChooser.1"));
        EXPECT_FALSE(ClassesKeyExists("Sorvane.SingleTypeChooser"));
        EXPECT_FALSE(ClassesKeyExists(kTypeLibKey));
        EXPECT_TRUE(ClassesKeyExists("CLSID"));
    }
    EXPECT_EQ("SingleTypeChooser Class", ClassesValue(key)) << "registered again";
}

// The library's lock count is checked from none up, in a process of its own:
// what earlier tests of this program left does not count.
TEST(SorvaneServer, ClassObjectServesItsOwnClassAggregatedOrNotAndHoldsTheLibrary)
{
    EXPECT_EQ(0, RunTestsInChildProcess("SorvaneTest.DISABLED_ClassObjectServesItsOwnClassAggregatedOrNotAndHoldsTheLibrary"));
}

TEST_F(SorvaneTest, DISABLED_ClassObjectServesItsOwnClassAggregatedOrNotAndHoldsTheLibrary)
{
    HRESULT result = S_OK;
    EXPECT_EQ(nullptr, ClassObject(IID_IDispatch, &result));
    EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE, result);

    EXPECT_EQ(S_OK, SorvaneCanUnloadNow());
    IClassFactory* factory = ClassObject(CLSID_SingleTypeChooser, &result);
    ASSERT_EQ(S_OK, result);
    EXPECT_EQ(S_FALSE, SorvaneCanUnloadNow());

    CountingOuter outer;
    IUnknown* inner = nullptr;
    EXPECT_EQ(CLASS_E_NOAGGREGATION,
              factory->CreateInstance(&outer, IID_IDispatch, reinterpret_cast<void**>(&inner)));
    ASSERT_EQ(S_OK, factory->CreateInstance(&outer, IID_IUnknown, reinterpret_cast<void**>(&inner)));
    factory->Release();
    EXPECT_EQ(S_FALSE, SorvaneCanUnloadNow());
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(S_OK, inner->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)));
    EXPECT_EQ(2, outer.references) << "the inner object's interfaces count on the outer object";
    dispatch->Release();
    inner->Release();
    EXPECT_EQ(1, outer.references);
    EXPECT_EQ(S_OK, SorvaneCanUnloadNow());
}

TEST_F(SorvaneTest, DispatchIdsAndTheVtableAgreeAndWrongTypesAreRefused)
{
    ISingleTypeChooser* chooser = NewChooser();
    ASSERT_NE(nullptr, chooser);
    const wchar_t* names[] = {L"OLPEXSelector", L"Value", L"Type"};
    for (DISPID expected = 1; expected <= 3; ++expected) {
        DISPID id = 0;
        LPOLESTR name = const_cast<LPOLESTR>(names[expected - 1]);
        EXPECT_EQ(S_OK, chooser->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id));
        EXPECT_EQ(expected, id);
    }
    _variant_t value(L"REL_1.0");
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS put = {&value, &named, 1, 1};
    EXPECT_EQ(S_OK, chooser->Invoke(2, IID_NULL, 0, DISPATCH_PROPERTYPUT, &put, nullptr, nullptr, nullptr));
    EXPECT_EQ(S_OK, chooser->put_Type(TC_TRIGGER));
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    _variant_t kind;
    EXPECT_EQ(S_OK, chooser->Invoke(3, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &kind, nullptr, nullptr));
    EXPECT_EQ(VT_I4, kind.vt);
    EXPECT_EQ(TC_TRIGGER, kind.lVal);

    _variant_t wrong(L"not a kind");
    DISPPARAMS wrongPut = {&wrong, &named, 1, 1};
    EXPECT_EQ(DISP_E_TYPEMISMATCH,
              chooser->Invoke(3, IID_NULL, 0, DISPATCH_PROPERTYPUT, &wrongPut, nullptr, nullptr, nullptr));
    chooser->Release();
}

TEST_F(SorvaneTest, AnswersTheInterfacesItDeclaresAndNoOthers)
{
    ISingleTypeChooser* chooser = NewChooser();
    ASSERT_NE(nullptr, chooser);
    ISupportErrorInfo* errorInfo = nullptr;
    ASSERT_EQ(S_OK, chooser->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&errorInfo)));
    EXPECT_EQ(S_OK, errorInfo->InterfaceSupportsErrorInfo(IID_ISingleTypeChooser));
    EXPECT_EQ(S_FALSE, errorInfo->InterfaceSupportsErrorInfo(IID_IDispatch));
    errorInfo->Release();

    IConnectionPointContainer* container = nullptr;
    ASSERT_EQ(S_OK, chooser->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)));
    IConnectionPoint* point = nullptr;
    EXPECT_EQ(CONNECT_E_NOCONNECTION, container->FindConnectionPoint(DIID__ISingleTypeChooserEvents, &point));
    ASSERT_EQ(S_OK, container->FindConnectionPoint(IID_IPropertyNotifySink, &point));
    IID iid = {};
    EXPECT_EQ(S_OK, point->GetConnectionInterface(&iid));
    EXPECT_TRUE(IsEqualIID(IID_IPropertyNotifySink, iid));
    point->Release();
    container->Release();

    IProvideClassInfo2* classInfo = nullptr;
    ASSERT_EQ(S_OK, chooser->QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(&classInfo)));
    GUID source = {};
    EXPECT_EQ(S_OK, classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source));
    EXPECT_TRUE(IsEqualGUID(DIID__ISingleTypeChooserEvents, source));
    ITypeInfo* info = nullptr;
    ASSERT_EQ(S_OK, classInfo->GetClassInfo(&info));
    info->Release();
    classInfo->Release();

    IUnknown* other = nullptr;
    for (const IID* unused : {&IID_IPersistPropertyBag, &IID_IPointerInactive, &IID_IOleCache})
        EXPECT_EQ(E_NOINTERFACE, chooser->QueryInterface(*unused, reinterpret_cast<void**>(&other)));
    chooser->Release();
}

TEST_F(SorvaneTest, ServesACommonContainer)
{
    ExpectCommonContainerInterfaces(CLSID_SingleTypeChooser, PropertyNotifications::Sent);
}
