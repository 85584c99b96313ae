// The QEL server through COM: by vtable, by name through IDispatch, and its
// error information.
#include "Qel.h"
#include "productsim/testing/SimTestData.h"
#include <comdef.h>
#include <gtest/gtest.h>

_COM_SMARTPTR_TYPEDEF(IKvApplication, __uuidof(IKvApplication));
_COM_SMARTPTR_TYPEDEF(IKvFolder, __uuidof(IKvFolder));
_COM_SMARTPTR_TYPEDEF(IKvFolders, __uuidof(IKvFolders));
_COM_SMARTPTR_TYPEDEF(IKvProject, __uuidof(IKvProject));
_COM_SMARTPTR_TYPEDEF(IKvProjects, __uuidof(IKvProjects));
_COM_SMARTPTR_TYPEDEF(IKvStream, __uuidof(IKvStream));
_COM_SMARTPTR_TYPEDEF(IKvStreams, __uuidof(IKvStreams));
_COM_SMARTPTR_TYPEDEF(IKvActivity, __uuidof(IKvActivity));
_COM_SMARTPTR_TYPEDEF(IKvActivities, __uuidof(IKvActivities));
_COM_SMARTPTR_TYPEDEF(IKvEntity, __uuidof(IKvEntity));
_COM_SMARTPTR_TYPEDEF(IKvOlpex, __uuidof(IKvOlpex));
_COM_SMARTPTR_TYPEDEF(IKvLinkable, __uuidof(IKvLinkable));
_COM_SMARTPTR_TYPEDEF(IKvTypes, __uuidof(IKvTypes));
_COM_SMARTPTR_TYPEDEF(IKvType, __uuidof(IKvType));
_COM_SMARTPTR_TYPEDEF(IKvHyperlinks, __uuidof(IKvHyperlinks));
_COM_SMARTPTR_TYPEDEF(IKvHyperlink, __uuidof(IKvHyperlink));
_COM_SMARTPTR_TYPEDEF(IKvView, __uuidof(IKvView));
_COM_SMARTPTR_TYPEDEF(IKvTool, __uuidof(IKvTool));
_COM_SMARTPTR_TYPEDEF(IDispatch, __uuidof(IDispatch));

