// Where the simulated product keeps its data, and the data as last read.
// The file is the one named by the environment variable KORVAST_SIM_DATA, or
// else "simdata.txt" beside the module (DLL) that asks. It is read again
// whenever its time or size changed, so a test can rewrite it between calls.
#pragma once
#include "productsim/simdata/SimData.h"
#include <memory>
#include <string>
#include <windows.h>

class CSimDataSource {
public:
    // The current data; an absent file gives empty data. Null when the file
    // cannot be read or is not well formed; `error` then says why.
    static std::shared_ptr<const CSimData> Current(std::string& error);
    static std::string DataFilePath();
    // The folder (with a trailing backslash) of the module holding this code.
    static std::string ModuleFolder();
    static HMODULE ThisModule();
};
