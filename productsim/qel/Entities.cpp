#include "productsim/qel/Entities.h"
#include "productsim/qel/Collections.h"
#include "productsim/qel/QelText.h"

namespace {

typedef CCollection<IKvFolders, IKvFolder, CFolder, SimObject> CFolderCollection;
typedef CCollection<IKvProjects, IKvProject, CProject, SimObject> CProjectCollection;
typedef CCollection<IKvStreams, IKvStream, CStream, SimObject> CStreamCollection;
typedef CCollection<IKvActivities, IKvActivity, CActivity, SimObject> CActivityCollection;

}

template <class Interface>
std::string CEntityObject<Interface>::Text() const
{
    return std::string(SimKindWord(m_record->kind)) + ":" + m_record->name + "@\\" + m_record->olpex;
}

template <class Interface>
template <class Object, class Out>
HRESULT CEntityObject<Interface>::GiveRelated(SimKind kind, const std::string& name, const std::string& what,
                                              Out** out) const
{
    const SimObject* found = m_data->FindObject(kind, name, m_record->olpex);
    if (found == nullptr)
        return QelError(QEL_E_NOTFOUND, __uuidof(Interface), Text() + " has no " + what + ".");
    *out = new Object(m_data, found);
    return S_OK;
}

template <class Interface>
STDMETHODIMP CEntityObject<Interface>::get_Name(BSTR* name)
{
    if (std::optional<HRESULT> stop = QelStartValueMember(name, m_record->marks, "Name", __uuidof(Interface), Text()))
        return *stop;
    *name = QelAllocString(m_record->name);
    return S_OK;
}

template <class Interface>
STDMETHODIMP CEntityObject<Interface>::get_DisplayText(BSTR* text)
{
    if (std::optional<HRESULT> stop = QelStartValueMember(text, m_record->marks, "DisplayText", __uuidof(Interface), Text()))
        return *stop;
    *text = QelAllocString(m_record->display);
    return S_OK;
}

template class CEntityObject<IKvFolder>;
template class CEntityObject<IKvProject>;
template class CEntityObject<IKvStream>;
template class CEntityObject<IKvActivity>;

STDMETHODIMP CFolder::get_Parent(IKvEntity** parent)
{
    if (std::optional<HRESULT> stop = StartObjectMember(parent, "Parent"))
        return *stop;
    return GiveRelated<CFolder>(SimKind::Folder, m_record->parent, "parent folder", parent);
}

STDMETHODIMP CFolder::get_SubFolders(IKvFolders** folders)
{
    if (std::optional<HRESULT> stop = StartObjectMember(folders, "SubFolders"))
        return *stop;
    *folders = new CFolderCollection(m_data, m_data->Children(SimKind::Folder, m_record->name, m_record->olpex),
                                     m_record->marks, "SubFolders", Text());
    return S_OK;
}

STDMETHODIMP CFolder::get_Projects(IKvProjects** projects)
{
    if (std::optional<HRESULT> stop = StartObjectMember(projects, "Projects"))
        return *stop;
    *projects = new CProjectCollection(m_data, m_data->Children(SimKind::Project, m_record->name, m_record->olpex),
                                       m_record->marks, "Projects", Text());
    return S_OK;
}

STDMETHODIMP CProject::get_Parent(IKvEntity** parent)
{
    if (std::optional<HRESULT> stop = StartObjectMember(parent, "Parent"))
        return *stop;
    return GiveRelated<CFolder>(SimKind::Folder, m_record->parent, "folder", parent);
}

STDMETHODIMP CProject::get_IntegrationStream(IKvStream** stream)
{
    if (std::optional<HRESULT> stop = StartObjectMember(stream, "IntegrationStream"))
        return *stop;
    return GiveRelated<CStream>(SimKind::Stream, m_record->integrationStream, "integration stream", stream);
}

STDMETHODIMP CProject::Streams(BSTR nameFilter, IKvStreams** streams)
{
    if (std::optional<HRESULT> stop = StartObjectMember(streams, "Streams"))
        return *stop;
    std::string filter = QelNarrow(nameFilter);
    std::vector<const SimObject*> chosen;
    const SimObject* integration = m_data->FindObject(SimKind::Stream, m_record->integrationStream, m_record->olpex);
    if (integration != nullptr && integration->parent == m_record->name)
        chosen.push_back(integration);
    for (const SimObject* stream : m_data->Children(SimKind::Stream, m_record->name, m_record->olpex)) {
        if (stream != integration)
            chosen.push_back(stream);
    }
    std::vector<const SimObject*> kept;
    for (const SimObject* stream : chosen) {
        if (stream->name.find(filter) != std::string::npos)
            kept.push_back(stream);
    }
    *streams = new CStreamCollection(m_data, kept, m_record->marks, "Streams", Text());
    return S_OK;
}

STDMETHODIMP CStream::get_Activities(IKvActivities** activities)
{
    if (std::optional<HRESULT> stop = StartObjectMember(activities, "Activities"))
        return *stop;
    *activities = new CActivityCollection(m_data, m_data->Children(SimKind::Activity, m_record->name, m_record->olpex),
                                          m_record->marks, "Activities", Text());
    return S_OK;
}

STDMETHODIMP CStream::get_Project(IKvProject** project)
{
    if (std::optional<HRESULT> stop = StartObjectMember(project, "Project"))
        return *stop;
    return GiveRelated<CProject>(SimKind::Project, m_record->parent, "project", project);
}

STDMETHODIMP CActivity::get_Parent(IKvEntity** parent)
{
    if (std::optional<HRESULT> stop = StartObjectMember(parent, "Parent"))
        return *stop;
    return GiveRelated<CStream>(SimKind::Stream, m_record->parent, "stream", parent);
}
