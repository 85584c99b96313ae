// CProductEnv: repository lookups that are no listing, and command execution
// over the automation tool object.
#include "envlib/AutomationApplication.h"
#include "envlib/BstrHelpers.h"
#include "envlib/ProductEnv.h"
#include "envlib/QelObjects.h"

namespace {
const char kAdminHyperlinkType[] = "AdminOLPEX";
}

_bstr_t CProductEnv::GetAdminOlpex(_bstr_t tag)
{
    _bstr_t key = "\\" + tag;
    _bstr_t result;
    GetAutomationApplication();
    IKvOlpexPtr olpex;
    if (!RunQueryStep([&] { CallQel(AutomationApplication, &IKvApplication::GetOlpex, BSTR(key), &olpex); }))
        return result;
    // The admin hyperlinks are asked for quietly: a failure shows no box and leaves the flag alone.
    IKvHyperlinksPtr links;
    try {
        CallQel(olpex, &IKvLinkable::Hyperlinks, BSTR(_bstr_t(kAdminHyperlinkType)), &links);
    } catch (...) {
        return result;
    }
    // The count is read anew before each pass; the last hyperlink wins.
    for (long index = 1;; ++index) {
        long count = 0;
        IKvHyperlinkPtr link;
        IKvOlpexPtr target;
        if (!RunQueryStep([&] { CallQel(links, &IKvHyperlinks::get_Count, &count); }) || index > count
            || !RunQueryStep([&] { CallQel(links, &IKvHyperlinks::get_Item, index, &link); })
            || !RunQueryStep([&] { CallQel(link, &IKvHyperlink::get_Target, &target); })
            || !RunQueryStep([&] { result = ReadText(target, &IKvOlpex::get_Name); }))
            return result;
    }
}

int CProductEnv::TestOlpexObject(_bstr_t tag)
{
    GetAutomationApplication();
    _bstr_t key = tag;
    if (tag.length() > 0 && BstrCompare(BstrLeft(tag, 1), "\\") != 0)
        key = "\\" + tag;
    try {
        IKvOlpexPtr olpex;
        VARIANT_BOOL isPrivate = VARIANT_FALSE;
        CallQel(AutomationApplication, &IKvApplication::GetOlpex, BSTR(key), &olpex);
        CallQel(olpex, &IKvOlpex::get_IsPrivate, &isPrivate);
        return isPrivate;
    } catch (...) {
        return 0;
    }
}

_bstr_t CProductEnv::CmdExec(const char* command, bool passErrorsOn)
{
    _bstr_t result;
    _bstr_t commandText(command);
    IKvTool* createdTool = nullptr;
    if (FAILED(CreateRunningObject(CLSID_Tool, __uuidof(IKvTool), reinterpret_cast<void**>(&createdTool))))
        return result;
    IKvToolPtr tool(createdTool, false);
    // Older products run commands differently; the box tells support which path ran.
    if (IsLegacyVersion())
        MessageBoxA(nullptr, "CmdExec Called", "CmdExec Called", MB_OK);
    try {
        BSTR output = nullptr;
        CallQel(tool, &IKvTool::Execute, BSTR(commandText), &output);
        result = _bstr_t(output, false);
    } catch (const _com_error&) {
        if (passErrorsOn)
            throw;
    } catch (...) {
    }
    return result;
}
