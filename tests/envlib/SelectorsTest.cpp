#include "tests/envlib/ProductQueryFixture.h"

typedef ProductQueryTest SelectorsTest;

TEST(Selectors, KindComesFromThePrefixInAnyCase)
{
    CProductEnv env;
    const struct {
        const char* selector;
        int kind;
    } cases[] = {
        {"folder:RootFolder@\\pvob", kSelectorRootFolder},
        {"FOLDER:rootfolder@\\pvob", kSelectorRootFolder},
        {"folder:RootFolderArchive@\\pvob", kSelectorRootFolder},
        {"\"folder:RootFolder@\\pvob\"", kSelectorRootFolder},
        {"folder:Root@\\pvob", kSelectorFolder},
        {"\"Folder:Products@\\pvob", kSelectorFolder},
        {"project:shop@\\pvob", kSelectorProject},
        {"activity:fix@\\pvob", kSelectorActivity},
        {"view:", kSelectorView},
        {"view", kSelectorUnknown},
        {"", kSelectorUnknown},
        {"branch:main@\\pvob", kSelectorUnknown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.kind, env.GetSelectorKind(c.selector)) << c.selector;
}

TEST_F(SelectorsTest, StreamIsIntegrationOnlyWhenItsProjectNamesIt)
{
    EXPECT_EQ(kSelectorIntegrationStream, env.GetSelectorKind("stream:shop_int@\\pvob"));
    EXPECT_EQ(kSelectorIntegrationStream, env.GetSelectorKind("\"STREAM:shop_int@\\pvob\""));
    EXPECT_EQ(kSelectorStream, env.GetSelectorKind("stream:alice_shop@\\pvob"));
    ExpectNoBox();
}

TEST_F(SelectorsTest, UnknownStreamIsAnOrdinaryStreamAfterItsBox)
{
    EXPECT_EQ(kSelectorStream, env.GetSelectorKind("stream:nosuch@\\pvob"));
    std::vector<RecordedBox> boxes = NewBoxes(2);
    EXPECT_EQ(2u, boxes.size()) << "the project query and the integration-stream query both fail";
}

TEST_F(SelectorsTest, StreamWithoutTagMakesOnlyTheProjectQuery)
{
    UseData("application fail=GetProject\n");
    EXPECT_EQ(kSelectorStream, env.GetSelectorKind("stream:shop_int"));
    ExpectNoBox();
    EXPECT_EQ(kSelectorStream, env.GetSelectorKind("stream:shop_int@\\pvob"));
    ExpectOneComErrorBox("80040202");
}

TEST(Selectors, TagIsTheTextAfterTheFirstSeparator)
{
    CProductEnv env;
    EXPECT_EQ("pvob", Text(env.GetSelectorOlpex("project:shop@\\pvob")));
    EXPECT_EQ("pvob", Text(env.GetSelectorOlpex("\"project:shop@\\pvob\"")));
    EXPECT_EQ("pvob@\\x", Text(env.GetSelectorOlpex("project:shop@\\pvob@\\x")));
    EXPECT_EQ("", Text(env.GetSelectorOlpex("project:shop")));
    EXPECT_EQ("", Text(env.GetSelectorOlpex("project:shop@\\")));
}

TEST(Selectors, QuotingAddsQuotesWhateverIsThere)
{
    CProductEnv env;
    _bstr_t text("a b");
    env.QuoteString(text);
    EXPECT_EQ("\"a b\"", Text(text));
    env.QuoteString(text);
    EXPECT_EQ("\"\"a b\"\"", Text(text));
}

TEST_F(SelectorsTest, RootFolderTextIsItsTagWithoutAskingTheProduct)
{
    UseData("application fail=GetFolder\n");
    EXPECT_EQ("pvob", Text(env.GetSelectorInfo("\"folder:RootFolder@\\pvob\"")));
    ExpectNoBox();
}

TEST_F(SelectorsTest, OtherObjectsShowTheirResolvedText)
{
    EXPECT_EQ("Products", Text(env.GetSelectorInfo("\"folder:Products@\\pvob\"")));
    EXPECT_EQ("pay", Text(env.GetSelectorInfo("project:pay@\\pvob")));
    ExpectNoBox();
}
