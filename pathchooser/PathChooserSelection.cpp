// CPathChooser: the selection set behind the "Selected Items" list, the
// four buttons that change it, the SelectedTargets text in both directions,
// and the active view or repository remembered in the registry.
#include "pathchooser/PathChooser.h"
#include "envlib/Registry.h"
#include <vector>

namespace {
const char kSelectionKey[] = "Software\\Selvo\\Korvast\\CurrentVersion\\Report Wizard\\Current Selection";
const char kExplorerSelectionKey[] =
    "Software\\Selvo\\Korvast\\CurrentVersion\\Korvast Project Explorer\\Current Selection";
const int kMaxLabelLength = 4095;

bool ReadValue(const char* key, const char* name, CString& value)
{
    CRegistry registry;
    if (!registry.Open(HKEY_CURRENT_USER, key, KEY_ALL_ACCESS))
        return false;
    char buffer[CRegistry::kTextBufferSize + 1] = "";
    bool read = registry.QueryString(name, buffer);
    registry.Close();
    if (read)
        value = buffer;
    return read;
}

bool KeyOpens(const char* key)
{
    CRegistry registry;
    bool opens = registry.Open(HKEY_CURRENT_USER, key, KEY_ALL_ACCESS);
    registry.Close();
    return opens;
}

int SelectorImage(int kind)
{
    switch (kind) {
    case kSelectorProject:
        return IDI_PROJECT;
    case kSelectorStream:
        return IDI_STREAM;
    case kSelectorIntegrationStream:
        return IDI_INT_STREAM;
    case kSelectorActivity:
        return IDI_ACTIVITY;
    case kSelectorRootFolder:
        return IDI_ROOT_FOLDER;
    default:
        return IDI_FOLDER;
    }
}
}

void CPathChooser::AddTreeItem(HTREEITEM node)
{
    const CChooserItem* record = m_tree.GetRecord(node);
    if (record && record->m_selectable)
        AddToSelection(*record);
}

void CPathChooser::AddToSelection(const CChooserItem& item)
{
    m_selected.emplace(item.m_key.GetString(), item);
}

LRESULT CPathChooser::OnAdd(WORD, WORD, HWND, BOOL&)
{
    for (HTREEITEM node = m_tree.GetFirstSelectedItem(); node; node = m_tree.GetNextSelectedItem(node))
        AddTreeItem(node);
    RefreshSelectedList();
    return 0;
}

LRESULT CPathChooser::OnAddAll(WORD, WORD, HWND, BOOL&)
{
    for (HTREEITEM node = m_tree.GetRootItem(); node; node = m_tree.GetNextSiblingItem(node))
        AddTreeItem(node);
    RefreshSelectedList();
    return 0;
}

// The list items point into the set: their keys are collected before any
// entry goes.
LRESULT CPathChooser::OnRemove(WORD, WORD, HWND, BOOL&)
{
    std::vector<std::string> keys;
    for (int item = m_selectedList.GetNextItem(-1, LVNI_SELECTED); item >= 0;
         item = m_selectedList.GetNextItem(item, LVNI_SELECTED))
        keys.push_back(reinterpret_cast<const CChooserItem*>(m_selectedList.GetItemData(item))->m_key.GetString());
    for (const std::string& key : keys)
        m_selected.erase(key);
    RefreshSelectedList();
    return 0;
}

LRESULT CPathChooser::OnRemoveAll(WORD, WORD, HWND, BOOL&)
{
    m_selected.clear();
    RefreshSelectedList();
    return 0;
}

// Each item goes to the top, so the list shows the keys in descending order.
void CPathChooser::RefreshSelectedList()
{
    m_selectedList.DeleteAllItems();
    for (auto& entry : m_selected) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.pszText = const_cast<char*>(entry.second.m_label.GetString());
        item.iImage = entry.second.m_image;
        item.lParam = reinterpret_cast<LPARAM>(&entry.second);
        m_selectedList.InsertItem(&item);
    }
    UpdateControls();
}

