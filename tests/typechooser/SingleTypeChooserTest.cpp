// The type chooser hosted as the builder hosts it, against the simulated
// product: its repositories, the type names of each kind, the cache, and the
// failures of the queries.
#include "tests/typechooser/SorvaneFixture.h"
#include "tests/support/WindowPump.h"
#include "typechooser/Resource.h"
#include <comutil.h>

namespace {
std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}
}

TEST_F(SorvaneTest, HostedControlListsTheRepositoriesAndTheNamesOfTheSelectedOne)
{
    // Two paths in one repository record it once; its admin repository is listed after it.
    auto host = Choose(Quoted(PathIn("webshop")) + " " + Quoted(m_view + "\\webshop\\doc"), "beta_2", TC_LABEL);
    ASSERT_NE(nullptr, host->Control());
    EXPECT_EQ("admin,webshop", ComboItems(host->Item(IDC_OLPEX_COMBO)));
    EXPECT_EQ("webshop", ComboSelection(host->Item(IDC_OLPEX_COMBO)));
    EXPECT_EQ("BETA_2,REL_1.0,REL_1.1", ComboItems(host->Item(IDC_NAME_COMBO)));
    EXPECT_EQ("Select or type Label:", ControlText(host->ControlWindow(), IDC_NAME_PROMPT));
    EXPECT_EQ("webshop", host->GetText(1));
    EXPECT_EQ("BETA_2", host->GetText(2));
    EXPECT_EQ(TC_LABEL, host->GetLong(3));

    // Choosing the admin repository refills the names once the change is complete.
    HWND olpex = host->Item(IDC_OLPEX_COMBO);
    SendMessageA(olpex, CB_SETCURSEL, 0, 0);
    SendMessageA(host->ControlWindow(), WM_COMMAND, MAKEWPARAM(IDC_OLPEX_COMBO, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(olpex));
    EXPECT_TRUE(PumpUntil([&] { return ComboItems(host->Item(IDC_NAME_COMBO)) == "COMPANY_BASELINE"; }))
        << ComboItems(host->Item(IDC_NAME_COMBO));
    EXPECT_EQ("admin", host->GetText(1));
    EXPECT_EQ("", host->GetText(2));
    EXPECT_TRUE(NewBoxes(0).empty());

    host->Destroy();
    EXPECT_TRUE(PumpUntil([] { return SorvaneCanUnloadNow() == S_OK; }))
        << "the host's release frees the control";
}

TEST_F(SorvaneTest, EachKindListsItsNamesWithoutTheNamesTheProductPredefines)
{
    auto host = Choose(Quoted(PathIn("webshop")), "", TC_LABEL);
    ASSERT_NE(nullptr, host->Control());
    struct Kind {
        long kind;
        const char* word;
        const char* names;
    };
    const Kind kinds[] = {
        {TC_LABEL, "Label", "BETA_2,REL_1.0,REL_1.1"},
        {TC_BRANCH, "Branch", "Latest,main"},
        {TC_ATTRIBUTE, "Attribute", "TicketId"},
        {TC_HYPERLINK, "Hyperlink", "FeatureLevel"},
        {TC_TRIGGER, "Trigger", "check_comment"},
        {TC_ELEMENT, "Element", ""},
        {TC_OBSOLETE_BRANCH, "Element", ""},
        {9, "Element", ""},
    };
    for (const Kind& kind : kinds) {
        EXPECT_EQ(S_OK, host->PutLong(3, kind.kind));
        EXPECT_EQ(kind.names, ComboItems(host->Item(IDC_NAME_COMBO))) << kind.kind;
        EXPECT_EQ(std::string("Select or type ") + kind.word + ":",
                  ControlText(host->ControlWindow(), IDC_NAME_PROMPT)) << kind.kind;
        EXPECT_EQ(kind.kind, host->GetLong(3));
    }
    EXPECT_TRUE(NewBoxes(0).empty());
}

TEST_F(SorvaneTest, NamesAreReadOncePerRepositoryAndKindInTheLifeOfAControl)
{
    auto host = Choose(Quoted(PathIn("webshop")), "", TC_LABEL);
    ASSERT_NE(nullptr, host->Control());
    UseData("labeltype GAMMA olpex=webshop\nbranchtype GAMMA olpex=webshop");
    EXPECT_EQ(S_OK, host->PutLong(3, TC_LABEL));
    EXPECT_EQ("BETA_2,REL_1.0,REL_1.1", ComboItems(host->Item(IDC_NAME_COMBO)));
    EXPECT_EQ(S_OK, host->PutLong(3, TC_BRANCH));
    EXPECT_EQ("GAMMA,Latest,main", ComboItems(host->Item(IDC_NAME_COMBO)));

    auto fresh = Choose(Quoted(PathIn("webshop")), "", TC_LABEL);
    EXPECT_EQ("BETA_2,GAMMA,REL_1.0,REL_1.1", ComboItems(fresh->Item(IDC_NAME_COMBO)));
}

// Every failing read of a query shows one box and lists nothing, and nothing
// is cached: the next refill asks again.
TEST_F(SorvaneTest, EachFailingReadShowsOneBoxListsNothingAndIsAskedAgain)
{
    const char* marks[] = {
        "olpex \\webshop kinds=polpex mounted fail=LabelTypes",
        "olpex \\webshop kinds=polpex mounted fail=LabelTypes.Count",
        "labeltype REL_1.1 olpex=webshop fail=Item",
        "labeltype REL_1.1 olpex=webshop fail=Name",
    };
    for (const char* mark : marks) {
        UseData(mark);
        auto host = Choose(Quoted(PathIn("webshop")), "REL_1.0", TC_LABEL);
        ASSERT_NE(nullptr, host->Control());
        std::vector<RecordedBox> boxes = NewBoxes(1);
        ASSERT_EQ(1u, boxes.size()) << mark;
        EXPECT_EQ("QEL Error", boxes[0].caption) << mark;
        EXPECT_NE(std::string::npos, boxes[0].text.find("Error Code: 80040202")) << mark << ": " << boxes[0].text;
        EXPECT_EQ("", ComboItems(host->Item(IDC_NAME_COMBO))) << mark;
        EXPECT_EQ("", host->GetText(2)) << mark;

        UseData("");
        EXPECT_EQ(S_OK, host->PutLong(3, TC_LABEL));
        EXPECT_EQ("BETA_2,REL_1.0,REL_1.1", ComboItems(host->Item(IDC_NAME_COMBO))) << mark;
        EXPECT_EQ("REL_1.0", host->GetText(2)) << mark;
        EXPECT_TRUE(NewBoxes(0).empty()) << mark;
    }
}

// A blank before the first quote, and quoted paths without a blank between
// them, lose no path; properties put before the control has its window fill
// its lists once it has one.
TEST_F(SorvaneTest, SelectorPathsPutBeforeTheWindowFillTheListsOnceItExists)
{
    ISingleTypeChooser* chooser = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_SingleTypeChooser, nullptr, CLSCTX_INPROC_SERVER, IID_ISingleTypeChooser,
                                     reinterpret_cast<void**>(&chooser)));
    const std::string selector = " " + Quoted(PathIn("tools")) + Quoted(PathIn("webshop"));
    EXPECT_EQ(S_OK, chooser->put_OLPEXSelector(_bstr_t(selector.c_str())));
    EXPECT_EQ(S_OK, chooser->put_OLPEXSelector(_bstr_t("C:\\outside\\every view")));
    EXPECT_EQ(S_OK, chooser->put_Value(_bstr_t("check_comment")));
    EXPECT_EQ(S_OK, chooser->put_Type(TC_TRIGGER));
    ControlHost host(chooser);
    chooser->Release();
    ASSERT_NE(nullptr, host.Control());
    EXPECT_EQ("admin,tools,webshop", ComboItems(host.Item(IDC_OLPEX_COMBO)));
    EXPECT_EQ("tools", ComboSelection(host.Item(IDC_OLPEX_COMBO)));
    EXPECT_EQ("Select or type Trigger:", ControlText(host.ControlWindow(), IDC_NAME_PROMPT));
    HWND olpex = host.Item(IDC_OLPEX_COMBO);
    LRESULT webshop = SendMessageA(olpex, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("webshop"));
    SendMessageA(olpex, CB_SETCURSEL, static_cast<WPARAM>(webshop), 0);
    SendMessageA(host.ControlWindow(), WM_COMMAND, MAKEWPARAM(IDC_OLPEX_COMBO, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(olpex));
    EXPECT_TRUE(PumpUntil([&] { return host.GetText(2) == "check_comment"; })) << host.GetText(2);
}
