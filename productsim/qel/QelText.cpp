#include "productsim/qel/QelText.h"

BSTR QelAllocString(const std::string& text)
{
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0);
    BSTR wide = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (wide != nullptr)
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), wide, length);
    return wide;
}

std::string QelNarrow(BSTR text)
{
    if (text == nullptr)
        return std::string();
    int wideLength = static_cast<int>(SysStringLen(text));
    int length = WideCharToMultiByte(CP_ACP, 0, text, wideLength, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, wideLength, &narrow[0], length, nullptr, nullptr);
    return narrow;
}