void CPathChooser::BuildSelectedTargets()
{
    m_targets.Empty();
    for (const auto& entry : m_selected) {
        if (!m_targets.IsEmpty())
            m_targets += ' ';
        m_targets += '"' + CString(entry.first.c_str()) + '"';
    }
}

// Quoted items may follow each other with or without blanks between them;
// a text without quotes is one item, blanks included.
void CPathChooser::LoadSelectedTargets()
{
    while (m_selectedList.DeleteColumn(0)) {
    }
    RECT list = {};
    m_selectedList.GetClientRect(&list);
    m_selectedList.InsertColumn(0, "Col", LVCFMT_LEFT, list.right - list.left - 10);
    // The list's items point into the set, and reading a target may show a
    // box with no owner, under which Remove stays usable: the items go first.
    m_selectedList.DeleteAllItems();
    m_selected.clear();
    CString text = m_targets;
    while (!text.IsEmpty()) {
        bool quoted = text[0] == '"';
        if (quoted)
            text = text.Mid(1);
        int quote = text.Find('"');
        CString item = quote < 0 ? text : text.Left(quote);
        TakeTarget(item.Trim());
        int consumed = quote < 0 ? text.GetLength() : quote + 1;
        text = text.Mid(consumed);
        text.TrimLeft(' ');
    }
    m_targetsLoaded = true;
    FillActiveList();
}

void CPathChooser::TakeTarget(const CString& target)
{
    _bstr_t query(target);
    CChooserItem item;
    CString label;
    if (m_mode == MODE_PATH) {
        item.m_image = Image(!target.IsEmpty() && target[target.GetLength() - 1] == '\\' ? IDI_DIRECTORY : IDI_FILE);
        label = Text(m_env.GetViewRelativePath(query));
    } else {
        label = Text(m_env.GetSelectorInfo(query));
        item.m_image = Image(SelectorImage(m_env.GetSelectorKind(query)));
    }
    if (label.IsEmpty())
        return;
    item.m_key = target;
    if (!item.m_key.IsEmpty() && item.m_key[0] == '"')
        item.m_key = item.m_key.Mid(1);
    if (!item.m_key.IsEmpty() && item.m_key[item.m_key.GetLength() - 1] == '"')
        item.m_key = item.m_key.Left(item.m_key.GetLength() - 1);
    if (label[label.GetLength() - 1] == '\\')
        label = label.Left(label.GetLength() - 1);
    item.m_label = label.Left(kMaxLabelLength);
    AddToSelection(item);
    m_activeText = Text(m_mode == MODE_PATH ? m_env.FindViewRoot(query) : m_env.GetSelectorOlpex(query));
}

void CPathChooser::ReadRememberedSelection()
{
    if (m_mode == MODE_PATH) {
        if (KeyOpens(kSelectionKey)) {
            m_activeText.Empty();
            ReadValue(kSelectionKey, "ViewDirectory", m_activeText);
        }
        if (m_activeText.Left(1) == "\\" && m_activeText.Left(2) != "\\\\")
            m_activeText = m_activeText.Mid(1);
        return;
    }
    CString folder;
    if (!ReadValue(kSelectionKey, "Folder", folder) && KeyOpens(kSelectionKey))
        ReadValue(kExplorerSelectionKey, "Folder", folder);
    if (folder.Left(1) == "\\")
        folder = folder.Mid(1);
    int backslash = folder.Find('\\');
    m_activeText = backslash < 0 ? folder : folder.Left(backslash);
}

void CPathChooser::SaveRememberedSelection()
{
    CRegistry registry;
    if (!registry.Open(HKEY_CURRENT_USER, kSelectionKey, KEY_ALL_ACCESS) &&
        !registry.Create(HKEY_CURRENT_USER, kSelectionKey, nullptr, KEY_ALL_ACCESS))
        return;
    registry.SetString(m_mode == MODE_PATH ? "ViewDirectory" : "Folder", m_activeText);
    registry.Close();
}
