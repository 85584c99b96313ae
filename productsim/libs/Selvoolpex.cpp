// libselvoolpex: whether a repository is mounted.
#define LIBSELVOOLPEX_BUILD
#include "libselvoolpex.h"
#include "productsim/simdata/SimDataSource.h"

int olpex_utl_is_mounted_olpex_pname(const char* tag)
{
    if (tag == nullptr)
        return 0;
    std::string problem;
    auto data = CSimDataSource::Current(problem);
    const SimOlpex* olpex = data == nullptr ? nullptr : data->FindOlpex(tag);
    return olpex != nullptr && olpex->mounted ? 1 : 0;
}
