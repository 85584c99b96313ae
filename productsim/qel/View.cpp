#include "productsim/qel/View.h"
#include "productsim/qel/QelErrors.h"
#include "productsim/qel/QelText.h"

STDMETHODIMP CView::get_Path(BSTR* path)
{
    if (path == nullptr)
        return E_POINTER;
    *path = QelAllocString(m_record->path);
    return S_OK;
}

STDMETHODIMP CView::get_IsSnapshot(VARIANT_BOOL* isSnapshot)
{
    std::string text = "the view " + m_record->path;
    if (std::optional<HRESULT> stop = QelStartValueMember(isSnapshot, m_record->marks, "IsSnapshot", IID_IKvView, text))
        return *stop;
    *isSnapshot = m_record->snapshot ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}
