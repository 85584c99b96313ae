// The single type chooser control: from the paths of its OLPEXSelector it
// lists the repositories (and their admin repositories) in the olpex combo;
// for the selected one and the kind put as Type it lists the type names the
// repository defines in the name combo, where the user picks or types Value.
#pragma once
#include "atl/CComCompositeControl.h"
#include "atl/CComObject.h"
#include "atl/ContainerInterfaces.h"
#include "atl/ConnectionPoints.h"
#include "atl/IDispatchImpl.h"
#include "atl/OleControlInterfaces.h"
#include "afx/CComboBox.h"
#include "typechooser/ComboBoxAC.h"
#include "typechooser/Resource.h"
#include "typechooser/TypeNameCache.h"
#include <Sorvane.h>
#include <map>
#include <string>
#include <vector>

struct IKvOlpex;

// Posted by the control to itself: refill the name combo once a selection change is complete.
const UINT WM_FILLNAMECOMBO = WM_USER + 100;

class CSingleTypeChooser : public CComObjectRootEx<CComSingleThreadModel>,
                           public IDispatchImpl<ISingleTypeChooser, &IID_ISingleTypeChooser, &LIBID_SORVANELib, 1, 0>,
                           public CComCompositeControl<CSingleTypeChooser>,
                           public IPersistStreamInitImpl<CSingleTypeChooser>,
                           public IOleControlImpl<CSingleTypeChooser>,
                           public IOleObjectImpl<CSingleTypeChooser>,
                           public IOleInPlaceActiveObjectImpl<CSingleTypeChooser>,
                           public IViewObjectExImpl<CSingleTypeChooser>,
                           public IOleInPlaceObjectWindowlessImpl<CSingleTypeChooser>,
                           public IPersistStorageImpl<CSingleTypeChooser>,
                           public ISpecifyPropertyPagesImpl<CSingleTypeChooser>,
                           public IQuickActivateImpl<CSingleTypeChooser>,
                           public IDataObjectImpl<CSingleTypeChooser>,
                           public ISupportErrorInfo,
                           public IConnectionPointContainerImpl<CSingleTypeChooser>,
                           public IProvideClassInfo2Impl<&CLSID_SingleTypeChooser, &DIID__ISingleTypeChooserEvents,
                                                         &LIBID_SORVANELib>,
                           public IPropertyNotifySinkCP<CSingleTypeChooser> {
public:
    enum { IDD = IDD_SINGLETYPECHOOSER };
    static const UINT kRegistryId = IDR_SINGLETYPECHOOSER;
    static const CLSID& GetObjectCLSID() { return CLSID_SingleTypeChooser; }

    BEGIN_COM_MAP(CSingleTypeChooser)
        COM_INTERFACE_ENTRY(ISingleTypeChooser)
        COM_INTERFACE_ENTRY(IDispatch)
        COM_INTERFACE_ENTRY(IViewObject2)
        COM_INTERFACE_ENTRY(IViewObject)
        COM_INTERFACE_ENTRY(IOleInPlaceObjectWindowless)
        COM_INTERFACE_ENTRY(IOleInPlaceObject)
        COM_INTERFACE_ENTRY2(IOleWindow, IOleInPlaceObjectWindowless)
        COM_INTERFACE_ENTRY(IOleInPlaceActiveObject)
        COM_INTERFACE_ENTRY(IOleControl)
        COM_INTERFACE_ENTRY(IOleObject)
        COM_INTERFACE_ENTRY(IPersistStreamInit)
        COM_INTERFACE_ENTRY2(IPersist, IPersistStreamInit)
        COM_INTERFACE_ENTRY(IPersistStorage)
        COM_INTERFACE_ENTRY(ISpecifyPropertyPages)
        COM_INTERFACE_ENTRY(IQuickActivate)
        COM_INTERFACE_ENTRY(IDataObject)
        COM_INTERFACE_ENTRY(ISupportErrorInfo)
        COM_INTERFACE_ENTRY(IConnectionPointContainer)
        COM_INTERFACE_ENTRY(IProvideClassInfo)
        COM_INTERFACE_ENTRY(IProvideClassInfo2)
    END_COM_MAP()

    BEGIN_MSG_MAP(CSingleTypeChooser)
        MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        CHAIN_MSG_MAP(CComCompositeControl<CSingleTypeChooser>)
        MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
        MESSAGE_HANDLER(WM_FILLNAMECOMBO, OnFillNameCombo)
        COMMAND_HANDLER(IDC_OLPEX_COMBO, CBN_SELCHANGE, OnOlpexSelChange)
        COMMAND_HANDLER(IDC_NAME_COMBO, CBN_EDITUPDATE, OnNameEditUpdate)
    END_MSG_MAP()

    ~CSingleTypeChooser() { DestroyControlWindow(); }

    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID iid) override;

    STDMETHODIMP get_OLPEXSelector(BSTR* selector) override;
    STDMETHODIMP put_OLPEXSelector(BSTR selector) override;
    STDMETHODIMP get_Value(BSTR* value) override;
    STDMETHODIMP put_Value(BSTR value) override;
    STDMETHODIMP get_Type(TC_OBJECT_TYPE* kind) override;
    STDMETHODIMP put_Type(TC_OBJECT_TYPE kind) override;

    // Makes sure the cache holds the names of the selected repository and the kind.
    void LoadTypeNames();
    // Reads the names of the kind that the repository at the path defines into
    // the query result; false when they could not all be read.
    bool QueryTypeNames(TC_OBJECT_TYPE kind, CString path);

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnFillNameCombo(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnOlpexSelChange(WORD, WORD, HWND, BOOL&);
    LRESULT OnNameEditUpdate(WORD, WORD, HWND, BOOL&);

    void AddSelectorPath(const CString& path);
    CString GetAdminOlpexTag(const CString& tag);
    CString SelectedOlpexTag() const;
    CString OlpexPathOf(const CString& tag) const;
    void FillOlpexCombo();
    void FillNameCombo();
    void ShowPrompt();
    bool ReadTypeNames(TC_OBJECT_TYPE kind, IKvOlpex* olpex);

    TC_OBJECT_TYPE m_kind = TC_LABEL;
    bool m_kindSet = false;
    CString m_kindWord;
    CString m_wantedValue;
    TypeNameCache m_nameCache;
    std::map<std::string, CString> m_olpexPaths;
    std::map<std::string, CString> m_adminOlpexPaths;
    bool m_refillOlpexCombo = false;
    CComboBox m_olpexCombo;
    CComboBoxAC m_nameCombo;
    bool m_dialogInitialised = false;
    std::vector<CString> m_queryResult;
};
