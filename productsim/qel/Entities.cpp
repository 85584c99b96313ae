#include "Entities.h"
#include "Collections.h"
#include "QelErrors.h"
#include "QelText.h"

namespace {

typedef CCollection<IKvFolders, IKvFolder, CFolder, SimObject> CFolderCollection;
typedef CCollection<IKvProjects, IKvProject, CProject, SimObject> CProjectCollection;
typedef CCollection<IKvStreams, IKvStream, CStream, SimObject> CStreamCollection;
typedef CCollection<IKvActivities, IKvActivity, CActivity, SimObject> CActivityCollection;

// Null out-pointers are refused before anything else.
template <class T>
bool ClearOut(T** out)
{
    if (out == nullptr)
        return false;
    *out = nullptr;
    return true;
}

}

template <class Interface>
std::string CEntityObject<Interface>::Text() const
{
    return std::string(SimKindWord(m_record->kind)) + ":" + m_record->name + "@\\" + m_record->olpex;
}

template <class Interface>
HRESULT CEntityObject<Interface>::Outcome(const std::string& operation) const
{
    return QelMarkedOutcome(m_record->marks, operation, __uuidof(Interface), Text());
}

template <class Interface>
HRESULT CEntityObject<Interface>::NotFound(const std::string& what) const
{
    return QelError(QEL_E_NOTFOUND, __uuidof(Interface), Text() + " has no " + what + ".");
}

template <class Interface>
STDMETHODIMP CEntityObject<Interface>::get_Name(BSTR* name)
{
    if (!ClearOut(name))
        return E_POINTER;
    HRESULT outcome = Outcome("Name");
    if (FAILED(outcome))
        return outcome;
    *name = QelAllocString(m_record->name);
    return S_OK;
}

template <class Interface>
STDMETHODIMP CEntityObject<Interface>::get_DisplayText(BSTR* text)
{
    if (!ClearOut(text))
        return E_POINTER;
    HRESULT outcome = Outcome("DisplayText");
    if (FAILED(outcome))
        return outcome;
    *text = QelAllocString(m_record->display);
    return S_OK;
}

template class CEntityObject<IKvFolder>;
template class CEntityObject<IKvProject>;
template class CEntityObject<IKvStream>;
template class CEntityObject<IKvActivity>;

STDMETHODIMP CFolder::get_Parent(IKvEntity** parent)
{
    if (!ClearOut(parent))
        return E_POINTER;
    HRESULT outcome = Outcome("Parent");
    if (outcome != S_OK)
        return QelEarlyResult(outcome);
    const SimObject* folder = m_data->FindObject(SimKind::Folder, m_record->parent, m_record->olpex);
    if (m_record->parent.empty() || folder == nullptr)
        return NotFound("parent folder");
    *parent = new CFolder(m_data, folder);
    return S_OK;
}

STDMETHODIMP CFolder::get_SubFolders(IKvFolders** folders)
{
    if (!ClearOut(folders))
        return E_POINTER;
    HRESULT outcome = Outcome("SubFolders");
    if (outcome != S_OK)
        return QelEarlyResult(outcome);
    *folders = new CFolderCollection(m_data, m_data->Children(SimKind::Folder, m_record->name, m_record->olpex),
                                     m_record->marks, "SubFolders", Text());
    return S_OK;
}

STDMETHODIMP CFolder::get_Projects(IKvProjects** projects)
{
    if (!ClearOut(projects))
        return E_POINTER;
    HRESULT outcome = Outcome("Projects");
    if (outcome != S_OK)
        return QelEarlyResult(outcome);
    *projects = new CProjectCollection(m_data, m_data->Children(SimKind::Project, m_record->name, m_record->olpex),
                                       m_record->marks, "Projects", Text());
    return S_OK;
}

STDMETHODIMP CProject::get_Parent(IKvEntity** parent)
{
    if (!ClearOut(parent))
        return E_POINTER;
    HRESULT outcome = Outcome("Parent");
    if (outcome != S_OK)
        return QelEarlyResult(outcome);
    const SimObject* folder = m_data->FindObject(SimKind::Folder, m_record->parent, m_record->olpex);
    if (folder == nullptr)
        return NotFound("folder");
    *parent = new CFolder(m_data, folder);
    return S_OK;
}

STDMETHODIMP CProject::get_IntegrationStream(IKvStream** stream)
{
    if (!ClearOut(stream))
        return E_POINTER;
    HRESULT outcome = Outcome("IntegrationStream");
    if (outcome != S_OK)
        return QelEarlyResult(outcome);
    const SimObject* found = m_data->FindObject(SimKind::Stream, m_record->integrationStream, m_record->olpex);
    if (m_record->integrationStream.empty() || found == nullptr)
        return NotFound("integration stream");
    *stream = new CStream(m_data, found);
    return S_OK;
}

STDMETHODIMP CProject::Streams(BSTR nameFilter, IKvStreams** streams)
{
    if (!ClearOut(streams))
        return E_POINTER;
    HRESULT outcome = Outcome("Streams");
    if (outcome != S_OK)
        return QelEarlyResult(outcome);
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
    if (!ClearOut(activities))
        return E_POINTER;
    HRESULT outcome = Outcome("Activities");
    if (outcome != S_OK)
        return QelEarlyResult(outcome);
    *activities = new CActivityCollection(m_data, m_data->Children(SimKind::Activity, m_record->name, m_record->olpex),
                                          m_record->marks, "Activities", Text());
    return S_OK;
}

STDMETHODIMP CStream::get_Project(IKvProject** project)
{
    if (!ClearOut(project))
        return E_POINTER;
    HRESULT outcome = Outcome("Project");
    if (outcome != S_OK)
        return QelEarlyResult(outcome);
    const SimObject* found = m_data->FindObject(SimKind::Project, m_record->parent, m_record->olpex);
    if (found == nullptr)
        return NotFound("project");
    *project = new CProject(m_data, found);
    return S_OK;
}

STDMETHODIMP CActivity::get_Parent(IKvEntity** parent)
{
    if (!ClearOut(parent))
        return E_POINTER;
    HRESULT outcome = Outcome("Parent");
    if (outcome != S_OK)
        return QelEarlyResult(outcome);
    const SimObject* stream = m_data->FindObject(SimKind::Stream, m_record->parent, m_record->olpex);
    if (stream == nullptr)
        return NotFound("stream");
    *parent = new CStream(m_data, stream);
    return S_OK;
}
