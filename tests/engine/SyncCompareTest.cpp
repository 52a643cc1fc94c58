#include "CClock.h"
#include "CSync.h"
#include "SyncFixture.h"
#include "VbDate.h"
#include <gtest/gtest.h>
#include <regex>

TEST(CSync, IsConflictFlags) {
    struct {
        std::string src, dest;
        int destSecondsLater;
        bool binary;
        int32_t flags;
    } cases[] = {
        {"0123456789", "0123456789", 2, false, CFR_SAME | CFR_EQAUL_SIZE | CFR_EQUAL_DATE},
        {"0123456789", "0123456789", -2, false, CFR_SAME | CFR_EQAUL_SIZE | CFR_EQUAL_DATE},
        {"0123456789", "0123456789", 3, false, CFR_DIFF | CFR_EQAUL_SIZE | CFR_LASTEST_DEST_DATE},
        {"0123456789", "0123456789", -3, false, CFR_DIFF | CFR_EQAUL_SIZE | CFR_LASTEST_SRC_DATE},
        {"0123456789", std::string(20, 'x'), 0, false, CFR_DIFF | CFR_SMALL_SRC_SIZE | CFR_EQUAL_DATE},
        {std::string(20, 'x'), "0123456789", 0, false, CFR_DIFF | CFR_SMALL_DEST_SIZE | CFR_EQUAL_DATE},
        {std::string(1024, 'a'), std::string(1023, 'a') + "b", 0, true,
         CFR_DIFF | CFR_EQAUL_SIZE | CFR_EQUAL_DATE},
        {std::string(1024, 'a'), std::string(1023, 'a') + "b", 0, false,
         CFR_SAME | CFR_EQAUL_SIZE | CFR_EQUAL_DATE},
        // Files of 2 MiB and more are judged by size and time alone.
        {std::string(2097152, 'a'), std::string(2097151, 'a') + "b", 0, true,
         CFR_SAME | CFR_EQAUL_SIZE | CFR_EQUAL_DATE},
        {std::string(2097151, 'a'), std::string(2097150, 'a') + "b", 0, true,
         CFR_DIFF | CFR_EQAUL_SIZE | CFR_EQUAL_DATE},
    };
    TempDir dir;
    CSync sync;
    for (const auto& c : cases) {
        Put(dir / L"s", c.src);
        Put(dir / L"d", c.dest, c.destSecondsLater);
        EXPECT_EQ(sync.IsConflict(dir / L"s", dir / L"d", c.binary), c.flags)
            << c.src.size() << " " << c.destSecondsLater;
    }
    // A missing file reads as empty and ancient.
    EXPECT_EQ(sync.IsConflict(dir / L"s", dir / L"none", false),
              CFR_DIFF | CFR_SMALL_DEST_SIZE | CFR_LASTEST_SRC_DATE);
}

TEST(CSync, IsExcludeUsesTaskAndGlobalLists) {
    CSync sync;
    EXPECT_FALSE(sync.IsExclude(L"C:\\a\\b.TMP"));
    sync.SetExcludePath(L";*.TMP");
    EXPECT_EQ(sync.ExcludePath(), L";*.TMP");
    EXPECT_TRUE(sync.IsExclude(L"C:\\a\\b.TMP"));
    EXPECT_FALSE(sync.IsExclude(L"C:\\a\\b.tmp"));
    sync.SetExcludePath(L";");
    EXPECT_FALSE(sync.IsExclude(L"C:\\a\\b.TMP"));
}

TEST(CSync, StatisTaskCountsTheWork) {
    TempDir dir;
    for (const wchar_t* n : {L"a.txt", L"b.txt", L"c.doc", L"d.doc", L"sub\\e.doc"})
        Put(dir / L"docs\\" + std::wstring(n), "x");
    Put(dir / L"one.txt", "1");
    CTaskVector tasks;
    tasks.Add(MakeTask(dir / L"docs\\*.txt", dir / L"out"));      // every file of the folder counts
    tasks.Add(MakeTask(dir / L"one.txt", dir / L"out"));          // one file
    tasks.Add(MakeTask(dir / L"docs", dir / L"out2"));            // a folder walk: 5 files, 1 folder
    tasks.Add(MakeTask(dir / L"docs", dir / L"bk\\docs.rar"));    // packing counts one file
    tasks.Add(MakeTask(dir / L"bk\\docs.rar", dir / L"restore")); // unpacking counts one folder
    TTaskStruct off = MakeTask(dir / L"docs", dir / L"x");
    off.Enabled = false;
    tasks.Add(off);
    CSync sync;
    struct : ISyncEvents {
        void StatisCallback(int32_t d, int32_t f) override { seen.push_back({d, f}); }
        std::vector<std::pair<int32_t, int32_t>> seen;
    } events;
    sync.SetEvents(&events);
    int32_t d = 0, f = 0;
    sync.StatisTask(tasks, d, f);
    EXPECT_EQ(f, 5 + 1 + 5 + 1);
    EXPECT_EQ(d, 1 + 1 + 0 + 0 + 1);
    EXPECT_EQ(sync.TotalFileNum(), f);
    EXPECT_EQ(sync.TotalDirNum(), d);
    EXPECT_EQ(events.seen.size(), 5u);
    EXPECT_EQ(events.seen[0], (std::pair<int32_t, int32_t>{1, 5}));

    CSync quiet;
    quiet.SetEvents(&events);
    d = f = 0;
    quiet.StatisTask(tasks, d, f, false, false);
    EXPECT_EQ(events.seen.size(), 5u);
}

