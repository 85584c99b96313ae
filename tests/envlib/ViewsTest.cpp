#include "tests/envlib/ProductQueryFixture.h"
#include "tests/support/ProductViews.h"
#include "tests/support/RegistryText.h"
#include "tests/support/ScratchFolder.h"
#include <algorithm>

namespace {
std::vector<std::string> Texts(const std::vector<_bstr_t>& texts)
{
    std::vector<std::string> result;
    for (const _bstr_t& text : texts)
        result.push_back(Text(text));
    std::sort(result.begin(), result.end());
    return result;
}

// Views in a scratch folder whose path holds blanks, as users' view folders
// may: "v1" and "v10" are views the product knows ("v10" a snapshot),
// "stranger" holds a marker the product does not know, "plain" is no view.
// All four and a missing folder are registered.
class ViewsTest : public ProductQueryTest {
protected:
    void SetUp() override
    {
        for (const char* name : {"v1", "v10", "stranger", "plain\\src"})
            m_folder.MakeFolder(name);
        for (const char* name : {"v1\\view.dat", "v10\\view.dat", "stranger\\view.dat"})
            m_folder.MakeFile(name);
        m_v1 = m_folder / "v1";
        m_v10 = m_folder / "v10";
        UseData("view \"" + m_v1 + "\"\nview \"" + m_v10 + "\" snapshot\n");
        for (const char* name : {"v1", "v10", "stranger", "plain", "missing"})
            m_views.Register(m_folder / name);
    }

    ProductViews m_views;
    ScratchFolder m_folder{"my views"};
    std::string m_v1;
    std::string m_v10;
};
}

TEST_F(ViewsTest, ViewRootIsTheFolderOrTheFilesFolderHoldingTheMarker)
{
    m_folder.MakeFolder("v1\\src");
    m_folder.MakeFile("v1\\top.c");
    m_folder.MakeFile("v1\\src\\deep.c");
    EXPECT_TRUE(IsViewRoot(m_v1.c_str()));
    EXPECT_TRUE(IsViewRoot((m_v1 + "\\").c_str()));
    EXPECT_TRUE(IsViewRoot((m_v1 + "\\top.c").c_str()));
    EXPECT_FALSE(IsViewRoot((m_v1 + "\\src\\deep.c").c_str())) << "parents are not searched";
    EXPECT_FALSE(IsViewRoot((m_v1 + "\\src").c_str()));
    EXPECT_FALSE(IsViewRoot((m_folder / "missing").c_str()));
    EXPECT_FALSE(IsViewRoot("v1"));
    EXPECT_FALSE(IsViewRoot(std::string(5000, 'x').insert(0, "C:\\").c_str()));
}

TEST_F(ViewsTest, FolderEntriesAreSubfoldersWithoutDotOrVersionedNames)
{
    ScratchFolder folder("entries");
    folder.MakeFolder("lib");
    folder.MakeFolder("old@@");
    folder.MakeFolder(".hidden");
    folder.MakeFile("main.c");
    std::vector<_bstr_t> entries;
    env.ListFolderEntries(folder.Path().c_str(), entries);
    EXPECT_EQ(std::vector<std::string>{folder / "lib"}, Texts(entries));
}

TEST_F(ViewsTest, RegisteredViewsNeedAFolderTheMarkerAndTheProduct)
{
    std::vector<_bstr_t> views;
    env.ListViews(views);
    EXPECT_EQ((std::vector<std::string>{m_v1, m_v10}), Texts(views));
    ExpectNoBox();
}

TEST_F(ViewsTest, DriverDriveAddsTheFoldersAtItsRoot)
{
    ASSERT_TRUE(SetRegistryText(HKEY_LOCAL_MACHINE, kDriverKey, "drive", "C"));
    std::vector<_bstr_t> views;
    env.ListViews(views);
    std::vector<std::string> texts = Texts(views);
    EXPECT_NE(texts.end(), std::find(texts.begin(), texts.end(), "C:\\windows")) << "the drive gets its colon";
}

TEST_F(ViewsTest, LongestViewBeginningThePathIsItsRoot)
{
    EXPECT_EQ(m_v10, Text(env.FindViewRoot((m_v10 + "\\src\\a.c").c_str())));
    EXPECT_EQ("src\\a.c", Text(env.GetViewRelativePath((m_v10 + "\\src\\a.c").c_str())));
    EXPECT_EQ(m_v1, Text(env.FindViewRoot((" \"" + m_v1 + "\\b.c\" ").c_str())));
    EXPECT_EQ("b.c", Text(env.GetViewRelativePath((" \"" + m_v1 + "\\b.c\" ").c_str())));
    // One pair of quotes is taken off: the inner pair hides the root.
    EXPECT_EQ("", Text(env.GetViewRelativePath(("\"\"" + m_v1 + "\\b.c\"\"").c_str())));
    // A plain prefix: a sibling whose name begins with the view's name matches.
    EXPECT_EQ(m_v1, Text(env.FindViewRoot((m_v1 + "x\\c.c").c_str())));
}

TEST_F(ViewsTest, PathOfTheRootItselfHasAnEmptyRelativePath)
{
    EXPECT_EQ(m_v1, Text(env.FindViewRoot(m_v1.c_str())));
    EXPECT_EQ("", Text(env.GetViewRelativePath(m_v1.c_str())));
    EXPECT_EQ("", Text(env.FindViewRoot((m_folder / "plain\\src").c_str())));
    EXPECT_EQ("", Text(env.GetViewRelativePath((m_folder / "plain\\src").c_str())));
}

TEST_F(ViewsTest, RootsAreMatchedWithCase)
{
    std::string otherCase = m_v1 + "\\a.c";
    otherCase[0] = static_cast<char>(islower(otherCase[0]) ? toupper(otherCase[0]) : tolower(otherCase[0]));
    EXPECT_EQ("", Text(env.FindViewRoot(otherCase.c_str())));
}

TEST_F(ViewsTest, ViewTestIsTrueForAViewThatIsNoSnapshot)
{
    EXPECT_EQ(1, env.TestViewObject(m_v1.c_str()));
    EXPECT_EQ(0, env.TestViewObject(m_v10.c_str()));
    EXPECT_EQ(0, env.TestViewObject((m_folder / "stranger").c_str()));
    ExpectNoBox();
}
