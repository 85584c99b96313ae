// kvperl.exe and perl.exe: run a Perl script with the host's perl.
#include "productsim/relay/PerlRelay.h"
#include <stdlib.h>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return CPerlRelay().Run(arguments);
}
