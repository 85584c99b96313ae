// The data file's reader: records, attributes, quoting, and the line named
// in every complaint.
#include "productsim/simdata/SimDataReader.h"
#include <gtest/gtest.h>
#include <string.h>

namespace {

std::string ErrorOf(const std::string& text)
{
    CSimData data;
    std::string error;
    EXPECT_FALSE(CSimDataReader().Read(text, data, error));
    return error;
}

}

TEST(SimDataReaderTest, ReadsEveryKindOfRecord)
{
    CSimData data;
    std::string error;
    ASSERT_TRUE(CSimDataReader().Read(
        "# a comment\r\n"
        "\n"
        "olpex /tools kinds=sumolpex mounted uuid=00112233-4455-6677-8899-aabbccddeeff fail=tag,kinds\n"
        "olpex \\mine private\n"
        "folder RootFolder olpex=\\tools display=\"The root\"\n"
        "project \"two words\" folder=RootFolder olpex=tools istream=int empty=Parent\n"
        "labeltype REL olpex=tools global obsolete\n"
        "hyperlink AdminOLPEX from=\\tools to=mine\n"
        "view C:\\views\\a\\ snapshot\n"
        "command \"ls -l\" output=\"one\\ntwo\"\n"
        "registry batch=3 fail=more\n"
        "product elkv=1 comptest=0\n",
        data, error)) << error;
    ASSERT_EQ(2u, data.olpexes.size());
    EXPECT_EQ("/tools", data.olpexes[0].tag);
    EXPECT_EQ("tools", data.olpexes[0].name);
    EXPECT_EQ("public", data.olpexes[0].access);
    EXPECT_TRUE(data.olpexes[0].mounted);
    EXPECT_EQ(0xEE, data.olpexes[0].uuid[14]);
    EXPECT_TRUE(data.olpexes[0].marks.Fails("kinds"));
    EXPECT_EQ("private", data.olpexes[1].access);
    EXPECT_NE(0, memcmp(data.olpexes[0].uuid, data.olpexes[1].uuid, 16));
    ASSERT_EQ(2u, data.objects.size());
    EXPECT_EQ("tools", data.objects[0].olpex);
    EXPECT_EQ("The root", data.objects[0].display);
    EXPECT_EQ("two words", data.objects[1].name);
    EXPECT_TRUE(data.objects[1].marks.Empties("Parent"));
    EXPECT_TRUE(data.types[0].global && data.types[0].obsolete);
    EXPECT_EQ("tools", data.hyperlinks[0].from);
    EXPECT_EQ("C:\\views\\a", data.views[0].path);
    EXPECT_EQ("one\r\ntwo", data.commands[0].output);
    EXPECT_EQ(3, data.registryBatch);
    EXPECT_TRUE(data.registry.Fails("more"));
    EXPECT_TRUE(data.entryLevelEdition);
    EXPECT_FALSE(data.compTest);
    EXPECT_TRUE(data.extendedHelp);
    EXPECT_EQ(&data.objects[1], data.FindObject(SimKind::Project, "two words", "TOOLS"));
    EXPECT_EQ(&data.olpexes[0], data.FindOlpex("\\Tools"));
    EXPECT_EQ(&data.views[0], data.FindViewHolding("c:\\VIEWS\\a\\src"));
    EXPECT_EQ(nullptr, data.FindViewHolding("C:\\views\\ab"));
}

TEST(SimDataReaderTest, ComplaintsNameTheLine)
{
    EXPECT_EQ("line 2: unknown record \"foldr\"", ErrorOf("olpex \\a\nfoldr f olpex=a\n"));
    EXPECT_EQ("line 1: \"stream\" has no attribute \"folder\"", ErrorOf("stream s olpex=a folder=f\n"));
    EXPECT_EQ("line 1: \"view\" has no flag \"dynamic\"", ErrorOf("view C:\\v dynamic\n"));
    EXPECT_EQ("line 1: a double quote is not closed", ErrorOf("folder \"Root olpex=a\n"));
    EXPECT_EQ("line 1: the uuid needs 32 hexadecimal digits", ErrorOf("olpex \\a uuid=1234\n"));
    EXPECT_EQ("line 1: \"olpex\" needs a name", ErrorOf("olpex \"\"\n"));
    EXPECT_EQ("line 1: a hyperlink needs from= and to=", ErrorOf("hyperlink AdminOLPEX from=a\n"));
    EXPECT_EQ("line 1: the batch size must be at least 1", ErrorOf("registry batch=0\n"));
}

TEST(SimDataReaderTest, SelectorsInAnyCaseAndQuoted)
{
    SimSelector selector;
    ASSERT_TRUE(SimSelector::Parse("\"Stream:alice_dev@\\webshop\"", selector));
    EXPECT_EQ("stream", selector.kindWord);
    EXPECT_EQ("alice_dev", selector.name);
    EXPECT_EQ("webshop", selector.olpex);
    ASSERT_TRUE(SimSelector::Parse("folder:RootFolder", selector));
    EXPECT_EQ("", selector.olpex);
    EXPECT_FALSE(SimSelector::Parse("RootFolder@\\webshop", selector));
    EXPECT_FALSE(SimSelector::Parse("project:@\\webshop", selector));
}
