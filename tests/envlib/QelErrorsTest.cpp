#include "envlib/QelErrors.h"
#include "tests/support/MessageBoxWatcher.h"
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
const char kComErrorCaption[] = "QEL Error";
const char kUnknownError[] = "Unknown QEL Error";

IErrorInfo* MakeErrorInfo(const wchar_t* description)
{
    ICreateErrorInfo* create = nullptr;
    CreateErrorInfo(&create);
    create->SetDescription(const_cast<wchar_t*>(description));
    IErrorInfo* info = nullptr;
    create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info));
    create->Release();
    return info;
}

// An automation object that says which interface sets error information.
class ErrorSource : public ISupportErrorInfo {
public:
    explicit ErrorSource(REFIID supported) : m_supported(supported) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (iid != IID_IUnknown && iid != IID_ISupportErrorInfo) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = this;
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override
    {
        return iid == m_supported ? S_OK : S_FALSE;
    }

private:
    IID m_supported;
};

RecordedBox OnlyBox(const MessageBoxWatcher& watcher)
{
    std::vector<RecordedBox> boxes = watcher.WaitForBoxes(1);
    EXPECT_EQ(1u, boxes.size());
    return boxes.empty() ? RecordedBox() : boxes[0];
}
}

TEST(QelErrors, ComErrorBoxShowsDescriptionAndLowerCaseHexCode)
{
    MessageBoxWatcher watcher;
    ReportComError(_com_error(E_POINTER));
    ReportComError(_com_error(0x8000FFFF, MakeErrorInfo(L"No such folder")));
    ReportComError(_com_error(0x0000ABCD));
    std::vector<RecordedBox> boxes = watcher.WaitForBoxes(3);
    ASSERT_EQ(3u, boxes.size());
    EXPECT_EQ(kComErrorCaption, boxes[0].caption);
    EXPECT_EQ("Error Description: \nError Code: 80004003", boxes[0].text);
    EXPECT_EQ("Error Description: No such folder\nError Code: 8000ffff", boxes[1].text);
    EXPECT_EQ("Error Description: \nError Code: abcd", boxes[2].text);
}

TEST(QelErrors, QueryStepReportsAutomationErrorsAndSetsTheFlag)
{
    MessageBoxWatcher watcher;
    EXPECT_FALSE(RunQueryStep([] { RequireObject(nullptr); }));
    EXPECT_TRUE(QueryFailed);
    RecordedBox box = OnlyBox(watcher);
    EXPECT_EQ(kComErrorCaption, box.caption);
    EXPECT_EQ("Error Description: \nError Code: 80004003", box.text);

    EXPECT_TRUE(RunQueryStep([] {}));
    EXPECT_FALSE(QueryFailed) << "each step starts with the flag reset";
    EXPECT_EQ(1u, watcher.Boxes().size());
}

TEST(QelErrors, QueryStepShowsTheCatchAllBoxForOtherExceptions)
{
    MessageBoxWatcher watcher;
    EXPECT_FALSE(RunQueryStep([] { throw std::runtime_error("not automation"); }));
    EXPECT_TRUE(QueryFailed);
    RecordedBox box = OnlyBox(watcher);
    EXPECT_EQ(kUnknownError, box.caption);
    EXPECT_EQ(kUnknownError, box.text);
}

TEST(QelErrors, FailedResultCarriesErrorInformationOnlyForTheInterfaceThatSetsIt)
{
    ErrorSource source(IID_IDispatch);
    SetErrorInfo(0, MakeErrorInfo(L"Lookup failed"));
    try {
        CheckResult(E_FAIL, &source, IID_IDispatch);
        FAIL() << "a failed result must raise";
    } catch (const _com_error& error) {
        EXPECT_EQ(E_FAIL, error.Error());
        EXPECT_STREQ("Lookup failed", static_cast<const char*>(error.Description()));
    }
    SetErrorInfo(0, MakeErrorInfo(L"Stale"));
    try {
        CheckResult(E_FAIL, &source, IID_IUnknown);
        FAIL() << "a failed result must raise";
    } catch (const _com_error& error) {
        EXPECT_EQ(nullptr, static_cast<const char*>(error.Description()));
    }
    EXPECT_NO_THROW(CheckResult(S_FALSE, &source, IID_IDispatch));
}
