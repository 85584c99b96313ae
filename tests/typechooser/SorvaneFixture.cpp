#include "tests/typechooser/SorvaneFixture.h"
#include "tests/support/ControlLibrary.h"
#include "tests/support/TestFiles.h"
#include "productsim/testing/SimTestData.h"

const char kSorvaneClsid[] = "{145F66D9-B32A-11D3-B9D8-00207814BCF5}";

// webshop has an admin repository; tools has none.
const char kSorvaneData[] =
    "olpex \\webshop kinds=polpex mounted\n"
    "olpex \\admin kinds=admin mounted\n"
    "olpex \\tools kinds=polpex\n"
    "hyperlink AdminOLPEX from=webshop to=admin\n"
    "labeltype REL_1.0 olpex=webshop\n"
    "labeltype REL_1.1 olpex=webshop\n"
    "labeltype BETA_2 olpex=webshop\n"
    "labeltype latest olpex=webshop\n"
    "labeltype COMPANY_BASELINE olpex=admin\n"
    "branchtype main olpex=webshop\n"
    "branchtype Latest olpex=webshop\n"
    "attributetype FeatureLevel olpex=webshop\n"
    "attributetype TicketId olpex=webshop\n"
    "hyperlinktype FeatureLevel olpex=webshop\n"
    "triggertype check_comment olpex=webshop\n";

HMODULE SorvaneLibrary()
{
    CSimTestData::StartServerOnce();
    return RegisteredControlLibrary("Sorvane.dll");
}

HRESULT SorvaneCanUnloadNow()
{
    return CallExport(SorvaneLibrary(), "DllCanUnloadNow");
}

SorvaneTest::SorvaneTest() : HostedControlTest(kSorvaneClsid, 420, 460)
{
    SorvaneLibrary();
    m_view = m_folder.MakeFolder("bob");
    m_folder.MakeFile("bob\\view.dat");
    m_views.Register(m_view);
    UseData("");
}

void SorvaneTest::UseData(const std::string& records)
{
    CSimTestData::Use(CSimTestData::WithRecords(std::string(kSorvaneData) + "view \"" + m_view + "\"\n", records));
}
