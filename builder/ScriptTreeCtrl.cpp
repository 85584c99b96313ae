#include "builder/ScriptTreeCtrl.h"
#include "afx/CDC.h"
#include "afx/WaitCursor.h"
#include "drawing/MemDC.h"
#include "reportmodel/StringTokenizer.h"
#include <shellapi.h>
#include <vector>

BEGIN_MESSAGE_MAP(CScriptTreeCtrl, CTreeCtrl)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_NOTIFY_REFLECT(TVN_ITEMEXPANDEDA, OnItemExpanded)
    ON_NOTIFY_REFLECT(TVN_DELETEITEMA, OnDeleteItem)
    ON_NOTIFY_REFLECT(TVN_SELCHANGEDA, OnSelChanged)
END_MESSAGE_MAP()

namespace {
const int kFolderSort = CFileInfoArray::kFoldersFirst | CFileInfoArray::kPathAscending;
const char kRootText[] = "\\Reports";

CString WithBackslash(CString path)
{
    if (path.IsEmpty() || path[path.GetLength() - 1] != '\\')
        path += '\\';
    return path;
}

CString WithoutBackslash(CString path)
{
    if (!path.IsEmpty() && path[path.GetLength() - 1] == '\\')
        path = path.Left(path.GetLength() - 1);
    return path;
}

// The filter's patterns, split at ";" and trimmed; empty ones are left out.
std::vector<CString> Patterns(const CString& filter)
{
    std::vector<CString> patterns;
    int start = 0;
    while (start <= filter.GetLength()) {
        int end = filter.Find(';', start);
        if (end < 0)
            end = filter.GetLength();
        CString pattern = filter.Mid(start, end - start);
        pattern.TrimLeft();
        pattern.TrimRight();
        if (!pattern.IsEmpty())
            patterns.push_back(pattern);
        start = end + 1;
    }
    return patterns;
}

// Only the system image index: asking for the icon itself would hand over two
// icons per folder that nobody destroys.
bool SystemIconIndex(const CString& path, UINT flags, int& index)
{
    SHFILEINFOA info = {};
    if (!::SHGetFileInfoA(path, 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | flags))
        return false;
    index = info.iIcon;
    return true;
}
}

CScriptTreeCtrl::~CScriptTreeCtrl()
{
    m_systemImages.Detach();
}

CScriptTreeCtrl::FolderItem* CScriptTreeCtrl::GetFolderItem(HTREEITEM item) const
{
    return item ? reinterpret_cast<FolderItem*>(GetItemData(item)) : nullptr;
}

CFileInfoArray* CScriptTreeCtrl::GetListing(HTREEITEM item) const
{
    FolderItem* folder = GetFolderItem(item);
    return folder ? folder->listing.get() : nullptr;
}