namespace {

const char kData[] =
    "olpex \\pvob kinds=polpex,sumolpex mounted\n"
    "olpex \\src kinds=polpex private\n"
    "olpex \\adm kinds=admin\n"
    "folder RootFolder olpex=pvob display=\"Process root\"\n"
    "folder Products parent=RootFolder olpex=pvob display=\"All products\"\n"
    "folder Tools parent=RootFolder olpex=pvob shrink=SubFolders grow=Projects\n"
    "folder Shelf parent=Tools olpex=pvob\n"
    "folder Drawer parent=Tools olpex=pvob\n"
    "folder Box parent=Tools olpex=pvob\n"
    "project hammer folder=Tools olpex=pvob\n"
    "project shop folder=Products olpex=pvob istream=shop_int display=\"The shop\"\n"
    "project broken folder=Products olpex=pvob istream=missing fail=Streams.Count empty=Parent\n"
    "stream ann_dev project=shop olpex=pvob display=\"Ann's work\"\n"
    "stream shop_int project=shop olpex=pvob\n"
    "stream ben_dev project=shop olpex=pvob fail=Item\n"
    "stream cat_dev project=shop olpex=pvob\n"
    "activity fix_cart stream=ann_dev olpex=pvob display=\"Fix the cart\"\n"
    "activity ghost stream=ann_dev olpex=pvob empty=Get\n"
    "labeltype REL_1 olpex=src\n"
    "labeltype OLD olpex=src obsolete\n"
    "labeltype BASE olpex=src global\n"
    "triggertype check olpex=src\n"
    "triggertype gone olpex=src obsolete\n"
    "hyperlink AdminOLPEX from=src to=adm\n"
    "hyperlink AdminOLPEX from=src to=pvob\n"
    "view C:\\views\\ann\n"
    "view C:\\views\\ann_snap snapshot\n"
    "command \"lsolpex -s\" output=\"\\pvob\\n\\src\\n\"\n";

class ServerTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        CoInitialize(nullptr);
        ASSERT_TRUE(CSimTestData::RegisterServer());
    }

    void SetUp() override
    {
        CSimTestData::Use(kData);
        // As the environment library creates it: by class id, any context,
        // IUnknown, run, then the Application interface.
        CLSID classId;
        ASSERT_EQ(S_OK, CLSIDFromProgID(L"Korvast.Application", &classId));
        ASSERT_TRUE(IsEqualCLSID(CLSID_Application, classId));
        IUnknown* object = nullptr;
        ASSERT_EQ(S_OK, CoCreateInstance(classId, nullptr, CLSCTX_ALL, IID_IUnknown, reinterpret_cast<void**>(&object)));
        EXPECT_EQ(S_OK, OleRun(object));
        EXPECT_EQ(S_OK, object->QueryInterface(IID_IKvApplication, reinterpret_cast<void**>(&app)));
        object->Release();
        ASSERT_NE(nullptr, app);
    }

    static std::string Text(BSTR text)
    {
        std::string narrow = text == nullptr ? "" : static_cast<const char*>(_bstr_t(text, false));
        return narrow;
    }

    // The error information the last failing call left, as _com_error reads it.
    template <class Interface>
    static std::string Description(HRESULT result, Interface* object)
    {
        _com_error error = _com_error(result, nullptr);
        ISupportErrorInfo* support = nullptr;
        if (object != nullptr && SUCCEEDED(object->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support)))) {
            EXPECT_EQ(S_OK, support->InterfaceSupportsErrorInfo(__uuidof(Interface)));
            support->Release();
        }
        IErrorInfo* info = nullptr;
        if (GetErrorInfo(0, &info) == S_OK)
            error = _com_error(result, info);
        return error.Description().length() == 0 ? "" : static_cast<const char*>(error.Description());
    }

    std::string Name(IKvEntity* entity)
    {
        BSTR name = nullptr;
        EXPECT_EQ(S_OK, entity->get_Name(&name));
        return Text(name);
    }

    IKvApplicationPtr app;
};

TEST_F(ServerTest, FolderTreeNamesAndDisplayTexts)
{
    IKvFolderPtr root;
    ASSERT_EQ(S_OK, app->GetFolder(_bstr_t("\"Folder:RootFolder@\\pvob\""), &root));
    BSTR display = nullptr;
    ASSERT_EQ(S_OK, root->get_DisplayText(&display));
    EXPECT_EQ("Process root", Text(display));

    IKvFoldersPtr children;
    ASSERT_EQ(S_OK, root->get_SubFolders(&children));
    long count = 0;
    ASSERT_EQ(S_OK, children->get_Count(&count));
    ASSERT_EQ(2, count);
    IKvFolderPtr tools;
    ASSERT_EQ(S_OK, children->get_Item(2, &tools));
    EXPECT_EQ("Tools", Name(tools));
    ASSERT_EQ(S_OK, tools->get_DisplayText(&display));
    EXPECT_EQ("", Text(display));

    IKvEntityPtr parent;
    ASSERT_EQ(S_OK, tools->get_Parent(&parent));
    EXPECT_EQ("RootFolder", Name(parent));
    IKvEntity* none = nullptr;
    EXPECT_EQ(QEL_E_NOTFOUND, root->get_Parent(&none));
    EXPECT_EQ(nullptr, none);
    EXPECT_EQ("folder:RootFolder@\\pvob has no parent folder.", Description(QEL_E_NOTFOUND, root.GetInterfacePtr()));

    IKvFolderPtr products;
    ASSERT_EQ(S_OK, app->GetFolder(_bstr_t("folder:Products@\\pvob"), &products));
    IKvProjectsPtr projects;
    ASSERT_EQ(S_OK, products->get_Projects(&projects));
    ASSERT_EQ(S_OK, projects->get_Count(&count));
    EXPECT_EQ(2, count);
}

