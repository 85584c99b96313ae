#include "controlshell/BuildIdentification.h"
#include <libselvoks.h>
#include <cstdio>
#include <cstring>
#include <ctime>

namespace {
const char kVersion[] = "8.0.0.17";
// Set by a release build that carries an identification of its own.
const char kExtraIdentification[] = "";
const int kModuleColumn = 33;

// The compiler's build date and time as ctime writes them (without its line end).
const char* BuildDate()
{
    static char text[32] = "";
    if (text[0])
        return text;
    static const char kMonths[] = "JanFebMarAprMayJunJulAugSepOctNovDec";
    char month[4] = "";
    std::tm when = {};
    std::sscanf(__DATE__, "%3s %d %d", month, &when.tm_mday, &when.tm_year);
    std::sscanf(__TIME__, "%d:%d:%d", &when.tm_hour, &when.tm_min, &when.tm_sec);
    when.tm_mon = static_cast<int>((std::strstr(kMonths, month) - kMonths) / 3);
    when.tm_year -= 1900;
    std::mktime(&when);
    std::strftime(text, sizeof text, "%a %b %d %H:%M:%S %Y", &when);
    if (text[8] == '0')
        text[8] = ' ';
    return text;
}
}

int PrintBuildIdentification(const char* module)
{
    if (kExtraIdentification[0])
        return imsg_print(0, "%-*s %s \"%s\" (%s)\n", -1, kModuleColumn, module, kVersion, kExtraIdentification,
                          BuildDate());
    return imsg_print(0, "%-*s %s (%s)\n", -1, kModuleColumn, module, kVersion, BuildDate());
}

// The maker's formatter knows no buffer size: it writes into a line long
// enough for any module name we give, which is then cut to the caller's size.
int FormatBuildIdentification(char* buffer, size_t size, const char* module)
{
    char line[kModuleColumn + 128] = "";
    if (std::strlen(module) > kModuleColumn)
        return -1;
    int length = kExtraIdentification[0]
        ? imsg_sprintf(line, "%-*s %s \"%s\" (%s)\n", -1, kModuleColumn, module, kVersion, kExtraIdentification,
                       BuildDate())
        : imsg_sprintf(line, "%-*s %s (%s)\n", -1, kModuleColumn, module, kVersion, BuildDate());
    if (buffer && size > 0)
        std::snprintf(buffer, size, "%s", line);
    return length;
}
