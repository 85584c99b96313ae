// CProductEnv: queries about folders, projects and a project's integration stream.
#include "envlib/BstrHelpers.h"
#include "envlib/ObjectQueries.h"
#include "envlib/ProductEnv.h"

_bstr_t CProductEnv::GetFolderParent(_bstr_t selector)
{
    return ChainQuery<IKvFolderPtr, IKvEntityPtr>(selector, &IKvApplication::GetFolder, &IKvFolder::get_Parent);
}

_bstr_t CProductEnv::GetProjectParent(_bstr_t selector)
{
    return ChainQuery<IKvProjectPtr, IKvEntityPtr>(selector, &IKvApplication::GetProject, &IKvProject::get_Parent);
}

_bstr_t CProductEnv::GetActivityParent(_bstr_t selector)
{
    return ChainQuery<IKvActivityPtr, IKvEntityPtr>(selector, &IKvApplication::GetActivity, &IKvActivity::get_Parent);
}

_bstr_t CProductEnv::GetIntegrationStream(_bstr_t selector)
{
    return ChainQuery<IKvProjectPtr, IKvStreamPtr>(selector, &IKvApplication::GetProject,
                                                   &IKvProject::get_IntegrationStream);
}

_bstr_t CProductEnv::ListSubfolders(_bstr_t selector)
{
    return CollectionQuery<IKvFolderPtr, IKvFoldersPtr, IKvFolderPtr>(
        selector, &IKvApplication::GetFolder,
        [](const IKvFolderPtr& folder, IKvFoldersPtr& folders) { CallQel(folder, &IKvFolder::get_SubFolders, &folders); });
}

_bstr_t CProductEnv::ListProjects(_bstr_t selector)
{
    // A project holds no projects: answered without asking the product.
    if (BstrFind(selector, "project:") >= 0)
        return _bstr_t();
    return CollectionQuery<IKvFolderPtr, IKvProjectsPtr, IKvProjectPtr>(
        selector, &IKvApplication::GetFolder,
        [](const IKvFolderPtr& folder, IKvProjectsPtr& projects) { CallQel(folder, &IKvFolder::get_Projects, &projects); });
}
