// Folders, projects, streams and activities: each a record of the data seen
// through its dual interface, which derives from IKvEntity (name and
// display text).
#pragma once
#include "productsim/qel/DualObject.h"
#include "Qel.h"
#include "productsim/qel/QelErrors.h"
#include "productsim/simdata/SimData.h"
#include <memory>
#include <optional>
#include <string>

template <class Interface>
class CEntityObject : public CDualObject<Interface, IKvEntity> {
public:
    CEntityObject(std::shared_ptr<const CSimData> data, const SimObject* record) : m_data(std::move(data)), m_record(record) {}

    STDMETHODIMP get_Name(BSTR* name) override;
    STDMETHODIMP get_DisplayText(BSTR* text) override;

    // The object's selector, as messages name it.
    std::string Text() const;

protected:
    // The start of a member that gives an object: the result to stop with, or
    // nothing to go on.
    template <class T>
    std::optional<HRESULT> StartObjectMember(T** out, const std::string& operation) const
    {
        return QelStartObjectMember(out, m_record->marks, operation, __uuidof(Interface), Text());
    }
    // Gives the object of that kind and name in this object's repository;
    // QEL_E_NOTFOUND, saying this object has no `what`, where there is none.
    template <class Object, class Out>
    HRESULT GiveRelated(SimKind kind, const std::string& name, const std::string& what, Out** out) const;

    std::shared_ptr<const CSimData> m_data;
    const SimObject* m_record;
};

class CFolder : public CEntityObject<IKvFolder> {
public:
    using CEntityObject::CEntityObject;
    STDMETHODIMP get_Parent(IKvEntity** parent) override;
    STDMETHODIMP get_SubFolders(IKvFolders** folders) override;
    STDMETHODIMP get_Projects(IKvProjects** projects) override;
};

class CProject : public CEntityObject<IKvProject> {
public:
    using CEntityObject::CEntityObject;
    STDMETHODIMP get_Parent(IKvEntity** parent) override;
    STDMETHODIMP get_IntegrationStream(IKvStream** stream) override;
    STDMETHODIMP Streams(BSTR nameFilter, IKvStreams** streams) override;
};

class CStream : public CEntityObject<IKvStream> {
public:
    using CEntityObject::CEntityObject;
    STDMETHODIMP get_Activities(IKvActivities** activities) override;
    STDMETHODIMP get_Project(IKvProject** project) override;
};

class CActivity : public CEntityObject<IKvActivity> {
public:
    using CEntityObject::CEntityObject;
    STDMETHODIMP get_Parent(IKvEntity** parent) override;
};
