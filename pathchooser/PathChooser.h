// The path chooser control: in path mode the user picks path names inside a
// view, in object mode folders, projects, streams and activities of one
// project repository; they are picked in the tree of available items and
// moved into the list of selected items, and the host reads them back as
// one text of quoted targets. Tree filling is in PathChooserTree.cpp, the
// selection set and the remembered selection in PathChooserSelection.cpp.
#pragma once
#include "atl/CComCompositeControl.h"
#include "atl/CComObject.h"
#include "atl/ContainerInterfaces.h"
#include "atl/IDispatchImpl.h"
#include "atl/OleControlInterfaces.h"
#include "afx/CButton.h"
#include "afx/CComboBox.h"
#include "afx/CListCtrl.h"
#include "envlib/ProductEnv.h"
#include "pathchooser/ChooserItem.h"
#include "pathchooser/Resource.h"
#include "pathchooser/TreeCtrlEx.h"
#include <Pemrick.h>
#include <map>
#include <string>

class CPathChooser : public CComObjectRootEx<CComSingleThreadModel>,
                     public IDispatchImpl<IPathChooser, &IID_IPathChooser, &LIBID_PEMRICKLib, 1, 0>,
                     public CComCompositeControl<CPathChooser>,
                     public IPersistStreamInitImpl<CPathChooser>,
                     public IOleControlImpl<CPathChooser>,
                     public IOleObjectImpl<CPathChooser>,
                     public IOleInPlaceActiveObjectImpl<CPathChooser>,
                     public IViewObjectExImpl<CPathChooser>,
                     public IOleInPlaceObjectWindowlessImpl<CPathChooser>,
                     public IPersistStorageImpl<CPathChooser>,
                     public ISpecifyPropertyPagesImpl<CPathChooser>,
                     public IQuickActivateImpl<CPathChooser>,
                     public IDataObjectImpl<CPathChooser>,
                     public IProvideClassInfo2Impl<&CLSID_PathChooser, &GUID_NULL, &LIBID_PEMRICKLib> {
public:
    enum { IDD = IDD_PATHCHOOSER };
    static const UINT kRegistryId = IDR_PATHCHOOSER;
    static const CLSID& GetObjectCLSID() { return CLSID_PathChooser; }

    CPathChooser();
    ~CPathChooser();

    BEGIN_COM_MAP(CPathChooser)
        COM_INTERFACE_ENTRY(IPathChooser)
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
        COM_INTERFACE_ENTRY(IProvideClassInfo)
        COM_INTERFACE_ENTRY(IProvideClassInfo2)
    END_COM_MAP()

    BEGIN_MSG_MAP(CPathChooser)
        MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        CHAIN_MSG_MAP(CComCompositeControl<CPathChooser>)
        COMMAND_HANDLER(IDC_ADD, BN_CLICKED, OnAdd)
        COMMAND_HANDLER(IDC_ADD_ALL, BN_CLICKED, OnAddAll)
        COMMAND_HANDLER(IDC_REMOVE, BN_CLICKED, OnRemove)
        COMMAND_HANDLER(IDC_REMOVE_ALL, BN_CLICKED, OnRemoveAll)
        COMMAND_HANDLER(IDC_ACTIVE_COMBO, CBN_SELCHANGE, OnActiveSelChange)
        COMMAND_HANDLER(IDC_INCLUDE_PRIVATE, BN_CLICKED, OnIncludePrivate)
        MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
        NOTIFY_HANDLER(IDC_TREE, TVN_ITEMEXPANDINGA, OnItemExpanding)
        NOTIFY_HANDLER(IDC_TREE, TVN_DELETEITEMA, OnDeleteItem)
        NOTIFY_HANDLER(IDC_TREE, NM_CUSTOMDRAW, OnTreeCustomDraw)
    END_MSG_MAP()

    STDMETHODIMP get_Mode(CHOOSER_MODE* mode) override;
    STDMETHODIMP put_Mode(CHOOSER_MODE mode) override;
    STDMETHODIMP get_SelectedTargets(BSTR* targets) override;
    STDMETHODIMP put_SelectedTargets(BSTR targets) override;
    STDMETHODIMP get_Constraints(SEL_CONSTRAINTS* flags) override;
    STDMETHODIMP put_Constraints(SEL_CONSTRAINTS flags) override;
    STDMETHODIMP get_ReadOnly(long* readOnly) override;
    STDMETHODIMP put_ReadOnly(long readOnly) override;

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, BOOL&);
    LRESULT OnAdd(WORD, WORD, HWND, BOOL&);
    LRESULT OnAddAll(WORD, WORD, HWND, BOOL&);
    LRESULT OnRemove(WORD, WORD, HWND, BOOL&);
    LRESULT OnRemoveAll(WORD, WORD, HWND, BOOL&);
    LRESULT OnActiveSelChange(WORD, WORD, HWND, BOOL&);
    LRESULT OnIncludePrivate(WORD, WORD, HWND, BOOL&);
    LRESULT OnItemExpanding(int, NMHDR* header, BOOL&);
    LRESULT OnDeleteItem(int, NMHDR* header, BOOL&);
    LRESULT OnTreeCustomDraw(int, NMHDR* header, BOOL&);

    bool HasWindow() const { return m_hWnd != nullptr && m_tree.m_hWnd != nullptr; }
    // A query's text; an empty one for a text without data.
    static CString Text(const _bstr_t& text);
    void SetupMode();
    void UpdateControls();
    bool AddAllAllowed() const;
    bool IsEditionElkv() const;

    // Tree filling (PathChooserTree.cpp).
    void CreateImageList();
    void RefillTree();
    void ListViewRepositories();
    void BuildFolderSelector();
    void FillActiveList();
    void ExpandPathNode(HTREEITEM node, const CString& directory);
    void ExpandOlpexNode(HTREEITEM node, const CString& selector);
    void InsertPatternNodes(CString text, HTREEITEM parent, int icon, int selectedIcon, bool selectable);
    void InsertNode(HTREEITEM parent, const CString& text, int icon, int selectedIcon, CChooserItem* record,
                    bool expandable);
    CString GetItemTreePath(HTREEITEM node) const;
    // The path of a node whose tree path is given, in the active view.
    CString GetItemFullPath(const CString& treePath) const;
    int Image(int icon) const;

    // Selection set and remembered selection (PathChooserSelection.cpp).
    void AddTreeItem(HTREEITEM node);
    void AddToSelection(const CChooserItem& item);
    void RefreshSelectedList();
    void BuildSelectedTargets();
    void LoadSelectedTargets();
    void TakeTarget(const CString& target);
    void ReadRememberedSelection();
    void SaveRememberedSelection();

    CComboBox m_activeCombo;
    CTreeCtrlEx m_tree;
    CListCtrl m_selectedList;
    CButton m_privateCheck;
    CProductEnv m_env;
    CString m_savedDirectory;
    CHOOSER_MODE m_mode = MODE_PATH;
    bool m_includePrivate = false;
    HIMAGELIST m_images = nullptr;
    std::map<int, int> m_imageIndexes;
    std::map<std::string, CChooserItem> m_selected;
    CString m_targets;
    // The set holds the targets text once the window has loaded it; until
    // then the text is what was put.
    bool m_targetsLoaded = false;
    CString m_activeText;
    long m_constraints = SEL_SINGLE;
    long m_readOnly = 0;
    bool m_mountedOnly = false;
    bool m_setUp = false;
};
