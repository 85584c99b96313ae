// Pemrick as a COM server: registration, dispatch ids and the type library's enumerations.
#include "tests/pathchooser/PemrickFixture.h"
#include "tests/support/ControlLibrary.h"
#include "tests/support/RegistryText.h"
#include "tests/support/TestFiles.h"
#include <comutil.h>

namespace {
const char kClassKey[] = "CLSID\\{2F766012-B4BB-11D3-B9D9-00207814BCF5}";

std::string ClassesValue(const std::string& key, const char* name = nullptr)
{
    return RegistryText(HKEY_CLASSES_ROOT, key, name);
}
}

TEST_F(PemrickTest, RegistersItsClassAndTypeLibraryAndUnregistersThem)
{
    const std::string key = kClassKey;
    EXPECT_EQ("PathChooser Class", ClassesValue("Pemrick.PathChooser.1"));
    EXPECT_EQ("Pemrick.PathChooser.1", ClassesValue("Pemrick.PathChooser\\CurVer"));
    EXPECT_EQ("Pemrick.PathChooser", ClassesValue(key + "\\VersionIndependentProgID"));
    EXPECT_EQ(0, lstrcmpiA((ProgramFolder() + "Pemrick.dll").c_str(), ClassesValue(key + "\\InprocServer32").c_str()));
    EXPECT_EQ("Apartment", ClassesValue(key + "\\InprocServer32", "ThreadingModel"));
    EXPECT_EQ("131473", ClassesValue(key + "\\MiscStatus\\1"));
    EXPECT_EQ("{B553D148-B412-11D3-B9D9-00207814BCF5}", ClassesValue(key + "\\TypeLib"));
    EXPECT_EQ("pemrick 1.0 Type Library", ClassesValue("TypeLib\\{B553D148-B412-11D3-B9D9-00207814BCF5}\\1.0"));

    {
        UnregisteredControlLibrary unregistered(PemrickLibrary());
        ASSERT_EQ(S_OK, unregistered.Result());
        EXPECT_EQ("<none>", ClassesValue(key));
        EXPECT_EQ("<none>", ClassesValue("Pemrick.PathChooser"));
    }
    EXPECT_EQ("PathChooser Class", ClassesValue("Pemrick.PathChooser.1")) << "registered again";
}

TEST_F(PemrickTest, DispatchIdsAndEnumerationsComeFromTheTypeLibrary)
{
    IPathChooser* chooser = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_PathChooser, nullptr, CLSCTX_INPROC_SERVER, IID_IPathChooser,
                                     reinterpret_cast<void**>(&chooser)));
    const wchar_t* names[] = {L"Mode", L"SelectedTargets", L"Constraints", L"ReadOnly"};
    for (DISPID expected = 1; expected <= 4; ++expected) {
        DISPID id = 0;
        LPOLESTR name = const_cast<LPOLESTR>(names[expected - 1]);
        EXPECT_EQ(S_OK, chooser->GetIDsOfNames(IID_NULL, &name, 1, LOCALE_USER_DEFAULT, &id));
        EXPECT_EQ(expected, id);
    }
    CHOOSER_MODE mode = MODE_POLPEX;
    SEL_CONSTRAINTS constraints = SEL_MULTI;
    long readOnly = 1;
    EXPECT_EQ(S_OK, chooser->get_Mode(&mode));
    EXPECT_EQ(S_OK, chooser->get_Constraints(&constraints));
    EXPECT_EQ(S_OK, chooser->get_ReadOnly(&readOnly));
    EXPECT_EQ(MODE_PATH, mode);
    EXPECT_EQ(SEL_SINGLE, constraints);
    EXPECT_EQ(0, readOnly);

    ITypeInfo* info = nullptr;
    ASSERT_EQ(S_OK, chooser->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info));
    ITypeLib* library = nullptr;
    UINT index = 0;
    ASSERT_EQ(S_OK, info->GetContainingTypeLib(&library, &index));
    ITypeInfo* constraintsInfo = nullptr;
    const GUID constraintsGuid = {0x8E400160, 0xB4C5, 0x11D3, {0xB9, 0xD9, 0x00, 0x20, 0x78, 0x14, 0xBC, 0xF5}};
    EXPECT_EQ(S_OK, library->GetTypeInfoOfGuid(constraintsGuid, &constraintsInfo));
    if (constraintsInfo)
        constraintsInfo->Release();
    library->Release();
    info->Release();
    // A control created and never activated leaves the remembered selection alone.
    chooser->Release();
    EXPECT_EQ("<none>", RememberedValue(kSelectionKey, "ViewDirectory"));
}
