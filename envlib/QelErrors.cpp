#include "envlib/QelErrors.h"
#include "envlib/BstrHelpers.h"
#include "envlib/EnvLibStrings.h"
#include "envlib/MakerLibraries.h"
#include "afx/CString.h"

bool QueryFailed = false;

namespace {
// The description, a line break and the code, each after its label.
CString ErrorText(const char* description, const CString& code)
{
    CString text = LoadText(IDS_QEL_ERROR_DESCRIPTION);
    text += description != nullptr ? description : "";
    text += "\n";
    text += LoadText(IDS_QEL_ERROR_CODE);
    text += code;
    return text;
}

void ShowBox(const char* text, const char* caption)
{
    MessageBoxA(nullptr, text, caption, MB_OK);
}
}

void ReportComError(_com_error error)
{
    CString code;
    code.Format("%x", static_cast<unsigned>(error.Error()));
    _bstr_t description = error.Description();
    ShowBox(ErrorText(description, code), LoadText(IDS_QEL_ERROR_CAPTION));
}

void ReportStatusError(int status)
{
    CString code;
    code.Format("%d", status);
    _bstr_t caption(LoadText(IDS_QEL_ERROR_CAPTION).GetString());
    BstrReplace(caption, "QEL", "Korvast");
    ShowBox(ErrorText(tbs_strerror(status), code), caption);
}

void ReportUnknownQelError()
{
    CString text = LoadText(IDS_QEL_UNKNOWN_ERROR);
    ShowBox(text, text);
}

void RequireObject(IUnknown* object)
{
    if (object == nullptr)
        _com_issue_error(E_POINTER);
}

void CheckResult(HRESULT result, IUnknown* object, REFIID iid)
{
    if (FAILED(result))
        _com_issue_errorex(result, object, iid);
}
