// The build identification line of the control libraries.
#include "controlshell/BuildIdentification.h"
#include <gtest/gtest.h>
#include <regex>
#include <string>

TEST(BuildIdentificationTest, LineHasTheModuleInItsColumnAndIsCutToTheCallersBuffer)
{
    char line[128] = "";
    int length = FormatBuildIdentification(line, sizeof line, "sorvane");
    EXPECT_EQ(static_cast<int>(strlen(line)), length);
    const std::regex expected("sorvane {27}8\\.0\\.0\\.17 "
                              "\\([A-Z][a-z]{2} [A-Z][a-z]{2} [ 1-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9] 20[0-9]{2}\\)\n");
    EXPECT_TRUE(std::regex_match(line, expected)) << line;

    char small[12];
    memset(small, '#', sizeof small);
    EXPECT_EQ(length, FormatBuildIdentification(small, 8, "sorvane"));
    EXPECT_STREQ("sorvane", small);
    EXPECT_EQ('#', small[8]) << "nothing is written past the size given";
}