TEST_F(ServerTest, ProjectStreamsActivitiesAndLinksBetweenThem)
{
    IKvProjectPtr shop;
    ASSERT_EQ(S_OK, app->GetProject(_bstr_t("project:shop@\\pvob"), &shop));
    IKvStreamsPtr streams;
    ASSERT_EQ(S_OK, shop->Streams(_bstr_t(""), &streams));
    long count = 0;
    ASSERT_EQ(S_OK, streams->get_Count(&count));
    ASSERT_EQ(4, count);
    IKvStreamPtr first;
    ASSERT_EQ(S_OK, streams->get_Item(1, &first));
    EXPECT_EQ("shop_int", Name(first));  // the integration stream comes first
    IKvStreamPtr beyond;
    EXPECT_EQ(DISP_E_BADINDEX, streams->get_Item(5, &beyond));
    EXPECT_EQ("Index 5 is outside the Streams of project:shop@\\pvob (1 to 4).", Description(DISP_E_BADINDEX, streams.GetInterfacePtr()));

    IKvStreamsPtr filtered;
    ASSERT_EQ(S_OK, shop->Streams(_bstr_t("_dev"), &filtered));
    ASSERT_EQ(S_OK, filtered->get_Count(&count));
    EXPECT_EQ(3, count);

    IKvStreamPtr integration;
    ASSERT_EQ(S_OK, shop->get_IntegrationStream(&integration));
    EXPECT_EQ("shop_int", Name(integration));
    IKvProjectPtr back;
    ASSERT_EQ(S_OK, integration->get_Project(&back));
    EXPECT_EQ("shop", Name(back));
    IKvEntityPtr folder;
    ASSERT_EQ(S_OK, shop->get_Parent(&folder));
    EXPECT_EQ("Products", Name(folder));

    IKvStreamPtr annDev;
    ASSERT_EQ(S_OK, app->GetStream(_bstr_t("stream:ann_dev@\\pvob"), &annDev));
    IKvActivitiesPtr activities;
    ASSERT_EQ(S_OK, annDev->get_Activities(&activities));
    ASSERT_EQ(S_OK, activities->get_Count(&count));
    ASSERT_EQ(2, count);
    IKvActivityPtr fixCart;
    ASSERT_EQ(S_OK, activities->get_Item(1, &fixCart));
    BSTR display = nullptr;
    ASSERT_EQ(S_OK, fixCart->get_DisplayText(&display));
    EXPECT_EQ("Fix the cart", Text(display));
    IKvEntityPtr stream;
    ASSERT_EQ(S_OK, fixCart->get_Parent(&stream));
    EXPECT_EQ("ann_dev", Name(stream));
    IKvEntityPtr common;
    EXPECT_EQ(S_OK, annDev.QueryInterface(IID_IKvEntity, &common));
}

TEST_F(ServerTest, MarksMakeCallsFailOrGiveNothing)
{
    IKvProjectPtr shop;
    ASSERT_EQ(S_OK, app->GetProject(_bstr_t("project:shop@\\pvob"), &shop));
    IKvStreamsPtr streams;
    ASSERT_EQ(S_OK, shop->Streams(_bstr_t(""), &streams));
    IKvStreamPtr third;
    EXPECT_EQ(QEL_E_FAILED, streams->get_Item(3, &third));
    EXPECT_EQ("Item failed for item 3 of the Streams of project:shop@\\pvob.", Description(QEL_E_FAILED, streams.GetInterfacePtr()));

    IKvProjectPtr broken;
    ASSERT_EQ(S_OK, app->GetProject(_bstr_t("project:broken@\\pvob"), &broken));
    IKvStreamsPtr none;
    ASSERT_EQ(S_OK, broken->Streams(_bstr_t(""), &none));
    long count = -1;
    EXPECT_EQ(QEL_E_FAILED, none->get_Count(&count));
    IKvEntity* parent = reinterpret_cast<IKvEntity*>(1);
    EXPECT_EQ(S_OK, broken->get_Parent(&parent));
    EXPECT_EQ(nullptr, parent);
    IKvStream* missing = nullptr;
    EXPECT_EQ(QEL_E_NOTFOUND, broken->get_IntegrationStream(&missing));

    IKvActivity* ghost = reinterpret_cast<IKvActivity*>(1);
    EXPECT_EQ(S_OK, app->GetActivity(_bstr_t("activity:ghost@\\pvob"), &ghost));
    EXPECT_EQ(nullptr, ghost);
}

