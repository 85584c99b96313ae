#include "View.h"
#include "QelErrors.h"
#include "QelText.h"

STDMETHODIMP CView::get_Path(BSTR* path)
{
    if (path == nullptr)
        return E_POINTER;
    *path = QelAllocString(m_record->path);
    return S_OK;
}

STDMETHODIMP CView::get_IsSnapshot(VARIANT_BOOL* isSnapshot)
{
    if (isSnapshot == nullptr)
        return E_POINTER;
    *isSnapshot = VARIANT_FALSE;
    HRESULT outcome = QelMarkedOutcome(m_record->marks, "IsSnapshot", IID_IKvView, "the view " + m_record->path);
    if (FAILED(outcome))
        return outcome;
    *isSnapshot = m_record->snapshot ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}
