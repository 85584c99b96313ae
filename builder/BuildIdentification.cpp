#include "builder/BuildIdentification.h"
#include "libselvoks.h"

namespace {
const char kFormat[] = "%-*s %s (%s)\n";
const int kNameWidth = 33;
const char kProgram[] = "Maldrin";
const char kVersion[] = "8.0.0.17";
const char kBuildTime[] = "Mon Nov 9 21:11:31 2015";
}

void PrintBuildIdentification()
{
    imsg_print(0, kFormat, -1, kNameWidth, kProgram, kVersion, kBuildTime);
}

void FormatBuildIdentification(char* buffer)
{
    imsg_sprintf(buffer, kFormat, -1, kNameWidth, kProgram, kVersion, kBuildTime);
}