bool CScriptTreeCtrl::AttachSystemImageList()
{
    SHFILEINFOA info = {};
    HIMAGELIST list = reinterpret_cast<HIMAGELIST>(
        ::SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    if (!list) {
        m_lastError = "Cannot retrieve the Handle of SystemImageList!";
        return false;
    }
    m_systemImages.Detach();
    if (!m_systemImages.Attach(list)) {
        m_lastError = "Cannot Attach SystemImageList-Handle";
        return false;
    }
    SetImageList(m_systemImages, TVSIL_NORMAL);
    return true;
}

std::unique_ptr<CFileInfoArray> CScriptTreeCtrl::ListFolder(const CString& folder) const
{
    auto listing = std::make_unique<CFileInfoArray>();
    bool first = true;
    for (const CString& pattern : Patterns(m_filter)) {
        listing->AddDir(folder, pattern, false, kFolderSort, first, nullptr, nullptr);
        first = false;
    }
    return listing;
}

bool CScriptTreeCtrl::Populate(const CString& root, const CString& filter)
{
    ModifyStyle(TVS_EDITLABELS, 0);
    m_filter = filter;
    DeleteAllItems();
    if (!AttachSystemImageList())
        return false;
    if (root.IsEmpty()) {
        m_rootFolder.Empty();
        return ShowDrives();
    }
    m_rootFolder = WithBackslash(root);
    std::unique_ptr<CFileInfoArray> listing = ListFolder(m_rootFolder);
    const bool hasFolder = listing->GetSize() > 0 && (*listing)[0].IsFolder();
    HTREEITEM rootItem = InsertFolderItem(TVI_ROOT, m_rootFolder, listing.release());
    if (!rootItem)
        return true;
    if (hasFolder)
        AddPlaceholder(rootItem);
    Expand(rootItem, TVE_EXPAND);
    return true;
}

HTREEITEM CScriptTreeCtrl::InsertFolderItem(HTREEITEM parent, const CString& path, CFileInfoArray* listing)
{
    std::unique_ptr<CFileInfoArray> owned(listing);
    const CString folder = WithBackslash(path);
    int image = 0, openImage = 0;
    if (!SystemIconIndex(folder, 0, image) || !SystemIconIndex(folder, SHGFI_OPENICON, openImage)) {
        m_lastError = "Error Gettting SystemFileInfo!";
        return nullptr;
    }
    const CString bare = WithoutBackslash(folder);
    CString name = bare.Mid(bare.ReverseFind('\\') + 1);
    const int dot = name.ReverseFind('.');
    CString title = dot > 0 ? name.Left(dot) : name;
    title.Replace("_", " ");

    const bool isRoot = parent == TVI_ROOT;
    auto record = std::make_unique<FolderItem>();
    record->pathPart = isRoot ? bare : name;
    record->listing = std::move(owned);
    const CString text = isRoot && !m_rootFolder.IsEmpty() ? CString(kRootText) : (isRoot ? bare : title);

    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text.GetString());
    insert.item.iImage = image;
    insert.item.iSelectedImage = openImage;
    HTREEITEM item = InsertItem(&insert);
    if (item)
        SetItemData(item, reinterpret_cast<DWORD_PTR>(record.release()));
    return item;
}

void CScriptTreeCtrl::AddPlaceholder(HTREEITEM item)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = item;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>("");
    InsertItem(&insert);
}

void CScriptTreeCtrl::DeleteChildren(HTREEITEM item)
{
    for (HTREEITEM child = GetChildItem(item); child;) {
        HTREEITEM next = GetNextSiblingItem(child);
        DeleteItem(child);
        child = next;
    }
}

void CScriptTreeCtrl::FillFolder(HTREEITEM item, const CString& folderPath)
{
    SetRedraw(FALSE);
    AfxBeginWaitCursor();
    std::unique_ptr<CFileInfoArray> listing = std::make_unique<CFileInfoArray>();
    const DWORD attributes = ::GetFileAttributesA(folderPath);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        listing = ListFolder(WithBackslash(folderPath));
    const CString folder = WithBackslash(folderPath);
    for (int index = 0; index < listing->GetSize(); ++index) {
        const CScriptFileInfo& record = (*listing)[index];
        if (!record.IsFolder())
            continue;
        HTREEITEM child = InsertFolderItem(item, record.GetFilePath(), nullptr);
        if (child && HasSubfolders(record.GetFilePath()))
            AddPlaceholder(child);
    }
    // A folder's script list is read once; later fills rebuild only its sub-folder items.
    if (FolderItem* record = GetFolderItem(item)) {
        record->filled = true;
        if (!record->listing)
            record->listing = std::move(listing);
    }
    AfxEndWaitCursor();
    SetRedraw(TRUE);
}

bool CScriptTreeCtrl::HasSubfolders(const CString& path)
{
    const bool driveRoot = path.GetLength() == 3 && path[1] == ':' && path[2] == '\\';
    WIN32_FIND_DATAA entry;
    HANDLE search = ::FindFirstFileA(driveRoot ? path + "*.*" : path + "\\*.*", &entry);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool found = false;
    do {
        found = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && lstrcmpA(entry.cFileName, ".") != 0 &&
                lstrcmpA(entry.cFileName, "..") != 0;
    } while (!found && ::FindNextFileA(search, &entry));
    ::FindClose(search);
    return found;
}

CString CScriptTreeCtrl::GetItemPath(HTREEITEM item) const
{
    CString path;
    for (; item; item = GetParentItem(item))
        if (FolderItem* record = GetFolderItem(item))
            path = record->pathPart + "\\" + path;
    return WithoutBackslash(path);
}

