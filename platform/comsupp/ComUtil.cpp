// The two narrow/wide conversions that _bstr_t and _variant_t call, which the
// toolchain declares but does not ship. They use the ANSI code page, as the
// rest of the system does.
#include <comutil.h>

namespace _com_util {

BSTR WINAPI ConvertStringToBSTR(const char* source)
{
    if (source == nullptr)
        return nullptr;
    int wideLength = MultiByteToWideChar(CP_ACP, 0, source, -1, nullptr, 0);
    if (wideLength <= 0)
        return nullptr;
    BSTR result = SysAllocStringLen(nullptr, wideLength - 1);
    if (result == nullptr)
        _com_issue_error(E_OUTOFMEMORY);
    MultiByteToWideChar(CP_ACP, 0, source, -1, result, wideLength);
    return result;
}

char* WINAPI ConvertBSTRToString(BSTR source)
{
    if (source == nullptr)
        return nullptr;
    int wideLength = static_cast<int>(SysStringLen(source));
    int narrowLength = WideCharToMultiByte(CP_ACP, 0, source, wideLength, nullptr, 0, nullptr, nullptr);
    char* result = new char[narrowLength + 1];
    WideCharToMultiByte(CP_ACP, 0, source, wideLength, result, narrowLength, nullptr, nullptr);
    result[narrowLength] = '\0';
    return result;
}

}
