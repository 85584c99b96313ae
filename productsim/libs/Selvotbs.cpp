// libselvotbs: status texts and product facts.
#define LIBSELVOTBS_BUILD
#include "libselvotbs.h"
#include "productsim/simdata/SimDataSource.h"
#include "productsim/simdata/SimStatus.h"
#include <stdio.h>

const char* tbs_strerror(int status)
{
    switch (status) {
    case kStatusOk: return "Success";
    case kStatusNoRegion: return "The registry region cannot be reached";
    case kStatusEntriesUnreadable: return "The registry entries cannot be read";
    case kStatusNoAttribute: return "The registry entry has no such attribute";
    case kStatusNoIdentifier: return "The registry entry has no identifier";
    case kStatusNoObject: return "No registry object carries this identifier";
    case kStatusBufferTooSmall: return "The text does not fit the buffer";
    case kStatusBadHandle: return "Invalid registry handle";
    case kStatusBadArguments: return "Invalid arguments";
    case kStatusPathNotFound: return "No such file or directory";
    case kStatusNotDirectory: return "Not a directory";
    case kStatusDataFile: return "The product's data file is not valid";
    }
    static thread_local char unknown[64];
    snprintf(unknown, sizeof unknown, "Unknown status %d", status);
    return unknown;
}

int tbs_product_comp_test(int)
{
    std::string problem;
    auto data = CSimDataSource::Current(problem);
    return data != nullptr && data->compTest ? 1 : 0;
}

int tbs_product_is_elkv(void)
{
    std::string problem;
    auto data = CSimDataSource::Current(problem);
    return data != nullptr && data->entryLevelEdition ? 1 : 0;
}
