// The Application object: looks up folders, projects, streams and activities
// by selector, repositories by tag or view path, and views by path, in the
// data as it stands at each call.
#pragma once
#include "productsim/qel/DualObject.h"
#include "Qel.h"
#include "productsim/simdata/SimData.h"
#include <memory>
#include <string>

class CApplication : public CDualObject<IKvApplication> {
public:
    STDMETHODIMP GetFolder(BSTR selector, IKvFolder** folder) override;
    STDMETHODIMP GetProject(BSTR selector, IKvProject** project) override;
    STDMETHODIMP GetStream(BSTR selector, IKvStream** stream) override;
    STDMETHODIMP GetActivity(BSTR selector, IKvActivity** activity) override;
    STDMETHODIMP GetOlpex(BSTR tagOrPath, IKvOlpex** olpex) override;
    STDMETHODIMP GetView(BSTR path, IKvView** view) override;

private:
    // Finds the record a selector names; S_FALSE when it is marked to give nothing.
    HRESULT LookUp(const char* member, SimKind kind, BSTR selector, std::shared_ptr<const CSimData>& data,
                   const SimObject*& record);
    // A Get member for a folder, project, stream or activity.
    template <class Object, class Interface>
    HRESULT GetEntity(const char* member, SimKind kind, BSTR selector, Interface** entity);
    HRESULT LookUpOlpex(const std::string& text, const CSimData& data, const SimOlpex*& record);
    HRESULT Start(const char* member, std::shared_ptr<const CSimData>& data);
};
