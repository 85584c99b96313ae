#include "builder/DialogInitData.h"
#include "afx/AfxResources.h"
#include <cstring>

namespace {
const WORD kDialogInitType = 240;
const WORD kLoadFromStream = 0x0376;

// One control's entry: its id, how its data is to be read, and the data's length.
#pragma pack(push, 1)
struct EntryHeader {
    WORD controlId;
    WORD message;
    DWORD length;
};
#pragma pack(pop)

// The stream of a control's stored state begins with a version and the extent.
struct StoredState {
    DWORD version;
    DWORD cx;
    DWORD cy;
};
}

bool FindStoredExtent(UINT dialogId, int controlId, SIZEL& extent)
{
    HINSTANCE resources = AfxGetResourceHandle();
    HRSRC found = ::FindResourceA(resources, MAKEINTRESOURCEA(dialogId), MAKEINTRESOURCEA(kDialogInitType));
    HGLOBAL loaded = found ? ::LoadResource(resources, found) : nullptr;
    const BYTE* data = loaded ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
    if (!data)
        return false;
    const BYTE* end = data + ::SizeofResource(resources, found);
    EntryHeader entry = {};
    for (const BYTE* at = data; at + sizeof entry <= end; at += sizeof entry + entry.length) {
        memcpy(&entry, at, sizeof entry);
        if (entry.controlId == 0)
            return false;
        if (entry.controlId != controlId || entry.message != kLoadFromStream || entry.length < sizeof(StoredState) ||
            at + sizeof entry + entry.length > end)
            continue;
        StoredState state = {};
        memcpy(&state, at + sizeof entry, sizeof state);
        extent.cx = static_cast<LONG>(state.cx);
        extent.cy = static_cast<LONG>(state.cy);
        return true;
    }
    return false;
}
