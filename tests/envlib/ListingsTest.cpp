#include "tests/envlib/ProductQueryFixture.h"
#include "tests/support/ScratchFolder.h"
#include <algorithm>
#include <sstream>

namespace {
const char kRegistry[] =
    "olpex \\pvob kinds=polpex,sumolpex mounted\n"
    "olpex /tools kinds=sumolpex\n"
    "olpex src kinds=polpex private\n";
const char kListing[] =
    "* ^\\pvob$ (mivadolpex) public\r\n"
    "  ^\\tools$ (mivadolpex) public\r\n"
    "  ^\\src$ polpex private\r\n";

std::vector<std::string> SortedLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    return lines;
}

class ListingsTest : public ProductQueryTest {
protected:
    void SetUp() override { CSimTestData::Use(kRegistry); }
    void ExpectOneStatusBox(const std::string& text)
    {
        std::vector<RecordedBox> boxes = NewBoxes(1);
        ASSERT_EQ(1u, boxes.size());
        EXPECT_EQ("Korvast Error", boxes[0].caption);
        EXPECT_EQ(text, boxes[0].text);
    }
};
}

TEST_F(ListingsTest, RepositoryLinesCarryMarkTagKindsAndAccess)
{
    EXPECT_EQ(kListing, Text(env.ListOlpexes("")));
    CSimTestData::Use(std::string(kRegistry) + "registry batch=1\n");
    EXPECT_EQ(kListing, Text(env.ListOlpexes(""))) << "the cursor carries the position from batch to batch";
    ExpectNoBox();
}

TEST_F(ListingsTest, UnreadableKindsLeaveTheirPlaceEmpty)
{
    CSimTestData::Use("olpex src kinds=polpex private fail=kinds\n");
    EXPECT_EQ("  ^\\src$  private\r\n", Text(env.ListOlpexes("")));
    ExpectNoBox();
}

TEST_F(ListingsTest, FailureOnATagKeepsTheLinesBeforeIt)
{
    CSimTestData::Use(CSimTestData::WithRecords(kRegistry, "olpex src kinds=polpex private fail=tag\n"));
    EXPECT_EQ("* ^\\pvob$ (mivadolpex) public\r\n  ^\\tools$ (mivadolpex) public\r\n", Text(env.ListOlpexes("")));
    ExpectOneStatusBox("Error Description: The registry entry has no such attribute\nError Code: 13");
}

TEST_F(ListingsTest, EmptyOrUnreachableRegistryGivesNoLines)
{
    CSimTestData::Use("");
    EXPECT_EQ("", Text(env.ListOlpexes("")));
    ExpectNoBox();
    CSimTestData::Use(std::string(kRegistry) + "registry fail=region\n");
    EXPECT_EQ("", Text(env.ListOlpexes("")));
    ExpectOneStatusBox("Error Description: The registry region cannot be reached\nError Code: 11");
}

TEST_F(ListingsTest, DirectoryLinesAreFullPathsWithDirectoriesMarked)
{
    ScratchFolder folder("listing");
    folder.MakeFolder("lib");
    folder.MakeFolder("lost+found");
    folder.MakeFile("main.c");
    std::string directory = folder.Path();
    std::string listing = Text(env.ListSubdirectories(("\"" + directory + "\"").c_str()));
    EXPECT_EQ((std::vector<std::string>{directory + "lib\\\r", directory + "main.c\r"}), SortedLines(listing));

    std::filesystem::remove(folder / "lost+found");
    folder.MakeFolder("Lost+Found");
    listing = Text(env.ListSubdirectories(directory.c_str()));
    EXPECT_EQ(3u, SortedLines(listing).size()) << "only the exact name is left out";
    ExpectNoBox();
}

TEST_F(ListingsTest, EmptyOrMissingDirectory)
{
    ScratchFolder folder("empty");
    EXPECT_EQ("", Text(env.ListSubdirectories(folder.Path().c_str())));
    ExpectNoBox();
    EXPECT_EQ("", Text(env.ListSubdirectories((folder / "missing\\").c_str())));
    std::vector<RecordedBox> boxes = NewBoxes(1);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ("Korvast Error", boxes[0].caption);
}
