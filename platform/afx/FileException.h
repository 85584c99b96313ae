// A failed file or process operation, named after the file it concerned, with
// its cause and the system error code it came from. Thrown by value.
#pragma once
#include "afx/CString.h"
#include <exception>

class CFileException : public std::exception {
public:
    enum Cause {
        none = 0,
        genericException = 1,
        fileNotFound = 2,
        badPath = 3,
        accessDenied = 5,
        invalidFile = 6,
    };

    CFileException(int cause, LONG osError, const char* fileName);

    // Throws the exception for a system error code.
    [[noreturn]] static void ThrowOsError(LONG osError, const char* fileName);
    static int OsErrorToCause(LONG osError);

    const char* what() const noexcept override { return "file exception"; }

    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

// The system's message text for an error code, as FormatMessage gives it.
CString SystemErrorText(DWORD error);
