#include "productsim/simdata/SimData.h"
#include <string.h>

bool SimEqualNoCase(const std::string& a, const std::string& b)
{
    return _stricmp(a.c_str(), b.c_str()) == 0;
}

const char* SimKindWord(SimKind kind)
{
    switch (kind) {
    case SimKind::Folder: return "folder";
    case SimKind::Project: return "project";
    case SimKind::Stream: return "stream";
    case SimKind::Activity: return "activity";
    }
    return "";
}

static std::string WithoutTagPrefix(const std::string& name)
{
    if (!name.empty() && (name[0] == '\\' || name[0] == '/'))
        return name.substr(1);
    return name;
}

const SimOlpex* CSimData::FindOlpex(const std::string& name) const
{
    std::string wanted = WithoutTagPrefix(name);
    for (const SimOlpex& olpex : olpexes) {
        if (SimEqualNoCase(olpex.name, wanted))
            return &olpex;
    }
    return nullptr;
}

const SimObject* CSimData::FindObject(SimKind kind, const std::string& name, const std::string& olpex) const
{
    for (const SimObject& object : objects) {
        if (object.kind == kind && object.name == name && (olpex.empty() || SimEqualNoCase(object.olpex, olpex)))
            return &object;
    }
    return nullptr;
}

std::vector<const SimObject*> CSimData::Children(SimKind kind, const std::string& parent, const std::string& olpex) const
{
    std::vector<const SimObject*> children;
    for (const SimObject& object : objects) {
        if (object.kind == kind && object.parent == parent && SimEqualNoCase(object.olpex, olpex))
            children.push_back(&object);
    }
    return children;
}

static bool IsRootOf(const std::string& root, const std::string& path)
{
    if (path.size() < root.size() || !SimEqualNoCase(path.substr(0, root.size()), root))
        return false;
    return path.size() == root.size() || path[root.size()] == '\\';
}

const SimView* CSimData::FindViewHolding(const std::string& path) const
{
    const SimView* best = nullptr;
    for (const SimView& view : views) {
        if (IsRootOf(view.path, path) && (best == nullptr || view.path.size() > best->path.size()))
            best = &view;
    }
    return best;
}

bool SimSelector::Parse(const std::string& text, SimSelector& selector)
{
    std::string rest = text;
    if (!rest.empty() && rest.front() == '"')
        rest.erase(0, 1);
    if (!rest.empty() && rest.back() == '"')
        rest.pop_back();
    size_t colon = rest.find(':');
    if (colon == std::string::npos)
        return false;
    selector.kindWord = rest.substr(0, colon);
    for (char& c : selector.kindWord)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    rest.erase(0, colon + 1);
    size_t separator = rest.find("@\\");
    selector.name = rest.substr(0, separator);
    selector.olpex = separator == std::string::npos ? std::string() : rest.substr(separator + 2);
    return !selector.name.empty();
}
