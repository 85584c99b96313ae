// The maker's libraries over the product's data and over real folders.
#include "productsim/testing/SimTestData.h"
#include "tests/support/ScratchFolder.h"
#include "kvcmndlg.h"
#include "libselvocmd.h"
#include "libselvogu.h"
#include "libselvoks.h"
#include "libselvont.h"
#include "libselvoolpex.h"
#include "libselvotbs.h"
#include "libselvoxdr.h"
#include "plmfcext.h"
#include "tests/support/MessageBoxWatcher.h"
#include "tests/support/TestFiles.h"
#include <gtest/gtest.h>
#include <string.h>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char kRegistry[] =
    "olpex \\pvob kinds=polpex,sumolpex mounted\n"
    "olpex /tools kinds=sumolpex\n"
    "olpex scratch kinds=polpex private mounted access=\"owner=ann private\"\n"
    "olpex \\odd kinds=polpex fail=kinds\n"
    "olpex \\bad kinds=polpex fail=find\n"
    "registry batch=2\n";

struct RegistryLine {
    std::string tag;
    std::string access;
    std::string kinds;
    int status;
};

// Reads the whole registry the way the environment library does; stops at
// the first failed status.
std::vector<RegistryLine> ReadRegistry(int& status, int& batches)
{
    std::vector<RegistryLine> lines;
    void* region = nullptr;
    batches = 0;
    status = rgy_get_default_region(&region);
    if (status != 0)
        return lines;
    void* cursor = nullptr;
    std::vector<void*> entries(4096);
    int count = 0;
    status = rgy_get_entry(RGY_CLASS_TAG, 0, region, &cursor, 4096, entries.data(), &count);
    while (status == 0 && cursor != nullptr) {
        ++batches;
        for (int i = 0; i < count; ++i) {
            RegistryLine line;
            char tag[1024], access[256], kinds[2048] = "";
            unsigned char uuid[16];
            if ((status = rgy_getstring_from_entry(entries[i], RGY_ATTR_TAG, sizeof tag, tag)) != 0 ||
                (status = rgy_getstring_from_entry(entries[i], RGY_ATTR_ACCESS, sizeof access, access)) != 0 ||
                (status = rgy_getuuid_from_entry(entries[i], 16, uuid)) != 0)
                return lines;
            void* objectCursor = nullptr;
            std::vector<void*> objects(4096);
            int objectCount = 0;
            status = rgy_findbyuuid_entry(RGY_CLASS_OBJECT, 0, 0, 16, uuid, &objectCursor, 4096, objects.data(), &objectCount);
            if (status != 0)
                return lines;
            line.status = rgy_getstring_from_entry(objects[0], RGY_ATTR_KINDS, sizeof kinds, kinds);
            EXPECT_EQ(0, rgy_delete_entry(&entries[i]));
            EXPECT_EQ(0, rgy_delete_entry(&objects[0]));
            if (objectCursor != nullptr) {
                EXPECT_EQ(0, rgy_close_cursor(&objectCursor));
            }
            lines.push_back({tag, access, kinds, line.status});
        }
        status = rgy_get_entry(RGY_CLASS_TAG, 0, region, &cursor, 4096, entries.data(), &count);
    }
    return lines;
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary);
    file << text;
}

}

TEST(RegistryTest, ListsEveryTagInBatchesWithItsKindsAndAccess)
{
    CSimTestData::Use(kRegistry);
    int status = -1;
    int batches = 0;
    std::vector<RegistryLine> lines = ReadRegistry(status, batches);
    ASSERT_EQ(4u, lines.size());
    EXPECT_EQ(3, batches);
    EXPECT_EQ("\\pvob", lines[0].tag);
    EXPECT_EQ("public", lines[0].access);
    EXPECT_EQ("polpex,sumolpex", lines[0].kinds);
    EXPECT_EQ("/tools", lines[1].tag);
    EXPECT_EQ("scratch", lines[2].tag);
    EXPECT_EQ("owner=ann private", lines[2].access);
    EXPECT_EQ("", lines[3].kinds);
    EXPECT_NE(0, lines[3].status);
    EXPECT_STREQ("No registry object carries this identifier", tbs_strerror(status));
}

