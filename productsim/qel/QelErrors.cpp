#include "productsim/qel/QelErrors.h"
#include "productsim/qel/QelText.h"

HRESULT QelError(HRESULT result, REFIID iid, const std::string& description)
{
    ICreateErrorInfo* creator = nullptr;
    if (FAILED(CreateErrorInfo(&creator)))
        return result;
    BSTR text = QelAllocString(description);
    creator->SetGUID(iid);
    creator->SetSource(const_cast<LPOLESTR>(L"Korvast.Application"));
    creator->SetDescription(text);
    IErrorInfo* info = nullptr;
    if (SUCCEEDED(creator->QueryInterface(IID_IErrorInfo, reinterpret_cast<void**>(&info)))) {
        SetErrorInfo(0, info);
        info->Release();
    }
    SysFreeString(text);
    creator->Release();
    return result;
}

HRESULT QelMarkedOutcome(const SimMarks& marks, const std::string& operation, REFIID iid, const std::string& objectText)
{
    if (marks.Fails(operation))
        return QelError(QEL_E_FAILED, iid, operation + " failed for " + objectText + ".");
    return marks.Empties(operation) ? S_FALSE : S_OK;
}
