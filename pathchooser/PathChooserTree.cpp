// CPathChooser: the tree of available items and the active combo box. In
// path mode the roots are the repositories seen in the active view and a
// node lists its directory when first expanded; in object mode the root is
// the active repository's root folder and a node lists its folders,
// projects, streams or activities by the constraints. Nothing is fetched
// before a node is expanded.
#include "pathchooser/PathChooser.h"
#include "afx/WaitCursor.h"
#include <algorithm>
#include <set>
#include <vector>

namespace {
const char kPlaceholderText[] = "\\@@AAAAA";
const char kMivadKind[] = "(mivadolpex)";

std::vector<CString> SplitLines(const CString& text)
{
    std::vector<CString> lines;
    for (int start = 0; start < text.GetLength();) {
        int end = text.Find("\r\n", start);
        if (end < 0)
            end = text.GetLength();
        lines.push_back(text.Mid(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The names of a name list, which ends every name with one blank.
std::vector<CString> SplitNames(const CString& text)
{
    std::vector<CString> names;
    for (int start = 0; start < text.GetLength();) {
        int end = text.Find(' ', start);
        if (end < 0)
            end = text.GetLength();
        CString name = text.Mid(start, end - start).Trim();
        if (!name.IsEmpty())
            names.push_back(name);
        start = end + 1;
    }
    return names;
}

CString StripVersionSuffix(const CString& path)
{
    int suffix = path.Find("@@");
    return suffix < 0 ? path : path.Left(suffix);
}

CString StripTrailingBackslash(const CString& path)
{
    return !path.IsEmpty() && path[path.GetLength() - 1] == '\\' ? path.Left(path.GetLength() - 1) : path;
}

CString GetPathLeaf(const CString& path)
{
    CString stripped = StripTrailingBackslash(StripVersionSuffix(path));
    int backslash = stripped.ReverseFind('\\');
    return backslash < 0 ? stripped : stripped.Mid(backslash + 1);
}

// The tag of a repository listing line: marks and the registry's
// decoration removed, without its leading backslash.
CString OlpexLineTag(CString line)
{
    line.Replace('*', ' ');
    line.Trim();
    int dollar = line.Find('$');
    if (dollar >= 0)
        line = line.Left(dollar);
    line.Remove('^');
    line.Remove('$');
    if (!line.IsEmpty() && line[0] == '\\')
        line = line.Mid(1);
    return line;
}

bool IsPrivateLine(CString line)
{
    line.Trim();
    int blank = line.ReverseFind(' ');
    return blank >= 0 && line.Mid(blank + 1).Trim().CompareNoCase("private") == 0;
}

// Builds the pattern text of one kind: "^<kind><name>@\<repository>$ " per name.
CString Patterns(const CString& names, const char* kind, const CString& repository)
{
    CString text;
    for (const CString& name : SplitNames(names)) {
        CString pattern;
        pattern.Format("^%s%s@\\%s$ ", kind, name.GetString(), repository.GetString());
        text += pattern;
    }
    return text;
}
}

void CPathChooser::CreateImageList()
{
    m_images = ImageList_Create(16, 16, ILC_MASK | ILC_COLOR32, 5, 7);
    ImageList_SetBkColor(m_images, CLR_NONE);
    for (int icon : {IDI_DIRECTORY, IDI_FILE, IDI_ROOT_FOLDER, IDI_ROOT_FOLDER_SELECTED, IDI_FOLDER,
                     IDI_FOLDER_SELECTED, IDI_PROJECT, IDI_INT_STREAM, IDI_INT_STREAM_SELECTED, IDI_STREAM,
                     IDI_STREAM_SELECTED, IDI_ACTIVITY}) {
        HICON handle = static_cast<HICON>(
            LoadImageA(_Module.GetResourceInstance(), MAKEINTRESOURCEA(icon), IMAGE_ICON, 16, 16, 0));
        m_imageIndexes[icon] = ImageList_AddIcon(m_images, handle);
        DestroyIcon(handle);
    }
    m_tree.SetImageList(m_images);
    m_selectedList.SendMessage(LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(m_images));
}

int CPathChooser::Image(int icon) const
{
    auto found = m_imageIndexes.find(icon);
    return found == m_imageIndexes.end() ? 0 : found->second;
}

void CPathChooser::RefillTree()
{
    AfxBeginWaitCursor();
    m_tree.DeleteAllItems();
    if (m_mode == MODE_PATH)
        ListViewRepositories();
    else
        BuildFolderSelector();
    AfxEndWaitCursor();
}

void CPathChooser::ListViewRepositories()
{
    std::vector<CString> candidates;
    std::set<std::string> mounted;
    for (const CString& line : SplitLines(Text(m_env.ListOlpexes(_bstr_t(""))))) {
        if ((m_constraints & SEL_POLPEX) && line.Find(kMivadKind) < 0)
            continue;
        CString unmarked = line;
        bool isMounted = unmarked.Trim().GetLength() > 0 && unmarked[0] == '*';
        unmarked.Replace('*', ' ');
        CString tag = OlpexLineTag(line);
        bool candidate = !tag.IsEmpty() && (m_includePrivate || !IsPrivateLine(unmarked));
        if (!candidate && !tag.IsEmpty() && m_mountedOnly)
            candidate = isMounted;
        if (candidate)
            candidates.push_back(tag);
        if (isMounted)
            mounted.insert(tag.GetString());
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const CString& a, const CString& b) { return strcmp(a, b) < 0; });
    for (const CString& tag : candidates) {
        if (m_mountedOnly && mounted.count(tag.GetString()) == 0)
            continue;
        CString leaf = GetPathLeaf(tag);
        auto* record = new CChooserItem;
        record->m_image = Image(IDI_DIRECTORY);
        record->m_label = leaf;
        record->m_key = GetItemFullPath(leaf) + "\\";
        InsertNode(TVI_ROOT, leaf, IDI_DIRECTORY, IDI_DIRECTORY, record, !(m_constraints & SEL_POLPEX));
    }
}

// Every node that can be expanded carries a placeholder child until its
// first expansion, so that the tree shows its button. The record, complete
// before the call, belongs to the node; a failed insertion deletes it.
void CPathChooser::InsertNode(HTREEITEM parent, const CString& text, int icon, int selectedIcon,
                              CChooserItem* record, bool expandable)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(text.GetString());
    insert.item.iImage = Image(icon);
    insert.item.iSelectedImage = Image(selectedIcon);
    insert.item.lParam = reinterpret_cast<LPARAM>(record);
    HTREEITEM node = m_tree.InsertItem(&insert);
    if (!node) {
        delete record;
        return;
    }
    if (expandable) {
        TVINSERTSTRUCTA placeholder = {};
        placeholder.hParent = node;
        placeholder.hInsertAfter = TVI_LAST;
        placeholder.item.mask = TVIF_TEXT;
        placeholder.item.pszText = const_cast<char*>(kPlaceholderText);
        m_tree.InsertItem(&placeholder);
    }
}

void CPathChooser::BuildFolderSelector()
{
    int selected = m_activeCombo.GetCurSel();
    if (selected == CB_ERR)
        return;
    CString tag;
    m_activeCombo.GetLBText(selected, tag);
    if (tag.IsEmpty())
        return;
    CString selector;
    selector.Format("folder:RootFolder@\\%s", tag.GetString());
    bool selectable = (m_constraints & SEL_POLPEX) != 0;
    auto* record = new CChooserItem;
    record->m_image = Image(IDI_ROOT_FOLDER);
    record->m_key = selector;
    record->m_label = Text(m_env.GetSelectorInfo(_bstr_t(selector)));
    record->m_selectable = selectable;
    record->m_colour = selectable ? 0 : kUnselectableColour;
    InsertNode(TVI_ROOT, selector, IDI_ROOT_FOLDER, IDI_ROOT_FOLDER_SELECTED, record, true);
}

void CPathChooser::FillActiveList()
{
    m_activeCombo.ResetContent();
    if (m_mode == MODE_PATH) {
        std::vector<_bstr_t> views;
        m_env.ListViews(views);
        for (const _bstr_t& view : views)
            m_activeCombo.AddString(Text(view));
    } else {
        CString listing = Text(m_env.ListOlpexes(_bstr_t("")));
        if (listing.IsEmpty())
            return;
        for (const CString& line : SplitLines(listing)) {
            if (line.Find(kMivadKind) < 0)
                continue;
            CString tag = OlpexLineTag(line);
            if (!tag.IsEmpty())
                m_activeCombo.AddString(GetPathLeaf(tag));
        }
    }
    int found = m_activeCombo.FindStringExact(-1, m_activeText);
    if (found != CB_ERR) {
        m_activeCombo.SetCurSel(found);
    } else {
        m_activeCombo.SetCurSel(0);
        if (m_activeCombo.GetCount() > 0)
            m_activeCombo.GetLBText(0, m_activeText);
    }
    m_mountedOnly = m_env.TestViewObject(_bstr_t(m_activeText)) != 0;
}

LRESULT CPathChooser::OnActiveSelChange(WORD, WORD, HWND, BOOL&)
{
    int selected = m_activeCombo.GetCurSel();
    if (selected != CB_ERR) {
        m_activeCombo.GetLBText(selected, m_activeText);
        m_mountedOnly = m_env.TestViewObject(_bstr_t(m_activeText)) != 0;
    }
    RefillTree();
    m_targets.Empty();
    m_selected.clear();
    RefreshSelectedList();
    return 0;
}

LRESULT CPathChooser::OnIncludePrivate(WORD, WORD, HWND, BOOL&)
{
    if (m_mode == MODE_PATH) {
        m_includePrivate = m_privateCheck.SendMessage(BM_GETCHECK) == BST_CHECKED;
        RefillTree();
    }
    return 0;
}

LRESULT CPathChooser::OnItemExpanding(int, NMHDR* header, BOOL&)
{
    auto* notification = reinterpret_cast<NMTREEVIEWA*>(header);
    m_tree.ClearChildSelection(notification);
    HTREEITEM node = notification->itemNew.hItem;
    if (m_tree.GetItemState(node, TVIS_EXPANDEDONCE) & TVIS_EXPANDEDONCE)
        return 0;
    const CChooserItem* record = m_tree.GetRecord(node);
    HTREEITEM placeholder = m_tree.GetChildItem(node);
    if (!record || !placeholder || m_tree.GetRecord(placeholder))
        return 0;
    AfxBeginWaitCursor();
    if (m_mode == MODE_POLPEX)
        ExpandOlpexNode(node, record->m_key);
    else if (m_activeCombo.GetCount() > 0)
        ExpandPathNode(node, record->m_key);
    m_tree.DeleteItem(placeholder);
    AfxEndWaitCursor();
    return 0;
}

LRESULT CPathChooser::OnDeleteItem(int, NMHDR* header, BOOL&)
{
    delete reinterpret_cast<CChooserItem*>(reinterpret_cast<NMTREEVIEWA*>(header)->itemOld.lParam);
    return 0;
}

LRESULT CPathChooser::OnTreeCustomDraw(int, NMHDR* header, BOOL&)
{
    return m_tree.OnCustomDraw(reinterpret_cast<NMTVCUSTOMDRAW*>(header));
}

void CPathChooser::ExpandPathNode(HTREEITEM node, const CString& directory)
{
    CString quoted;
    quoted.Format("\"%s\"", directory.GetString());
    for (const CString& line : SplitLines(Text(m_env.ListSubdirectories(_bstr_t(quoted))))) {
        if (line.IsEmpty())
            continue;
        CString path = StripVersionSuffix(line);
        bool isDirectory = !path.IsEmpty() && path[path.GetLength() - 1] == '\\';
        if (!isDirectory && !(m_constraints & SEL_FILE))
            continue;
        int icon = isDirectory ? IDI_DIRECTORY : IDI_FILE;
        CString leaf = GetPathLeaf(path);
        auto* record = new CChooserItem;
        record->m_image = Image(icon);
        record->m_key = path;
        record->m_label = GetItemTreePath(node) + "\\" + leaf;
        InsertNode(node, leaf, icon, icon, record, isDirectory);
    }
}

// What the constraints list (not what they make selectable): projects come
// with any kind below them, streams with activities.
void CPathChooser::ExpandOlpexNode(HTREEITEM node, const CString& selector)
{
    const bool showProjects = (m_constraints & (SEL_PROJECT | SEL_DSTREAM | SEL_ISTREAM | SEL_ACTIVITY)) != 0;
    const bool showDevStreams = (m_constraints & (SEL_DSTREAM | SEL_ACTIVITY)) != 0;
    const bool showIntStreams = (m_constraints & (SEL_ISTREAM | SEL_ACTIVITY)) != 0;
    const bool showActivities = (m_constraints & SEL_ACTIVITY) != 0;
    _bstr_t query(selector);
    int kind = m_env.GetSelectorKind(query);
    int at = selector.Find("@\\");
    for (int next = at; next >= 0; next = selector.Find("@\\", next + 1))
        at = next;
    CString repository = at < 0 ? CString() : selector.Mid(at + 2);

    CString folders, projects, intStreams, devStreams, activities;
    if (kind == kSelectorFolder || kind == kSelectorRootFolder)
        folders = Patterns(Text(m_env.ListSubfolders(query)), "folder:", repository);
    if (kind == kSelectorFolder || (kind == kSelectorRootFolder && showProjects))
        projects = Patterns(Text(m_env.ListProjects(query)), "project:", repository);
    if (kind == kSelectorProject && showIntStreams)
        intStreams = Patterns(Text(m_env.GetIntegrationStream(query)), "stream:", repository);
    if (kind == kSelectorProject && showDevStreams) {
        for (const CString& name : SplitNames(Text(m_env.ListProjectStreams(query)))) {
            CString pattern = Patterns(name, "stream:", repository);
            if (intStreams.Find(pattern) < 0)
                devStreams += pattern;
        }
    }
    if ((kind == kSelectorStream || kind == kSelectorIntegrationStream) && showActivities)
        activities = Patterns(Text(m_env.ListActivities(query)), "activity:", repository);

    InsertPatternNodes(folders, node, IDI_FOLDER, IDI_FOLDER_SELECTED, (m_constraints & SEL_FOLDER) != 0);
    InsertPatternNodes(projects, node, IDI_PROJECT, IDI_PROJECT, (m_constraints & SEL_PROJECT) != 0);
    InsertPatternNodes(intStreams, node, IDI_INT_STREAM, IDI_INT_STREAM_SELECTED, (m_constraints & SEL_ISTREAM) != 0);
    InsertPatternNodes(devStreams, node, IDI_STREAM, IDI_STREAM_SELECTED, (m_constraints & SEL_DSTREAM) != 0);
    InsertPatternNodes(activities, node, IDI_ACTIVITY, IDI_ACTIVITY, (m_constraints & SEL_ACTIVITY) != 0);
}

void CPathChooser::InsertPatternNodes(CString text, HTREEITEM parent, int icon, int selectedIcon, bool selectable)
{
    while (!text.IsEmpty()) {
        if (text[0] == '^')
            text.SetAt(0, ' ');
        text.TrimLeft();
        int dollar = text.Find('$');
        int length = dollar < 0 ? text.GetLength() : dollar;
        CString selector = text.Left(length).Trim();
        CString display = Text(m_env.ResolveObjectSelector(_bstr_t(selector)));
        if (!display.IsEmpty()) {
            auto* record = new CChooserItem;
            record->m_image = Image(icon);
            record->m_key = selector;
            record->m_label = display;
            record->m_selectable = selectable;
            record->m_colour = selectable ? 0 : kUnselectableColour;
            InsertNode(parent, display, icon, selectedIcon, record, true);
        }
        text = text.Mid(length);
        text.TrimLeft('$');
        text.TrimLeft();
    }
}

CString CPathChooser::GetItemTreePath(HTREEITEM node) const
{
    CString path = m_tree.GetItemText(node);
    for (HTREEITEM parent = m_tree.GetParentItem(node); parent; parent = m_tree.GetParentItem(parent))
        path = m_tree.GetItemText(parent) + "\\" + path;
    return path;
}

CString CPathChooser::GetItemFullPath(const CString& treePath) const
{
    CString path = m_activeText;
    if (path.IsEmpty() || path[path.GetLength() - 1] != '\\')
        path += '\\';
    return path + treePath;
}
