#include "afx/FileException.h"

CFileException::CFileException(int cause, LONG osError, const char* fileName)
    : m_cause(cause), m_lOsError(osError), m_strFileName(fileName)
{
}

void CFileException::ThrowOsError(LONG osError, const char* fileName)
{
    throw CFileException(OsErrorToCause(osError), osError, fileName);
}

CString SystemErrorText(DWORD error)
{
    char message[1024] = "";
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), message,
                   sizeof message, nullptr);
    return message;
}

int CFileException::OsErrorToCause(LONG osError)
{
    switch (osError) {
    case NO_ERROR:
        return none;
    case ERROR_FILE_NOT_FOUND:
        return fileNotFound;
    case ERROR_PATH_NOT_FOUND:
        return badPath;
    case ERROR_ACCESS_DENIED:
        return accessDenied;
    case ERROR_INVALID_HANDLE:
        return invalidFile;
    default:
        return genericException;
    }
}
