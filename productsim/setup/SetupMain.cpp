// KorvastSetup.exe: installs the simulated Korvast product into this prefix.
//   KorvastSetup /install <payload folder> [<product home>]
//   KorvastSetup /register | /unregister
#include "productsim/setup/ProductInstaller.h"
#include <stdio.h>
#include <string.h>

int main(int argc, char** argv)
{
    CProductInstaller installer;
    if (argc >= 3 && _stricmp(argv[1], "/install") == 0)
        return installer.Install(argv[2], argc >= 4 ? argv[3] : CProductInstaller::kDefaultHome) ? 0 : 1;
    if (argc == 2 && (_stricmp(argv[1], "/register") == 0 || _stricmp(argv[1], "/unregister") == 0))
        return installer.RegisterServer(_stricmp(argv[1], "/register") == 0) ? 0 : 1;
    fprintf(stderr, "Usage: KorvastSetup /install <payload folder> [<product home>]\n"
                    "       KorvastSetup /register | /unregister\n");
    return 2;
}