// "empty" leaves out an object, never a value: names, texts, flags and counts
// are given anyway. A missing out pointer is refused before any mark counts.
TEST_F(ServerTest, EmptyMarksLeaveValuesAndNullOutPointersAreRefusedFirst)
{
    CSimTestData::Use("olpex \\pvob private empty=IsPrivate\n"
                      "folder Root olpex=pvob display=Top empty=Name,DisplayText,Parent,SubFolders.Count fail=Projects\n");
    IKvFolderPtr root;
    ASSERT_EQ(S_OK, app->GetFolder(_bstr_t("folder:Root@\\pvob"), &root));
    EXPECT_EQ("Root", Name(root));
    BSTR display = nullptr;
    EXPECT_EQ(S_OK, root->get_DisplayText(&display));
    EXPECT_EQ("Top", Text(display));
    IKvFoldersPtr subFolders;
    ASSERT_EQ(S_OK, root->get_SubFolders(&subFolders));
    long count = -1;
    EXPECT_EQ(S_OK, subFolders->get_Count(&count));
    EXPECT_EQ(0, count);
    IKvOlpexPtr olpex;
    ASSERT_EQ(S_OK, app->GetOlpex(_bstr_t("\\pvob"), &olpex));
    VARIANT_BOOL isPrivate = VARIANT_FALSE;
    EXPECT_EQ(S_OK, olpex->get_IsPrivate(&isPrivate));
    EXPECT_EQ(VARIANT_TRUE, isPrivate);

    EXPECT_EQ(E_POINTER, root->get_Name(nullptr));
    EXPECT_EQ(E_POINTER, root->get_Parent(nullptr));
    EXPECT_EQ(E_POINTER, root->get_Projects(nullptr));
    EXPECT_EQ(E_POINTER, subFolders->get_Count(nullptr));
    EXPECT_EQ(E_POINTER, olpex->get_IsPrivate(nullptr));
}

TEST_F(ServerTest, CollectionsThatChangeWhileTheyAreWalked)
{
    IKvFolderPtr tools;
    ASSERT_EQ(S_OK, app->GetFolder(_bstr_t("folder:Tools@\\pvob"), &tools));
    auto walk = [this](auto collection, auto itemType) {
        std::string names;
        long count = 0;
        for (long i = 1; SUCCEEDED(collection->get_Count(&count)) && i <= count; ++i) {
            decltype(itemType) item = nullptr;
            EXPECT_EQ(S_OK, collection->get_Item(i, &item));
            names += Name(item) + " ";
            item->Release();
        }
        return names;
    };
    IKvFoldersPtr shrinking;
    ASSERT_EQ(S_OK, tools->get_SubFolders(&shrinking));
    EXPECT_EQ("Shelf Drawer ", walk(shrinking, static_cast<IKvFolder*>(nullptr)));
    IKvProjectsPtr growing;
    ASSERT_EQ(S_OK, tools->get_Projects(&growing));
    EXPECT_EQ("hammer hammer ", walk(growing, static_cast<IKvProject*>(nullptr)));
}

TEST_F(ServerTest, LookupFailuresCarryTheirText)
{
    IKvFolder* folder = nullptr;
    HRESULT result = app->GetFolder(_bstr_t("folder:Nowhere@\\pvob"), &folder);
    EXPECT_EQ(QEL_E_NOTFOUND, result);
    EXPECT_EQ("Folder not found: folder:Nowhere@\\pvob", Description(result, app.GetInterfacePtr()));

    IKvStream* stream = nullptr;
    result = app->GetStream(_bstr_t("project:shop@\\pvob"), &stream);
    EXPECT_EQ(QEL_E_SELECTOR, result);
    EXPECT_EQ("\"project:shop@\\pvob\" is not a stream selector.", Description(result, app.GetInterfacePtr()));

    CSimTestData::Use(std::string(kData) + "application fail=GetProject\n");
    IKvProject* project = nullptr;
    result = app->GetProject(_bstr_t("project:shop@\\pvob"), &project);
    EXPECT_EQ(QEL_E_FAILED, result);
    EXPECT_EQ("GetProject failed for the Korvast application.", Description(result, app.GetInterfacePtr()));

    CSimTestData::Use("olpex \\x\nfolder f\n");
    result = app->GetFolder(_bstr_t("folder:f@\\x"), &folder);
    EXPECT_EQ(QEL_E_DATA, result);
    EXPECT_NE(std::string::npos, Description(result, app.GetInterfacePtr()).find("line 2: \"folder\" needs olpex="));
}

