#include "builder/DirDialog.h"
#include <shlobj.h>

bool CDirDialog::ValidateSelection(const CString&, CString&)
{
    return true;
}

bool CDirDialog::DoBrowse(HWND owner)
{
    if (!m_strSelDir.IsEmpty()) {
        m_strSelDir.TrimRight();
        if (m_strSelDir.Right(1) == "\\")
            m_strSelDir = m_strSelDir.Left(m_strSelDir.GetLength() - 1);
    }
    IMalloc* allocator = nullptr;
    if (FAILED(::SHGetMalloc(&allocator)))
        return false;
    LPITEMIDLIST root = nullptr;
    if (!m_strInitDir.IsEmpty()) {
        IShellFolder* desktop = nullptr;
        wchar_t wide[MAX_PATH] = L"";
        // A root too long for the buffer is not converted at all: browsing a
        // part of it would offer the wrong folders.
        const bool converted = ::MultiByteToWideChar(CP_ACP, 0, m_strInitDir, -1, wide, MAX_PATH) != 0;
        const bool parsed = converted && SUCCEEDED(::SHGetDesktopFolder(&desktop)) &&
                            SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, wide, nullptr, &root, nullptr));
        if (desktop)
            desktop->Release();
        if (!parsed) {
            allocator->Release();
            return false;
        }
    }
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pidlRoot = root;
    info.pszDisplayName = m_strPath.GetBuffer(MAX_PATH);
    info.lpszTitle = m_strTitle.IsEmpty() ? "Select Directory" : m_strTitle.GetString();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS | (m_bStatus ? BIF_STATUSTEXT : 0);
    info.lpfn = &BrowseCallbackProc;
    info.lParam = reinterpret_cast<LPARAM>(this);
    LPITEMIDLIST chosen = ::SHBrowseForFolderA(&info);
    m_strPath.ReleaseBuffer();
    if (root)
        allocator->Free(root);
    if (!chosen) {
        allocator->Release();
        return false;
    }
    m_iImageIndex = info.iImage;
    const bool converted = ::SHGetPathFromIDListA(chosen, m_strPath.GetBuffer(MAX_PATH)) != FALSE;
    m_strPath.ReleaseBuffer();
    allocator->Free(chosen);
    allocator->Release();
    return converted;
}

int CALLBACK CDirDialog::BrowseCallbackProc(HWND window, UINT message, LPARAM parameter, LPARAM dialogAddress)
{
    CDirDialog& dialog = *reinterpret_cast<CDirDialog*>(dialogAddress);
    if (message == BFFM_INITIALIZED) {
        if (!dialog.m_strSelDir.IsEmpty())
            ::SendMessageA(window, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(dialog.m_strSelDir.GetString()));
        if (!dialog.m_strWindowTitle.IsEmpty())
            ::SetWindowTextA(window, dialog.m_strWindowTitle);
    } else if (message == BFFM_SELCHANGED) {
        char path[MAX_PATH] = "";
        if (!::SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(parameter), path))
            path[0] = '\0';
        CString status;
        const bool valid = dialog.ValidateSelection(path, status);
        if (dialog.m_bStatus)
            ::SendMessageA(window, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(status.GetString()));
        ::SendMessageA(window, BFFM_ENABLEOK, 0, valid);
    }
    return 0;
}