TEST(RegistryTest, EmptyRegionEndsAtOnceAndMarkedStepsFail)
{
    CSimTestData::Use("registry\n");
    int status = -1;
    int batches = 0;
    EXPECT_TRUE(ReadRegistry(status, batches).empty());
    EXPECT_EQ(0, status);
    EXPECT_EQ(0, batches);

    CSimTestData::Use("olpex \\a\nregistry fail=region\n");
    ReadRegistry(status, batches);
    EXPECT_STREQ("The registry region cannot be reached", tbs_strerror(status));

    CSimTestData::Use("olpex \\a\nolpex \\b\nregistry batch=1 fail=more\n");
    std::vector<RegistryLine> lines = ReadRegistry(status, batches);
    EXPECT_EQ(1u, lines.size());
    EXPECT_STREQ("The registry entries cannot be read", tbs_strerror(status));

    CSimTestData::Use("olpex \\a fail=tag\n");
    ReadRegistry(status, batches);
    EXPECT_STREQ("The registry entry has no such attribute", tbs_strerror(status));

    void* unknown = &status;
    EXPECT_STREQ("Invalid registry handle", tbs_strerror(rgy_delete_entry(&unknown)));
    EXPECT_STREQ("Unknown status 999", tbs_strerror(999));
}

TEST(RegistryTest, TextsThatDoNotFitAreRefused)
{
    CSimTestData::Use("olpex \\a_rather_long_tag\n");
    void* region = nullptr;
    ASSERT_EQ(0, rgy_get_default_region(&region));
    void* cursor = nullptr;
    void* entries[4];
    int count = 0;
    ASSERT_EQ(0, rgy_get_entry(RGY_CLASS_TAG, 0, region, &cursor, 4, entries, &count));
    ASSERT_EQ(1, count);
    char small[8] = "xxxxxxx";
    EXPECT_STREQ("The text does not fit the buffer", tbs_strerror(rgy_getstring_from_entry(entries[0], RGY_ATTR_TAG, sizeof small, small)));
    EXPECT_STREQ("", small);
    rgy_delete_entry(&entries[0]);
    rgy_close_cursor(&cursor);
}

TEST(OlpexTest, MountedRepositoriesByAnyFormOfTheirTag)
{
    CSimTestData::Use(kRegistry);
    EXPECT_NE(0, olpex_utl_is_mounted_olpex_pname("\\pvob"));
    EXPECT_NE(0, olpex_utl_is_mounted_olpex_pname("/pvob"));
    EXPECT_NE(0, olpex_utl_is_mounted_olpex_pname("scratch"));
    EXPECT_EQ(0, olpex_utl_is_mounted_olpex_pname("/tools"));
    EXPECT_EQ(0, olpex_utl_is_mounted_olpex_pname("\\nowhere"));
}

TEST(KernelTest, ReplacesEveryOccurrenceWithinTheBuffer)
{
    char kinds[2048] = "polpex,sumolpex";
    EXPECT_EQ(1, strutl_find_replace_substr(kinds, sizeof kinds, "polpex,sumolpex", "(mivadolpex)"));
    EXPECT_EQ(0, strutl_find_replace_substr(kinds, sizeof kinds, "sumolpex", "(mivadolpex)"));
    EXPECT_STREQ("(mivadolpex)", kinds);

    char twice[64] = "sumolpex and sumolpex";
    EXPECT_EQ(2, strutl_find_replace_substr(twice, sizeof twice, "sumolpex", "(mivadolpex)"));
    EXPECT_STREQ("(mivadolpex) and (mivadolpex)", twice);

    char tight[10] = "ab ab";
    EXPECT_EQ(2, strutl_find_replace_substr(tight, sizeof tight, "ab", "abcd"));
    EXPECT_STREQ("abcd abcd", tight);
    char cut[8] = "ab ab";
    EXPECT_EQ(2, strutl_find_replace_substr(cut, sizeof cut, "ab", "abcd"));
    EXPECT_STREQ("abcd ab", cut);
}

