// Answers IsLegacyVersion in a process of its own. Exit code: bit 0 is the
// answer once a CProductEnv exists; bit 1 the answer after the major version
// was rewritten to the first argument (when one is given).
#include "envlib/ProductEnv.h"
#include "envlib/Registry.h"

int main(int argc, char** argv)
{
    CProductEnv env;
    bool first = IsLegacyVersion();
    if (argc > 1) {
        CRegistry key;
        if (key.Create(HKEY_LOCAL_MACHINE, kProductVersionKey, nullptr, KEY_ALL_ACCESS)) {
            key.SetString("KorvastMajorVersion", argv[1]);
            key.Close();
        }
    }
    bool second = IsLegacyVersion();
    return (first ? 1 : 0) | (second ? 2 : 0);
}
