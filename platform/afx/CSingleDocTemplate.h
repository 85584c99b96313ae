// Creates the one document of a single-document program with its frame and
// views, all by class.
#pragma once
#include "afx/CDocument.h"
#include <memory>

class CSingleDocTemplate {
public:
    // The resource id names the frame's menu, accelerators, icon and strings.
    CSingleDocTemplate(UINT resourceId, const CRuntimeClass* documentClass, const CRuntimeClass* frameClass,
                       const CRuntimeClass* viewClass);

    // A new document (path null) with its frame as the main window; null on failure.
    CDocument* OpenDocumentFile(const char* path);

private:
    UINT m_resourceId;
    const CRuntimeClass* m_documentClass;
    const CRuntimeClass* m_frameClass;
    const CRuntimeClass* m_viewClass;
    std::unique_ptr<CDocument> m_document;
};
