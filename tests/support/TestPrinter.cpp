#include "tests/support/TestPrinter.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestFiles.h"
#include "tests/support/WindowPump.h"
#include "productsim/relay/UnixPaths.h"
#include <windows.h>
#include <winspool.h>
#include <fstream>

namespace {
const char kDriverName[] = "Korvast Test PostScript";
const DWORD kGhostscriptTimeoutMs = 60000;

// Wine carries a generic PPD as resource "PPDFILE" 1 of winspool.drv.
bool WriteGenericPpd(const std::string& path)
{
    HMODULE winspool = LoadLibraryExA("winspool.drv", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC found = winspool ? FindResourceA(winspool, MAKEINTRESOURCEA(1), "PPDFILE") : nullptr;
    HGLOBAL loaded = found ? LoadResource(winspool, found) : nullptr;
    if (!loaded)
        return false;
    std::ofstream file(path, std::ios::binary);
    file.write(static_cast<const char*>(LockResource(loaded)), SizeofResource(winspool, found));
    return file.good();
}

bool AddPostScriptDriver()
{
    // The driver takes a copy of the description; the scratch one goes.
    ScratchFolder folder("printer");
    std::string ppd = folder / "korvast-test-printer.ppd";
    if (!WriteGenericPpd(ppd))
        return false;
    DRIVER_INFO_3A driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<char*>(kDriverName);
    driver.pDriverPath = const_cast<char*>("wineps.drv");
    driver.pConfigFile = const_cast<char*>("wineps.drv");
    driver.pDataFile = &ppd[0];
    driver.pDefaultDataType = const_cast<char*>("RAW");
    return AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES | APD_COPY_FROM_DIRECTORY);
}

bool PointPrinterAt(const std::string& name, const std::string& portFile)
{
    HANDLE printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(name.c_str()), &printer, nullptr))
        return false;
    DWORD needed = 0;
    GetPrinterA(printer, 2, nullptr, 0, &needed);
    std::vector<BYTE> buffer(needed);
    bool pointed = GetPrinterA(printer, 2, buffer.data(), needed, &needed);
    if (pointed) {
        PRINTER_INFO_2A* info = reinterpret_cast<PRINTER_INFO_2A*>(buffer.data());
        info->pPortName = const_cast<char*>(portFile.c_str());
        info->pSecurityDescriptor = nullptr;
        pointed = SetPrinterA(printer, 2, buffer.data(), 0);
    }
    ClosePrinter(printer);
    return pointed;
}

bool AddFilePrinter(const std::string& name, const std::string& portFile)
{
    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<char*>(name.c_str());
    info.pPortName = const_cast<char*>(portFile.c_str());
    info.pDriverName = const_cast<char*>(kDriverName);
    info.pPrintProcessor = const_cast<char*>("winprint");
    info.pDatatype = const_cast<char*>("RAW");
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (printer)
        ClosePrinter(printer);
    return printer != nullptr;
}

std::string ShellQuoted(const std::string& text)
{
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// A host program gets no handles and no process handle from Wine: the
// shell says it is done by creating a marker file.
bool RunHostShell(const std::string& command, const std::string& marker)
{
    std::string shell = CUnixPaths::ToWindows("/bin/sh");
    std::string line = "\"" + shell + "\" -c " + "\"" + command + "; touch " + ShellQuoted(CUnixPaths::ToUnix(marker)) + "\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    if (process.hProcess)
        CloseHandle(process.hProcess);
    if (process.hThread)
        CloseHandle(process.hThread);
    return WaitUntil([&] { return GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES; }, kGhostscriptTimeoutMs);
}

// Blanks come back as no-break spaces (UTF-8): they are plain blanks here.
std::string ReadPageText(const std::string& path)
{
    std::string text = ReadWholeFile(path);
    for (size_t at = text.find("\xC2\xA0"); at != std::string::npos; at = text.find("\xC2\xA0", at))
        text.replace(at, 2, " ");
    return text;
}
}

namespace TestPrinter {

DefaultPrinter::DefaultPrinter(const std::string& name, const std::string& portFile)
{
    m_installed = (PointPrinterAt(name, portFile) || (AddPostScriptDriver() && AddFilePrinter(name, portFile)))
                  && SetDefaultPrinterA(name.c_str());
}

std::vector<std::string> ReadPages(const std::string& postScriptFile, bool withPositions)
{
    ScratchFolder pages("pages");
    std::string command = "gs -q -dNOPAUSE -dBATCH -dSAFER -sDEVICE=txtwrite";
    if (withPositions)
        command += " -dTextFormat=0";
    command += " -o " + ShellQuoted(CUnixPaths::ToUnix(pages.Path()) + "/page-%d.txt") + " " +
               ShellQuoted(CUnixPaths::ToUnix(postScriptFile)) + " >/dev/null 2>&1";
    std::vector<std::string> texts;
    if (!RunHostShell(command, pages / "done"))
        return texts;
    for (int page = 1; GetFileAttributesA((pages / ("page-" + std::to_string(page) + ".txt")).c_str()) != INVALID_FILE_ATTRIBUTES; ++page)
        texts.push_back(ReadPageText(pages / ("page-" + std::to_string(page) + ".txt")));
    return texts;
}

}
