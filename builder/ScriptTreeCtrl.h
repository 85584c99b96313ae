// The tree of the scripts folder and its sub-folders, with the shell's small
// icons. Each folder item owns the listing of its folder, made when the folder
// is first filled; placeholder children give unfilled folders an expand button.
#pragma once
#include "afx/CGdiObjects.h"
#include "afx/CImageList.h"
#include "afx/CTreeCtrl.h"
#include "builder/FileInfoArray.h"
#include <memory>

class CScriptTreeCtrl : public CTreeCtrl {
public:
    ~CScriptTreeCtrl() override;

    // False when the system image list cannot be set up.
    bool Populate(const CString& root, const CString& filter);
    void FillFolder(HTREEITEM item, const CString& folderPath);
    HTREEITEM InsertFolderItem(HTREEITEM parent, const CString& path, CFileInfoArray* listing);
    CString GetItemPath(HTREEITEM item) const;
    bool SelectPath(const CString& path);
    bool ShowDrives();

    // The listing of an item, or null.
    CFileInfoArray* GetListing(HTREEITEM item) const;
    const CString& GetLastError() const { return m_lastError; }

protected:
    BOOL OnEraseBkgnd(HDC) { return TRUE; }
    void OnPaint();
    void OnItemExpanded(NMHDR* header, LRESULT* result);
    void OnDeleteItem(NMHDR* header, LRESULT* result);
    void OnSelChanged(NMHDR* header, LRESULT* result);
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    DECLARE_MESSAGE_MAP()

private:
    struct FolderItem {
        CString pathPart;
        std::unique_ptr<CFileInfoArray> listing;
        // Set once the folder's sub-folder items were made: the control marks
        // an item expanded-once only after it has notified the expansion.
        bool filled = false;
    };

    FolderItem* GetFolderItem(HTREEITEM item) const;
    bool AttachSystemImageList();
    void AddPlaceholder(HTREEITEM item);
    void DeleteChildren(HTREEITEM item);
    std::unique_ptr<CFileInfoArray> ListFolder(const CString& folder) const;
    static bool HasSubfolders(const CString& path);

    CString m_lastError;
    CImageList m_systemImages;
    CString m_rootFolder;
    CString m_filter;
    std::unique_ptr<CBitmap> m_offScreenBitmap;
};