TEST(KernelTest, StorageAreasAndMessages)
{
    CSimTestData::Use("");
    stg_area_t area = stg_create_area(500000);
    EXPECT_NE(STG_HEAP_AREA, area);
    char* block = static_cast<char*>(stg_alloc(area, 4096));
    ASSERT_NE(nullptr, block);
    EXPECT_EQ(0, block[4095]);
    stg_free(block);
    ASSERT_NE(nullptr, stg_alloc(area, 10));
    stg_free_area(area, 0);
    EXPECT_EQ(nullptr, stg_alloc(area, 10));
    void* heapBlock = stg_alloc(STG_HEAP_AREA, 4096);
    EXPECT_NE(nullptr, heapBlock);
    stg_free(heapBlock);

    CSimTestData::Use("product heaparea=1\n");
    EXPECT_EQ(STG_HEAP_AREA, stg_create_area(500000));

    EXPECT_EQ(0, ks_system_init());
    imsg_set_app_name("reports");
    char line[256];
    int length = imsg_sprintf(line, "%-*s %s (%s)\n", -1, 33, "Maldrin", "8.0.0.17", "Mon Nov 9 21:11:31 2015");
    EXPECT_STREQ("Maldrin                           8.0.0.17 (Mon Nov 9 21:11:31 2015)\n", line);
    EXPECT_EQ(static_cast<int>(strlen(line)), length);
    imsg_sprintf(line, "%s\n", 2, "no such view");
    EXPECT_STREQ("reports: no such view\n", line);
}

