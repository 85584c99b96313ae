// The data a single-document program's views show; created by the document
// template by class.
#pragma once
#include "afx/CRuntimeClass.h"
#include <windows.h>

class CDocument {
    DECLARE_DYNAMIC_BASE(CDocument)
public:
    CDocument() = default;
    virtual ~CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    virtual BOOL OnNewDocument() { return TRUE; }
};

// What a frame needs to create its views: their class and their document.
struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
};
