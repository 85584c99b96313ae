#include "viewer/FileExportDialog.h"
#include "tests/support/DialogUser.h"
#include <gtest/gtest.h>
#include <string>

namespace {
const char kTypes[] = "HTML Files(*.htm)|XML Files(*.xml)|Comma Separated(*.csv)";

std::string FilterPairs(const char* filter)
{
    std::string pairs;
    for (const char* part = filter; *part; part += strlen(part) + 1)
        pairs += std::string(part) + "|";
    return pairs;
}
}

TEST(FileExportDialog, FilterPairsEachTypeWithItsPattern)
{
    CFileExportDialog dialog("Save Report Data As", kTypes, "");
    EXPECT_EQ("HTML Files(*.htm)|*.htm|XML Files(*.xml)|*.xml|Comma Separated(*.csv)|*.csv|",
              FilterPairs(dialog.m_ofn.lpstrFilter));
    EXPECT_STREQ("Save Report Data As", dialog.m_ofn.lpstrTitle);
    EXPECT_STREQ("*.htm", dialog.m_ofn.lpstrFile);
    EXPECT_EQ(static_cast<DWORD>(CFileExportDialog::kFileNameSize), dialog.m_ofn.nMaxFile);
    EXPECT_EQ(1u, dialog.m_ofn.nFilterIndex);
    EXPECT_EQ(1, dialog.GetChosenType());
    EXPECT_TRUE(dialog.m_ofn.Flags & OFN_OVERWRITEPROMPT);
    EXPECT_TRUE(dialog.m_ofn.Flags & OFN_HIDEREADONLY);
}

TEST(FileExportDialog, InitialNameChoosesTheTypeOfItsExtension)
{
    CFileExportDialog csv("Save", kTypes, "report.csv");
    EXPECT_STREQ("report.csv", csv.m_ofn.lpstrFile);
    EXPECT_EQ(3, csv.GetChosenType());
    EXPECT_EQ(3u, csv.m_ofn.nFilterIndex);

    // The extension runs from the name's first dot and matches with case.
    CFileExportDialog twoDots("Save", kTypes, "a.b.xml");
    EXPECT_EQ(1, twoDots.GetChosenType());
    CFileExportDialog upper("Save", kTypes, "report.XML");
    EXPECT_EQ(1, upper.GetChosenType());
}

TEST(FileExportDialog, AtMostTwentyTypes)
{
    std::string many;
    for (int i = 0; i < 25; ++i)
        many += "T(*.e" + std::to_string(i) + ")|";
    CFileExportDialog dialog("Save", many.c_str(), "x.e19");
    EXPECT_EQ(20, dialog.GetChosenType());
    std::string pairs = FilterPairs(dialog.m_ofn.lpstrFilter);
    EXPECT_NE(std::string::npos, pairs.find("*.e19|"));
    EXPECT_EQ(std::string::npos, pairs.find("*.e20|"));
}

TEST(FileExportDialog, RenameFollowsTheChosenType)
{
    EXPECT_STREQ(".xml", CFileExportDialog::ExtensionOfType("XML Files(*.xml)"));
    EXPECT_STREQ("report.xml", CFileExportDialog::RenameForType("report.htm", ".xml"));
    EXPECT_STREQ("a.xml", CFileExportDialog::RenameForType("a.b.htm", ".xml"));
    EXPECT_STREQ("report.csv", CFileExportDialog::RenameForType("report", ".csv"));
    EXPECT_STREQ("*.csv", CFileExportDialog::RenameForType("", ".csv"));
    EXPECT_STREQ("C:\\v1.2\\out.xml", CFileExportDialog::RenameForType("C:\\v1.2\\out.htm", ".xml"));
}

TEST(FileExportDialog, PickingATypeRenamesTheFileInTheDialog)
{
    CFileExportDialog dialog("Export Rename Test", kTypes, "report.htm");
    std::string renamed;
    DialogUser user;
    user.Then("Export Rename Test", [&](HWND window) {
        DialogUser::PickFileType(window, 1);
        renamed = ControlText(window, DialogUser::kFileNameBox);
        DialogUser::Press(window, IDCANCEL);
    });
    user.Start();
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_EQ(std::vector<std::string>{ "Export Rename Test" }, user.Join());
    EXPECT_EQ("report.xml", renamed);
    EXPECT_EQ(2, dialog.GetChosenType());
}
