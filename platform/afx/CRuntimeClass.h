// What the document template needs to create frames, documents and views by
// class: a creation function, and the base class for kind tests.
#pragma once

class CWnd;

struct CRuntimeClass {
    const char* m_lpszClassName;
    void* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    void* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
    bool IsDerivedFrom(const CRuntimeClass* base) const
    {
        for (const CRuntimeClass* kind = this; kind; kind = kind->m_pBaseClass)
            if (kind == base)
                return true;
        return false;
    }
};

#define RUNTIME_CLASS(theClass) (&theClass::classInfo)

#define DECLARE_DYNCREATE(theClass)                                        \
public:                                                                    \
    static const CRuntimeClass classInfo;                                  \
    static void* CreateObject() { return new theClass; }                   \
    const CRuntimeClass* GetRuntimeClass() const override { return &classInfo; }

#define DECLARE_DYNAMIC_BASE(theClass)                                     \
public:                                                                    \
    static const CRuntimeClass classInfo;                                  \
    virtual const CRuntimeClass* GetRuntimeClass() const { return &classInfo; }

#define IMPLEMENT_DYNCREATE(theClass, baseClass) \
    const CRuntimeClass theClass::classInfo = { #theClass, &theClass::CreateObject, RUNTIME_CLASS(baseClass) };

#define IMPLEMENT_DYNAMIC_BASE(theClass) \
    const CRuntimeClass theClass::classInfo = { #theClass, nullptr, nullptr };

#define IMPLEMENT_DYNAMIC(theClass, baseClass) \
    const CRuntimeClass theClass::classInfo = { #theClass, nullptr, RUNTIME_CLASS(baseClass) };

#define DECLARE_DYNAMIC(theClass)           \
public:                                     \
    static const CRuntimeClass classInfo;   \
    const CRuntimeClass* GetRuntimeClass() const override { return &classInfo; }
