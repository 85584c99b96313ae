#include "envlib/SelectorPaths.h"

// Blanks before a path never hide its opening quote, and a closing quote ends
// its path even when the next one follows without a blank.
std::vector<CString> SplitSelectorPaths(CString text)
{
    std::vector<CString> paths;
    for (text.TrimLeft(); !text.IsEmpty(); text.TrimLeft()) {
        bool quoted = text[0] == '"';
        if (quoted)
            text = text.Mid(1);
        int end = text.Find('"');
        CString path = end < 0 ? text : text.Left(end);
        text = end < 0 ? CString() : text.Mid(quoted ? end + 1 : end);
        path.Trim();
        if (!path.IsEmpty())
            paths.push_back(path);
    }
    return paths;
}
