#include "QelErrors.h"
#include "EnvLibStrings.h"
#include "afx/CString.h"

bool QueryFailed = false;

namespace {
CString LoadText(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

void ShowBox(const CString& text, const CString& caption)
{
    MessageBoxA(nullptr, text, caption, MB_OK);
}
}

void ReportComError(_com_error error)
{
    _bstr_t description = error.Description();
    const char* narrow = description;
    CString text = LoadText(IDS_QEL_ERROR_DESCRIPTION);
    text += narrow != nullptr ? narrow : "";
    text += "\n";
    text += LoadText(IDS_QEL_ERROR_CODE);
    text.AppendFormat("%x", static_cast<unsigned>(error.Error()));
    ShowBox(text, LoadText(IDS_QEL_ERROR_CAPTION));
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
