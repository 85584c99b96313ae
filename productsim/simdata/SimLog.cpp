#include "productsim/simdata/SimLog.h"
#include "productsim/simdata/SimDataSource.h"
#include <windows.h>

std::string CSimLog::Path()
{
    char path[MAX_PATH] = "";
    DWORD length = GetEnvironmentVariableA("KORVAST_SIM_LOG", path, MAX_PATH);
    if (length > 0 && length < MAX_PATH)
        return path;
    return CSimDataSource::ModuleFolder() + "korvast-ui.log";
}

void CSimLog::Append(const std::string& line)
{
    HANDLE file = CreateFileA(Path().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}
