#include "afx/CSingleDocTemplate.h"
#include "afx/CFrameWnd.h"
#include "afx/CWinApp.h"

CSingleDocTemplate::CSingleDocTemplate(UINT resourceId, const CRuntimeClass* documentClass,
                                       const CRuntimeClass* frameClass, const CRuntimeClass* viewClass)
    : m_resourceId(resourceId), m_documentClass(documentClass), m_frameClass(frameClass), m_viewClass(viewClass)
{
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const char* path)
{
    if (path || m_document)
        return nullptr;
    m_document.reset(static_cast<CDocument*>(m_documentClass->CreateObject()));
    CFrameWnd* frame = static_cast<CFrameWnd*>(m_frameClass->CreateObject());
    CCreateContext context;
    context.m_pNewViewClass = m_viewClass;
    context.m_pCurrentDoc = m_document.get();
    // A frame deletes itself when its window goes, also when creation fails.
    if (!frame || !frame->LoadFrame(m_resourceId, WS_OVERLAPPEDWINDOW, nullptr, &context)) {
        m_document.reset();
        return nullptr;
    }
    if (!m_document->OnNewDocument()) {
        frame->DestroyWindow();
        m_document.reset();
        return nullptr;
    }
    AfxGetApp()->m_pMainWnd = frame;
    frame->InitialUpdateFrame();
    return m_document.get();
}
