#include "reportmodel/KeywordTable.h"
#include "reportmodel/ParameterElement.h"
#include <cstring>
#include <map>

namespace {

const KeywordEntry kKeywords[] = {
    {"LOOKIN", 15, 61204, 61245, true, false},
    {"PROJECT", 4, 61207, 61236, true, false},
    {"PROJECTS", 1, 61205, 61235, true, false},
    {"STREAM", 5, 61208, 61237, true, false},
    {"STREAMS", 2, 61206, 61238, true, false},
    {"ACTIVITY", 6, 61210, 61240, true, false},
    {"ACTIVITIES", 3, 61209, 61239, true, false},
    {"ISTREAM", 7, 61212, 61241, true, false},
    {"ISTREAMS", 11, 61211, 61271, true, false},
    {"POLPEX", 8, 61214, 61242, false, false},
    {"POLPEXS", 12, 61213, 61261, false, false},
    {"COMPONENT", 9, 61216, 61243, true, false},
    {"COMPONENTS", 13, 61215, 61263, true, false},
    {"BASELEVEL", 10, 61218, 61244, true, false},
    {"BASELEVELS", 14, 61217, 61272, true, false},
    {"USER", 17, 61219, 61246, false, false},
    {"GROUP", 18, 61232, 61247, false, false},
    {"LABEL", 19, 61225, 61248, false, true},
    {"ATTRIBUTE", 20, 61220, 61249, false, true},
    {"ATTRIBUTE_VALUE", 21, 61221, 61262, false, false},
    {"TRIGGER", 22, 61222, 61250, false, true},
    {"BRANCH", 23, 61233, 61251, false, true},
    {"ELTYPE", 24, 61223, 61252, false, true},
    {"HLTYPE", 25, 61224, 61253, false, true},
    {"KVTIME", 26, 61226, 61254, false, false},
    {"BRANCHLEVELS", 27, 61234, 61255, false, false},
    {"FILE_NAME", 28, 61227, 61256, false, false},
    {"PATH", 29, 61228, 61257, false, false},
    {"STRING", 30, 61229, 61258, false, false},
    {"INTEGER", 31, 61230, 61259, false, false},
    {"REGULAR_EXPRESSION", 32, 61231, 61260, false, false},
};

struct KindWordEntry {
    UINT kindWordId;
    int editorKind;
};

// In this order, so that of two kind words with the same text the first wins
// (61255 and 61259 are both "integer" in the shipped table).
const KindWordEntry kKindWords[] = {
    {61245, 0}, {61235, 2}, {61236, 1}, {61237, 3}, {61238, 4}, {61239, 8}, {61240, 7},
    {61241, 5}, {61271, 6}, {61242, 11}, {61243, 9}, {61263, 10}, {61244, 13}, {61272, 14},
    {61246, 15}, {61247, 17}, {61248, 18}, {61249, 19}, {61250, 20}, {61251, 21}, {61252, 22},
    {61253, 23}, {61254, 16}, {61255, 24}, {61256, 25}, {61257, 26}, {61258, 27}, {61259, 28},
    {61260, 29}, {61261, 12}, {61262, 30},
};

std::map<CString, int> LoadKindWords()
{
    std::map<CString, int> kinds;
    for (const KindWordEntry& entry : kKindWords) {
        CString word;
        if (word.LoadString(entry.kindWordId))
            kinds.emplace(word, entry.editorKind);
    }
    return kinds;
}

}

const KeywordEntry* FindKeyword(const char* keyword)
{
    for (const KeywordEntry& entry : kKeywords)
        if (strcmp(entry.keyword, keyword) == 0)
            return &entry;
    return nullptr;
}

int EditorKindOfKindWord(const char* kindWord)
{
    static const std::map<CString, int> kinds = LoadKindWords();
    const auto found = kinds.find(CString(kindWord));
    return found == kinds.end() ? CParameterElement::kUnknownKind : found->second;
}