class Backups : public ::testing::Test {
protected:
    void SetUp() override {
        CClock::SetFixed(DateSerial({2024, 1, 31, 15, 4, 5}));
        Put(dir / L"s\\a.txt", "new");
        Put(dir / L"d\\a.txt", "old");
    }
    void TearDown() override { CClock::ClearFixed(); }
    TempDir dir;
    CSync sync;
};

TEST_F(Backups, DatedBackupKeepsTheOldFile) {
    EXPECT_TRUE(sync.Backup(dir / L"s\\a.txt", dir / L"d\\a.txt"));
    EXPECT_EQ(ReadFileBytes(dir / L"d\\a_obk20240131.txt"), "old");
    EXPECT_EQ(ReadFileBytes(dir / L"d\\a.txt"), "new");
    Put(dir / L"s\\a.txt", "newer");
    EXPECT_FALSE(sync.Backup(dir / L"s\\a.txt", dir / L"d\\a.txt")); // that name is taken
    EXPECT_EQ(ReadFileBytes(dir / L"d\\a.txt"), "new");
    EXPECT_TRUE(sync.Backup(dir / L"s\\a.txt", dir / L"d\\a.txt", false, 0, true));
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((dir / L"d\\a_obk20240131_*.txt").c_str(), &fd);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    FindClose(h);
    EXPECT_TRUE(std::regex_match(std::wstring(fd.cFileName), std::wregex(L"a_obk20240131_[0-9]{1,2}\\.txt")));
    EXPECT_EQ(ReadFileBytes(dir / L"d\\" + std::wstring(fd.cFileName)), "new");
    EXPECT_EQ(ReadFileBytes(dir / L"d\\a.txt"), "newer");
}

TEST_F(Backups, NamesWithTimeAndDoubleExtension) {
    EXPECT_TRUE(sync.Backup(dir / L"s\\a.txt", dir / L"d\\a.txt", true));
    EXPECT_EQ(ReadFileBytes(dir / L"d\\a_obk20240131_150405.txt"), "old");
    Put(dir / L"d\\a.tar.gz", "gz");
    EXPECT_TRUE(sync.Backup(dir / L"s\\a.txt", dir / L"d\\a.tar.gz"));
    EXPECT_EQ(ReadFileBytes(dir / L"d\\a.tar_obk20240131.gz"), "gz");
    Put(dir / L"d\\readme", "r");
    EXPECT_TRUE(sync.Backup(dir / L"s\\a.txt", dir / L"d\\readme"));
    EXPECT_EQ(ReadFileBytes(dir / L"d\\readme_obk20240131"), "r");
}

TEST_F(Backups, DirBackupFilesTheSourceAway) {
    EXPECT_TRUE(sync.DirBackup(dir / L"s\\a.txt", dir / L"d\\a.txt"));
    EXPECT_EQ(ReadFileBytes(dir / L"d\\_obk20240131\\a.txt"), "new");
    EXPECT_EQ(ReadFileBytes(dir / L"d\\a.txt"), "old");
    EXPECT_FALSE(sync.DirBackup(dir / L"s\\a.txt", dir / L"d\\a.txt"));
    EXPECT_FALSE(sync.DirBackup(dir / L"s\\none.txt", dir / L"d\\a.txt"));
}

TEST_F(Backups, FailuresChangeNothing) {
    EXPECT_FALSE(sync.Backup(dir / L"s\\none.txt", dir / L"d\\a.txt"));
    EXPECT_EQ(ReadFileBytes(dir / L"d\\a.txt"), "old");
    HANDLE lock =
        CreateFileW((dir / L"s\\a.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(sync.Backup(dir / L"s\\a.txt", dir / L"d\\a.txt")); // the source cannot be read
    CloseHandle(lock);
    EXPECT_EQ(ReadFileBytes(dir / L"d\\a.txt"), "old");
    EXPECT_FALSE(Exists(dir / L"d\\a_obk20240131.txt"));
}

TEST(CSync, SingleItemOperations) {
    TempDir dir;
    CSync sync;
    Put(dir / L"s.txt", "s");
    Put(dir / L"d.txt", "d");
    EXPECT_EQ(sync.CopyAndCreateFolder(dir / L"s.txt", dir / L"d.txt"), 0); // exists: not replaced
    EXPECT_EQ(ReadFileBytes(dir / L"d.txt"), "d");
    EXPECT_EQ(sync.Overwrite(dir / L"s.txt", dir / L"d.txt"), 1);
    EXPECT_EQ(ReadFileBytes(dir / L"d.txt"), "s");
    EXPECT_EQ(sync.CopyAndCreateFolder(dir / L"s.txt", dir / L"x\\y\\z.txt"), 1);
    EXPECT_EQ(ReadFileBytes(dir / L"x\\y\\z.txt"), "s");
    EXPECT_EQ(sync.DeletePath(dir / L"x"), 1);
    EXPECT_FALSE(Exists(dir / L"x"));
    EXPECT_EQ(sync.DeletePath(dir / L"d.txt"), 1);
    EXPECT_EQ(sync.DeletePath(dir / L"d.txt"), 0);
}