TEST(ListingTest, ListsTheEntriesOfARealFolder)
{
    ScratchFolder scratch("ls");
    const std::string folder = scratch.MakeFolder("listed");
    CreateDirectoryA((folder + "\\src").c_str(), nullptr);
    CreateDirectoryA((folder + "\\lost+found").c_str(), nullptr);
    WriteFile(folder + "\\main.c", "int main;\n");
    WriteFile(folder + "\\notes.txt", "private\n");
    SetFileAttributesA((folder + "\\notes.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);

    stg_area_t area = stg_create_area(500000);
    char* pathBuffer = static_cast<char*>(stg_alloc(STG_HEAP_AREA, 4096));
    strcpy(pathBuffer, (folder + "\\").c_str());
    cmd_word_t arguments[CMD_ARGS_WORDS] = {1, area, reinterpret_cast<cmd_word_t>(&pathBuffer), 1, 0, 0, 1, 1, 0, 1, 0, 0, 0};
    char message[1024] = "";
    int length = 0;
    struct cmd_ls_record* records = nullptr;
    int count = 0;
    ASSERT_EQ(0, cmd_ls_get_list(arguments, pathBuffer, message, &length, &records, &count));
    ASSERT_EQ(4, count);
    EXPECT_EQ(64 * sizeof(void*), sizeof(struct cmd_ls_record));
    typedef std::pair<cmd_word_t, cmd_word_t> KindAndType;
    std::map<std::string, KindAndType> seen;
    for (int i = 0; i < count; ++i)
        seen[records[i].name] = {records[i].kind, records[i].type};
    EXPECT_EQ(KindAndType(2, 2), seen["src"]);
    EXPECT_EQ(KindAndType(2, 2), seen["lost+found"]);
    EXPECT_EQ(KindAndType(2, 1), seen["main.c"]);
    EXPECT_EQ(KindAndType(1, 1), seen["notes.txt"]);
    EXPECT_EQ(folder + "\\", pathBuffer);

    EXPECT_STREQ("No such file or directory",
                 tbs_strerror(cmd_ls_get_list(arguments, (folder + "\\missing\\").c_str(), message, &length, &records, &count)));
    EXPECT_EQ(folder + "\\missing\\: not found", std::string(message));
    EXPECT_STREQ("Not a directory", tbs_strerror(cmd_ls_get_list(arguments, (folder + "\\main.c").c_str(), message, &length, &records, &count)));
    stg_free_area(area, 0);
    stg_free(pathBuffer);
}

TEST(WindowsServicesTest, FileStatusAndResourceLibraries)
{
    ScratchFolder scratch("stat");
    const std::string folder = scratch.MakeFolder("view");
    WriteFile(folder + "\\view.dat", "0123456789");
    struct _stati64 status;
    ASSERT_EQ(0, unix_nt_stati64(folder.c_str(), &status));
    EXPECT_EQ(0x4000, status.st_mode & 0x4000);
    ASSERT_EQ(0, unix_nt_stati64((folder + "\\view.dat").c_str(), &status));
    EXPECT_EQ(0, status.st_mode & 0x4000);
    EXPECT_EQ(10, status.st_size);
    EXPECT_EQ(-1, unix_nt_stati64((folder + "\\absent").c_str(), &status));

    HINSTANCE program = GetModuleHandleA(nullptr);
    EXPECT_EQ(nullptr, nt_load_resource_dll(program, 0));
    std::string resources = ProgramFolder() + "res";
    CreateDirectoryA(resources.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA((ProgramFolder() + "libselvotbs.dll").c_str(), (resources + "\\productsim_tests.dll").c_str(), FALSE));
    HINSTANCE loaded = nt_load_resource_dll(program, 0);
    EXPECT_NE(nullptr, loaded);
    FreeLibrary(loaded);
    DeleteFileA((resources + "\\productsim_tests.dll").c_str());
    RemoveDirectoryA(resources.c_str());
}

TEST(ProductTest, EditionAndComponentsFollowTheData)
{
    CSimTestData::Use("");
    EXPECT_EQ(0, tbs_product_is_elkv());
    EXPECT_NE(0, tbs_product_comp_test(0x6000));
    EXPECT_TRUE(plfx::ExtendedHelpIsSupported());
    CSimTestData::Use("product elkv=1 comptest=0 extendedhelp=0\n");
    EXPECT_NE(0, tbs_product_is_elkv());
    EXPECT_EQ(0, tbs_product_comp_test(0x6000));
    EXPECT_FALSE(plfx::ExtendedHelpIsSupported());
}

TEST(ProductTest, HelpAndAboutShowAndLogWhatWasAsked)
{
    ScratchFolder scratch("log");
    const std::string log = scratch / "ui.log";
    SetEnvironmentVariableA("KORVAST_SIM_LOG", log.c_str());
    MessageBoxWatcher watcher;
    gu_help(nullptr, "kv_reports/c_vwr_wndw_manplt.htm", 1, 0);
    gu_help(nullptr, nullptr, 11, 0);
    kvAboutBoxOp("Korvast Report Builder", nullptr, LoadIcon(nullptr, IDI_APPLICATION), 0);
    plfx::ExtendedHelpInvoke("Report Builder");
    std::vector<RecordedBox> boxes = watcher.WaitForBoxes(4);
    ASSERT_EQ(4u, boxes.size());
    EXPECT_EQ("Korvast Help", boxes[0].caption);
    EXPECT_EQ("Korvast help, topic: kv_reports/c_vwr_wndw_manplt.htm", boxes[0].text);
    EXPECT_EQ("Korvast help, topic: (contents)", boxes[1].text);
    EXPECT_EQ("About Korvast Report Builder", boxes[2].caption);
    EXPECT_EQ("Korvast extended help for Report Builder", boxes[3].text);
    EXPECT_EQ("gu_help kv_reports/c_vwr_wndw_manplt.htm 1\r\ngu_help (contents) 11\r\n"
              "kvAboutBoxOp Korvast Report Builder icon\r\nExtendedHelpInvoke Report Builder\r\n",
              ReadWholeFile(log));
    SetEnvironmentVariableA("KORVAST_SIM_LOG", nullptr);
    DeleteFileA(log.c_str());
}
