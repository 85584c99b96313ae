// The listing of a scripts folder: folders first, each group by path.
#include "builder/FileInfoArray.h"
#include "tests/support/ScratchFolder.h"
#include <gtest/gtest.h>

namespace {
std::vector<std::string> Names(const CFileInfoArray& listing)
{
    std::vector<std::string> names;
    for (int index = 0; index < listing.GetSize(); ++index) {
        const std::string path = listing[index].GetFilePath().GetString();
        names.push_back(path.substr(path.rfind('\\') + 1));
    }
    return names;
}
}

TEST(FileInfoArrayTest, KeepsFoldersBeforeFilesEachByPath)
{
    ScratchFolder folder;
    folder.MakeFolder("Mivad");
    folder.MakeFolder("Files");
    folder.MakeFolder("Files\\Nested");
    folder.WriteFile("b.txt", "");
    folder.WriteFile("a.txt", "");
    folder.WriteFile("c.log", "");
    const int sort = CFileInfoArray::kFoldersFirst | CFileInfoArray::kPathAscending;

    CFileInfoArray listing;
    EXPECT_EQ(listing.AddDir(folder.Path().c_str(), "*.txt", false, sort, true, nullptr, nullptr), 4);
    EXPECT_EQ(Names(listing), (std::vector<std::string>{ "Files", "Mivad", "a.txt", "b.txt" }));
    EXPECT_EQ(listing.GetFolderCount(), 1);

    // A second pattern adds files only, among the files.
    EXPECT_EQ(listing.AddDir(folder.Path().c_str(), "*.log", false, sort, false, nullptr, nullptr), 1);
    EXPECT_EQ(Names(listing), (std::vector<std::string>{ "Files", "Mivad", "a.txt", "b.txt", "c.log" }));

    CFileInfoArray recursive;
    volatile LONG counter = 0;
    EXPECT_EQ(recursive.AddDir(folder.Path().c_str(), "*.txt", true, sort, true, nullptr, &counter), 5);
    EXPECT_EQ(counter, 5);
    EXPECT_EQ(Names(recursive).front(), "Files");
}
