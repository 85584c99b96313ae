#include "productsim/qel/Application.h"
#include "productsim/qel/Entities.h"
#include "productsim/qel/OlpexObjects.h"
#include "productsim/qel/QelErrors.h"
#include "productsim/qel/QelText.h"
#include "productsim/simdata/SimDataSource.h"
#include "productsim/qel/View.h"

namespace {

std::string Capitalized(const char* word)
{
    std::string text = word;
    text[0] = static_cast<char>(toupper(static_cast<unsigned char>(text[0])));
    return text;
}

template <class T>
HRESULT Finish(HRESULT result, T* object, T** out)
{
    *out = result == S_OK ? object : nullptr;
    return QelEarlyResult(result);
}

}

HRESULT CApplication::Start(const char* member, std::shared_ptr<const CSimData>& data)
{
    std::string problem;
    data = CSimDataSource::Current(problem);
    if (data == nullptr)
        return QelError(QEL_E_DATA, IID_IKvApplication, problem + ".");
    return QelMarkedOutcome(data->application, member, IID_IKvApplication, "the Korvast application");
}

HRESULT CApplication::LookUp(const char* member, SimKind kind, BSTR selector, std::shared_ptr<const CSimData>& data,
                             const SimObject*& record)
{
    record = nullptr;
    HRESULT started = Start(member, data);
    if (started != S_OK)
        return started;
    std::string text = QelNarrow(selector);
    SimSelector parsed;
    if (!SimSelector::Parse(text, parsed) || parsed.kindWord != SimKindWord(kind))
        return QelError(QEL_E_SELECTOR, IID_IKvApplication, "\"" + text + "\" is not a " + SimKindWord(kind) + " selector.");
    record = data->FindObject(kind, parsed.name, parsed.olpex);
    if (record == nullptr)
        return QelError(QEL_E_NOTFOUND, IID_IKvApplication, Capitalized(SimKindWord(kind)) + " not found: " + text);
    return QelMarkedOutcome(record->marks, "Get", IID_IKvApplication, text);
}

template <class Object, class Interface>
HRESULT CApplication::GetEntity(const char* member, SimKind kind, BSTR selector, Interface** entity)
{
    if (entity == nullptr)
        return E_POINTER;
    std::shared_ptr<const CSimData> data;
    const SimObject* record = nullptr;
    HRESULT result = LookUp(member, kind, selector, data, record);
    return Finish<Interface>(result, result == S_OK ? new Object(data, record) : nullptr, entity);
}

STDMETHODIMP CApplication::GetFolder(BSTR selector, IKvFolder** folder)
{
    return GetEntity<CFolder>("GetFolder", SimKind::Folder, selector, folder);
}

STDMETHODIMP CApplication::GetProject(BSTR selector, IKvProject** project)
{
    return GetEntity<CProject>("GetProject", SimKind::Project, selector, project);
}

STDMETHODIMP CApplication::GetStream(BSTR selector, IKvStream** stream)
{
    return GetEntity<CStream>("GetStream", SimKind::Stream, selector, stream);
}

STDMETHODIMP CApplication::GetActivity(BSTR selector, IKvActivity** activity)
{
    return GetEntity<CActivity>("GetActivity", SimKind::Activity, selector, activity);
}

HRESULT CApplication::LookUpOlpex(const std::string& text, const CSimData& data, const SimOlpex*& record)
{
    std::string tag;
    if (!text.empty() && text[0] == '\\') {
        tag = text.substr(1);
    } else {
        const SimView* view = data.FindViewHolding(text);
        if (view == nullptr)
            return QelError(QEL_E_NOTFOUND, IID_IKvApplication, "\"" + text + "\" is neither a repository tag nor a path in a view.");
        std::string inside = text.substr(view->path.size());
        if (!inside.empty() && inside[0] == '\\')
            inside.erase(0, 1);
        tag = inside.substr(0, inside.find('\\'));
    }
    record = tag.empty() || tag[0] == '\\' ? nullptr : data.FindOlpex(tag);
    if (record == nullptr)
        return QelError(QEL_E_NOTFOUND, IID_IKvApplication, "Repository not found: " + text);
    return QelMarkedOutcome(record->marks, "Get", IID_IKvApplication, "\\" + record->name);
}

STDMETHODIMP CApplication::GetOlpex(BSTR tagOrPath, IKvOlpex** olpex)
{
    if (olpex == nullptr)
        return E_POINTER;
    *olpex = nullptr;
    std::shared_ptr<const CSimData> data;
    HRESULT result = Start("GetOlpex", data);
    const SimOlpex* record = nullptr;
    if (result == S_OK)
        result = LookUpOlpex(QelNarrow(tagOrPath), *data, record);
    return Finish<IKvOlpex>(result, result == S_OK ? new COlpex(data, record) : nullptr, olpex);
}

STDMETHODIMP CApplication::GetView(BSTR path, IKvView** view)
{
    if (view == nullptr)
        return E_POINTER;
    *view = nullptr;
    std::shared_ptr<const CSimData> data;
    HRESULT result = Start("GetView", data);
    if (result != S_OK)
        return QelEarlyResult(result);
    std::string text = QelNarrow(path);
    const SimView* record = data->FindViewHolding(text);
    if (record == nullptr)
        return QelError(QEL_E_NOTFOUND, IID_IKvApplication, "No view holds the path " + text);
    result = QelMarkedOutcome(record->marks, "Get", IID_IKvApplication, "the view " + record->path);
    return Finish<IKvView>(result, result == S_OK ? new CView(data, record) : nullptr, view);
}
