// The DrawText alignment of a header item's format (HDF_CENTER, HDF_RIGHT, else left).
#pragma once
#include <windows.h>
#include <commctrl.h>

inline UINT HeadingAlignment(int format)
{
    if (format & HDF_CENTER)
        return DT_CENTER;
    if (format & HDF_RIGHT)
        return DT_RIGHT;
    return DT_LEFT;
}
