// CProductEnv: the kind, repository tag and shown text of a selector.
#include "envlib/BstrHelpers.h"
#include "envlib/ProductEnv.h"
#include <cstring>

namespace {
const char kSeparator[] = "@\\";
const int kSeparatorLength = 2;

bool HasPrefix(const _bstr_t& text, const char* prefix)
{
    return BstrCompareNoCase(BstrLeft(text, static_cast<int>(strlen(prefix))), prefix) == 0;
}

// The text after the first "@\", or empty without one.
_bstr_t TextAfterSeparator(const _bstr_t& selector)
{
    int separator = BstrFind(selector, kSeparator);
    if (separator < 0)
        return _bstr_t();
    return BstrRight(selector, static_cast<int>(selector.length()) - separator - kSeparatorLength);
}

// A stream is its project's integration stream when the selector equals the one
// built from the integration stream's name; this costs two automation queries.
bool IsIntegrationStream(CProductEnv& env, const _bstr_t& selector)
{
    _bstr_t project = env.GetStreamProject(selector);
    int separator = BstrFind(selector, kSeparator);
    if (separator < 0)
        return false;
    _bstr_t tail = BstrMid(selector, separator, static_cast<int>(selector.length()));
    _bstr_t integration = env.GetIntegrationStream("project:" + project + tail);
    _bstr_t expected = "stream:" + integration + tail;
    return BstrCompareNoCase(selector, expected) == 0;
}
}

int CProductEnv::GetSelectorKind(_bstr_t selector)
{
    BstrStripQuotes(selector);
    // "folder:RootFolder" comes before "folder:": a root folder is never an ordinary one.
    if (HasPrefix(selector, "folder:RootFolder"))
        return kSelectorRootFolder;
    if (HasPrefix(selector, "folder:"))
        return kSelectorFolder;
    if (HasPrefix(selector, "project:"))
        return kSelectorProject;
    if (HasPrefix(selector, "stream:"))
        return IsIntegrationStream(*this, selector) ? kSelectorIntegrationStream : kSelectorStream;
    if (HasPrefix(selector, "activity:"))
        return kSelectorActivity;
    if (HasPrefix(selector, "view:"))
        return kSelectorView;
    return kSelectorUnknown;
}

_bstr_t CProductEnv::GetSelectorOlpex(_bstr_t selector)
{
    _bstr_t tag = TextAfterSeparator(selector);
    if (BstrCompare(BstrRight(tag, 1), "\"") == 0)
        tag = BstrLeft(tag, static_cast<int>(tag.length()) - 1);
    return tag;
}

void CProductEnv::QuoteString(_bstr_t& text)
{
    text = "\"" + text + "\"";
}

_bstr_t CProductEnv::GetSelectorInfo(_bstr_t selector)
{
    BstrStripQuotes(selector);
    if (GetSelectorKind(selector) == kSelectorRootFolder && BstrFind(selector, kSeparator) >= 0)
        return TextAfterSeparator(selector);
    return ResolveObjectSelector(selector);
}