void CScriptTreeCtrl::OnItemExpanded(NMHDR* header, LRESULT* result)
{
    HTREEITEM item = reinterpret_cast<NMTREEVIEWA*>(header)->itemNew.hItem;
    FolderItem* record = GetFolderItem(item);
    if (record && !record->filled) {
        DeleteChildren(item);
        FillFolder(item, GetItemPath(item));
    }
    *result = 0;
}

void CScriptTreeCtrl::OnDeleteItem(NMHDR* header, LRESULT* result)
{
    delete reinterpret_cast<FolderItem*>(reinterpret_cast<NMTREEVIEWA*>(header)->itemOld.lParam);
    *result = 0;
}

void CScriptTreeCtrl::OnSelChanged(NMHDR* header, LRESULT* result)
{
    HTREEITEM item = reinterpret_cast<NMTREEVIEWA*>(header)->itemNew.hItem;
    if (item && GetParentItem(item)) {
        DeleteChildren(item);
        FillFolder(item, GetItemPath(item));
    }
    *result = 0;
}

// The selection change reaches the view too, after the tree has handled it.
bool CScriptTreeCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const bool handled = CTreeCtrl::OnChildNotify(message, wParam, lParam, result);
    return handled && !(message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == TVN_SELCHANGEDA);
}

bool CScriptTreeCtrl::SelectPath(const CString& path)
{
    CString upperPath = path;
    upperPath.MakeUpper();
    HTREEITEM root = nullptr;
    for (HTREEITEM item = GetRootItem(); item && !root; item = GetNextSiblingItem(item)) {
        CString text = GetItemText(item);
        text.MakeUpper();
        WIN32_FIND_DATAA entry;
        HANDLE search = ::FindFirstFileA(path, &entry);
        const bool exists = search != INVALID_HANDLE_VALUE;
        if (exists)
            ::FindClose(search);
        if (exists && upperPath.Left(text.GetLength()) == text)
            root = item;
    }
    if (!root)
        return false;
    SetRedraw(FALSE);
    upperPath = WithBackslash(upperPath);
    HTREEITEM parent = TVI_ROOT;
    HTREEITEM last = nullptr;
    for (int start = 0; start < upperPath.GetLength();) {
        const int end = upperPath.Find('\\', start);
        const CString part = upperPath.Mid(start, end - start);
        start = end + 1;
        HTREEITEM found = nullptr;
        for (HTREEITEM child = GetNextItem(parent == TVI_ROOT ? nullptr : parent, parent == TVI_ROOT ? TVGN_ROOT : TVGN_CHILD);
             child && !found; child = GetNextSiblingItem(child)) {
            CString text = GetItemText(child);
            text.MakeUpper();
            if (text == part)
                found = child;
        }
        if (!found)
            break;
        if (GetItemState(found, TVIS_EXPANDEDONCE) & TVIS_EXPANDEDONCE) {
            Expand(found, TVE_EXPAND);
            Expand(found, TVE_COLLAPSE | TVE_COLLAPSERESET);
            if (FolderItem* record = GetFolderItem(found))
                record->filled = false;
            AddPlaceholder(found);
        }
        Expand(found, TVE_EXPAND);
        last = parent = found;
    }
    if (last)
        SelectItem(last);
    SetRedraw(TRUE);
    return true;
}

bool CScriptTreeCtrl::ShowDrives()
{
    DeleteAllItems();
    char drives[128] = "";
    if (!::GetLogicalDriveStringsA(sizeof drives, drives)) {
        m_lastError = "Error Getting Logical DriveStrings!";
        return false;
    }
    for (const char* drive = drives; *drive; drive += lstrlenA(drive) + 1) {
        HTREEITEM item = InsertFolderItem(TVI_ROOT, drive, nullptr);
        if (item && HasSubfolders(drive))
            AddPlaceholder(item);
    }
    return true;
}

void CScriptTreeCtrl::OnPaint()
{
    CPaintDC paint(this);
    CRect clip;
    ::GetClipBox(paint.m_hDC, &clip);
    m_offScreenBitmap = std::make_unique<CBitmap>();
    m_offScreenBitmap->CreateCompatibleBitmap(&paint, clip.Width(), clip.Height());
    CMemDC memory(&paint, ::GetSysColor(COLOR_WINDOW), m_offScreenBitmap.get());
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memory.m_hDC), 0);
}
