#include "afx/CMapStringToString.h"

namespace {
POSITION ToPosition(size_t index) { return reinterpret_cast<POSITION>(index + 1); }
size_t ToIndex(POSITION position) { return reinterpret_cast<size_t>(position) - 1; }
}

CMapStringToString::CMapStringToString(int) {}

CMapStringToString::~CMapStringToString()
{
    RemoveAll();
}

BOOL CMapStringToString::Lookup(const char* key, CString& value) const
{
    auto found = m_index.find(key);
    if (found == m_index.end())
        return FALSE;
    value = m_entries[found->second].second;
    return TRUE;
}

void CMapStringToString::SetAt(const char* key, const char* value)
{
    (*this)[key] = value;
}

CString& CMapStringToString::operator[](const char* key)
{
    auto found = m_index.find(key);
    if (found != m_index.end())
        return m_entries[found->second].second;
    m_index.emplace(key, m_entries.size());
    m_entries.emplace_back(CString(key), CString());
    return m_entries.back().second;
}

BOOL CMapStringToString::RemoveKey(const char* key)
{
    auto found = m_index.find(key);
    if (found == m_index.end())
        return FALSE;
    size_t index = found->second;
    m_index.erase(found);
    if (index != m_entries.size() - 1) {
        m_entries[index] = std::move(m_entries.back());
        m_index[std::string(m_entries[index].first)] = index;
    }
    m_entries.pop_back();
    return TRUE;
}

void CMapStringToString::RemoveAll()
{
    m_entries.clear();
    m_index.clear();
}

POSITION CMapStringToString::GetStartPosition() const
{
    return m_entries.empty() ? nullptr : ToPosition(0);
}

void CMapStringToString::GetNextAssoc(POSITION& position, CString& key, CString& value) const
{
    size_t index = ToIndex(position);
    key = m_entries[index].first;
    value = m_entries[index].second;
    position = index + 1 < m_entries.size() ? ToPosition(index + 1) : nullptr;
}