TEST_F(ServerTest, RepositoriesTypesAndHyperlinks)
{
    IKvOlpexPtr source;
    ASSERT_EQ(S_OK, app->GetOlpex(_bstr_t("\\src"), &source));
    BSTR name = nullptr;
    ASSERT_EQ(S_OK, source->get_Name(&name));
    EXPECT_EQ("\\src", Text(name));
    VARIANT_BOOL isPrivate = VARIANT_FALSE;
    ASSERT_EQ(S_OK, source->get_IsPrivate(&isPrivate));
    EXPECT_EQ(VARIANT_TRUE, isPrivate);

    auto names = [this](IKvTypes* types) {
        std::string all;
        long count = 0;
        EXPECT_EQ(S_OK, types->get_Count(&count));
        for (long i = 1; i <= count; ++i) {
            IKvTypePtr type;
            BSTR text = nullptr;
            EXPECT_EQ(S_OK, types->get_Item(i, &type));
            EXPECT_EQ(S_OK, type->get_Name(&text));
            all += Text(text) + " ";
        }
        return all;
    };
    IKvTypesPtr labels;
    ASSERT_EQ(S_OK, source->LabelTypes(VARIANT_TRUE, VARIANT_FALSE, &labels));
    EXPECT_EQ("REL_1 BASE ", names(labels));
    ASSERT_EQ(S_OK, source->LabelTypes(VARIANT_FALSE, VARIANT_TRUE, &labels));
    EXPECT_EQ("BASE ", names(labels));
    IKvTypesPtr triggers;
    ASSERT_EQ(S_OK, source->TriggerTypes(VARIANT_FALSE, &triggers));
    EXPECT_EQ("check ", names(triggers));
    IKvTypesPtr branches;
    ASSERT_EQ(S_OK, source->BranchTypes(VARIANT_TRUE, VARIANT_FALSE, &branches));
    EXPECT_EQ("", names(branches));

    IKvLinkablePtr linkable;
    ASSERT_EQ(S_OK, source.QueryInterface(IID_IKvLinkable, &linkable));
    IKvHyperlinksPtr links;
    ASSERT_EQ(S_OK, linkable->Hyperlinks(_bstr_t("AdminOLPEX"), &links));
    long count = 0;
    ASSERT_EQ(S_OK, links->get_Count(&count));
    ASSERT_EQ(2, count);
    IKvHyperlinkPtr second;
    ASSERT_EQ(S_OK, links->get_Item(2, &second));
    IKvOlpexPtr target;
    ASSERT_EQ(S_OK, second->get_Target(&target));
    ASSERT_EQ(S_OK, target->get_Name(&name));
    EXPECT_EQ("\\pvob", Text(name));

    IKvOlpexPtr byPath;
    ASSERT_EQ(S_OK, app->GetOlpex(_bstr_t("C:\\views\\ann_snap\\src\\lib\\a.c"), &byPath));
    ASSERT_EQ(S_OK, byPath->get_Name(&name));
    EXPECT_EQ("\\src", Text(name));
    IKvOlpex* doubled = nullptr;
    EXPECT_EQ(QEL_E_NOTFOUND, app->GetOlpex(_bstr_t("\\\\src"), &doubled));
    EXPECT_EQ(QEL_E_NOTFOUND, app->GetOlpex(_bstr_t("D:\\elsewhere\\src"), &doubled));
}

