#include "typechooser/TypeNameCache.h"

int TypeNameCache::Count(const char* tag, long kind) const
{
    auto found = m_names.find(Key(tag, kind));
    return found == m_names.end() ? 0 : static_cast<int>(found->second.size());
}

CString TypeNameCache::GetAt(const char* tag, long kind, int index) const
{
    auto found = m_names.find(Key(tag, kind));
    if (found == m_names.end() || index < 0 || index >= static_cast<int>(found->second.size()))
        return CString();
    return found->second[static_cast<size_t>(index)];
}

void TypeNameCache::Add(const char* tag, long kind, const CString& name)
{
    m_names[Key(tag, kind)].push_back(name);
}
