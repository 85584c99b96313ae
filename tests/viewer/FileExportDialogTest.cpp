#include "FileExportDialog.h"
#include <gtest/gtest.h>
#include <atomic>
#include <string>
#include <thread>

namespace {
const char kTypes[] = "HTML Files(*.htm)|XML Files(*.xml)|Comma Separated(*.csv)";

std::string FilterPairs(const char* filter)
{
    std::string pairs;
    for (const char* part = filter; *part; part += strlen(part) + 1)
        pairs += std::string(part) + "|";
    return pairs;
}

HWND FindDialog(const char* title)
{
    for (int attempt = 0; attempt < 500; ++attempt) {
        HWND dialog = FindWindowA("#32770", title);
        if (dialog && IsWindowVisible(dialog))
            return dialog;
        Sleep(20);
    }
    return nullptr;
}

std::string ItemText(HWND dialog, int id)
{
    char text[256] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
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
    std::atomic<bool> found{ false };
    std::thread user([&] {
        HWND window = FindDialog("Export Rename Test");
        if (!window)
            return;
        found = true;
        HWND types = GetDlgItem(window, 1136);
        // What the dialog hears when the user picks the second type from the list.
        SendMessageA(types, CB_SETCURSEL, 1, 0);
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(1136, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
        renamed = ItemText(window, 1148);
        PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    user.join();
    ASSERT_TRUE(found);
    EXPECT_EQ("report.xml", renamed);
    EXPECT_EQ(2, dialog.GetChosenType());
}