TEST_F(ServerTest, ViewsByPath)
{
    IKvViewPtr view;
    ASSERT_EQ(S_OK, app->GetView(_bstr_t("C:\\views\\ann_snap\\"), &view));
    VARIANT_BOOL snapshot = VARIANT_FALSE;
    ASSERT_EQ(S_OK, view->get_IsSnapshot(&snapshot));
    EXPECT_EQ(VARIANT_TRUE, snapshot);
    BSTR path = nullptr;
    ASSERT_EQ(S_OK, view->get_Path(&path));
    EXPECT_EQ("C:\\views\\ann_snap", Text(path));

    ASSERT_EQ(S_OK, app->GetView(_bstr_t("C:\\views\\ann\\src"), &view));
    ASSERT_EQ(S_OK, view->get_IsSnapshot(&snapshot));
    EXPECT_EQ(VARIANT_FALSE, snapshot);

    IKvView* none = nullptr;
    EXPECT_EQ(QEL_E_NOTFOUND, app->GetView(_bstr_t("C:\\views\\annex"), &none));
}

TEST_F(ServerTest, DispatchByNameReachesEveryMemberAndReportsFailures)
{
    IDispatchPtr dispatch = app;
    auto idOf = [&dispatch](IDispatch* object, const wchar_t* name) {
        DISPID id = DISPID_UNKNOWN;
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        EXPECT_EQ(S_OK, object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id));
        return id;
    };
    _variant_t selector("folder:Products@\\pvob");
    DISPPARAMS parameters = {&selector, nullptr, 1, 0};
    _variant_t folder;
    EXCEPINFO exception = {};
    ASSERT_EQ(S_OK, dispatch->Invoke(idOf(dispatch, L"GetFolder"), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                     &parameters, &folder, &exception, nullptr));
    ASSERT_EQ(VT_DISPATCH, folder.vt);

    DISPPARAMS noParameters = {nullptr, nullptr, 0, 0};
    _variant_t name;
    ASSERT_EQ(S_OK, V_DISPATCH(&folder)->Invoke(idOf(V_DISPATCH(&folder), L"Name"), IID_NULL, LOCALE_USER_DEFAULT,
                                                DISPATCH_PROPERTYGET, &noParameters, &name, &exception, nullptr));
    EXPECT_EQ("Products", std::string(static_cast<const char*>(_bstr_t(name))));

    _variant_t missing("folder:Nowhere@\\pvob");
    DISPPARAMS badParameters = {&missing, nullptr, 1, 0};
    _variant_t nothing;
    HRESULT result = dispatch->Invoke(idOf(dispatch, L"GetFolder"), IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD,
                                      &badParameters, &nothing, &exception, nullptr);
    EXPECT_EQ(DISP_E_EXCEPTION, result);
    EXPECT_EQ(QEL_E_NOTFOUND, exception.scode);
    EXPECT_EQ("Folder not found: folder:Nowhere@\\pvob", Text(exception.bstrDescription));
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrHelpFile);
}

TEST_F(ServerTest, ToolRunsTheCommandsOfTheData)
{
    IKvToolPtr tool;
    ASSERT_EQ(S_OK, tool.CreateInstance(CLSID_Tool));
    BSTR output = nullptr;
    ASSERT_EQ(S_OK, tool->Execute(_bstr_t("lsolpex -s"), &output));
    EXPECT_EQ("\\pvob\r\n\\src\r\n", Text(output));
    HRESULT result = tool->Execute(_bstr_t("rmolpex \\src"), &output);
    EXPECT_EQ(QEL_E_NOTFOUND, result);
    EXPECT_EQ("Unknown command: rmolpex \\src", Description(result, tool.GetInterfacePtr()));
}

TEST_F(ServerTest, CreationFailsWhenTheDataSaysSo)
{
    CSimTestData::Use(std::string(kData) + "application fail=create\ntool fail=create\n");
    IUnknown* object = nullptr;
    EXPECT_EQ(CO_E_SERVER_EXEC_FAILURE, CoCreateInstance(CLSID_Application, nullptr, CLSCTX_ALL, IID_IUnknown,
                                                         reinterpret_cast<void**>(&object)));
    EXPECT_EQ(CO_E_SERVER_EXEC_FAILURE, CoCreateInstance(CLSID_Tool, nullptr, CLSCTX_ALL, IID_IUnknown,
                                                         reinterpret_cast<void**>(&object)));
    EXPECT_EQ(nullptr, object);
}

}
