#include "CSync.h"
#include "SyncFixture.h"
#include <gtest/gtest.h>

namespace {
class Recorder : public ISyncEvents {
public:
    void StatisCallback(int32_t d, int32_t f) override { statis.push_back({d, f}); }
    void TaskCallback(TTaskStruct& task) override { tasks.push_back(task.Src); }
    void SyncCallback(const std::wstring& p, const std::wstring& n, int32_t, int32_t) override {
        synced.push_back(n.empty() ? p : p + L"\\" + n);
    }
    std::vector<std::pair<int32_t, int32_t>> statis;
    std::vector<std::wstring> tasks, synced;
};

struct SyncRun {
    CSync sync;
    CTaskVector tasks;
    void Go(const TTaskStruct& t, bool reverse = false) {
        tasks.Add(t);
        sync.SyncTasks(tasks, reverse);
    }
};
} // namespace

TEST(CSync, FolderTaskAddsKeepsAndListsOrphans) {
    TempDir dir;
    std::wstring src = dir / L"src", dest = dir / L"dest";
    Put(src + L"\\a.txt", "new");
    Put(src + L"\\b.txt", "same");
    Put(dest + L"\\b.txt", "same");
    Put(src + L"\\sub\\x.txt", "x");
    Put(dest + L"\\sub\\x.txt", "x");
    Put(dest + L"\\c.txt", "orphan");
    Put(dest + L"\\gone\\y.txt", "orphan in orphan folder");
    SyncRun r;
    Recorder events;
    r.sync.SetEvents(&events);
    r.Go(MakeTask(src, dest));

    EXPECT_EQ(Dests(*r.sync.AddedVector()), Paths{dest + L"\\a.txt"});
    EXPECT_EQ(ReadFileBytes(dest + L"\\a.txt"), "new");
    EXPECT_EQ(r.sync.AddedFileNum(), 1);
    EXPECT_EQ(r.sync.SyncedFileNum(), 3);
    EXPECT_EQ(r.sync.SyncedDirNum(), 1);
    EXPECT_EQ(r.sync.SyncedVector()->Count() + r.sync.ConflictVector()->Count() +
                  r.sync.FailedVector()->Count(),
              0);
    // A held-back folder is listed before its contents; the shared sub-folder is not an orphan.
    EXPECT_EQ(Items(*r.sync.ToDeleteVector()),
              (Paths{dest + L"\\c.txt", dest + L"\\gone", dest + L"\\gone\\y.txt"}));
    EXPECT_TRUE(Exists(dest + L"\\c.txt"));
    EXPECT_EQ(events.tasks, (Paths{src, src})); // once per pass
    EXPECT_EQ(events.synced.size(), 4u);        // three files and one folder
}

TEST(CSync, CommitDeleteDeletesOrphansOnly) {
    TempDir dir;
    std::wstring src = dir / L"src", dest = dir / L"dest";
    Put(src + L"\\keep.txt", "k");
    Put(src + L"\\sub\\s.txt", "s");
    Put(dest + L"\\c.txt", "orphan");
    Put(dest + L"\\old\\deep\\z.txt", "orphan tree");
    SyncRun r;
    r.Go(MakeTask(src, dest, L"-add-cadd-del-cdel-nsub"));
    EXPECT_EQ(Items(*r.sync.DeletedVector()), (Paths{dest + L"\\c.txt", dest + L"\\old"}));
    EXPECT_FALSE(Exists(dest + L"\\c.txt"));
    EXPECT_FALSE(Exists(dest + L"\\old"));
    EXPECT_TRUE(Exists(dest + L"\\keep.txt"));
    EXPECT_TRUE(Exists(dest + L"\\sub\\s.txt"));
    EXPECT_EQ(Dests(*r.sync.AddedVector()),
              (Paths{dest + L"\\keep.txt", dest + L"\\sub", dest + L"\\sub\\s.txt"}));
    EXPECT_EQ(r.sync.AddedDirNum(), 1);
}

TEST(CSync, UpdateModesAndTheRollingBackup) {
    struct {
        const wchar_t* options;
        EnumUpdateMode mode;
        const char* destAfter;
        int synced, conflicts;
    } cases[] = {
        {L"-add-cadd-del-nsub-cupd", UPM_SRC, "new!", 1, 0},
        {L"-add-cadd-del-nsub-cupd", UPM_LASTEST, "new!", 1, 0},
        {L"-add-cadd-del-nsub-cupd", UPM_DEST, "old", 0, 0},
        {L"-add-cadd-del-nsub", UPM_SRC, "old", 0, 1},
    };
    for (const auto& c : cases) {
        TempDir dir;
        std::wstring src = dir / L"src", dest = dir / L"dest";
        Put(src + L"\\f.txt", "new!", 100);
        Put(dest + L"\\f.txt", "old");
        SyncRun r;
        r.Go(MakeTask(src, dest, c.options, c.mode));
        EXPECT_EQ(ReadFileBytes(dest + L"\\f.txt"), c.destAfter) << c.options << L" " << c.mode;
        EXPECT_EQ(r.sync.SyncedVector()->Count(), c.synced);
        EXPECT_EQ(r.sync.ConflictVector()->Count(), c.conflicts);
        EXPECT_EQ(ReadFileBytes(src + L"\\f.txt"), "new!");
        EXPECT_EQ(Exists(dest + L"\\f.txt._obk"), c.synced == 1);
        if (c.synced) {
            EXPECT_EQ(ReadFileBytes(dest + L"\\f.txt._obk"), "old");
        }
        EXPECT_EQ(r.sync.ToDeleteVector()->Count(), 0); // the backup is no orphan
    }
}

TEST(CSync, SecondUpdateReplacesTheRollingBackup) {
    TempDir dir;
    std::wstring src = dir / L"src", dest = dir / L"dest";
    Put(src + L"\\f.txt", "v2", 100);
    Put(dest + L"\\f.txt", "v1");
    SyncRun first;
    first.Go(MakeTask(src, dest, L"-add-cupd-nsub"));
    Put(src + L"\\f.txt", "v3", 200);
    SyncRun second;
    second.Go(MakeTask(src, dest, L"-add-cupd-nsub"));
    EXPECT_EQ(ReadFileBytes(dest + L"\\f.txt"), "v3");
    EXPECT_EQ(ReadFileBytes(dest + L"\\f.txt._obk"), "v2");
}

TEST(CSync, SingleFileTasks) {
    TempDir dir;
    Put(dir / L"a.txt", "a");
    CreateDirectoryW((dir / L"bk").c_str(), nullptr);
    CreateDirectoryW((dir / L"bk.2024").c_str(), nullptr);
    SyncRun r;
    r.tasks.Add(MakeTask(dir / L"a.txt", dir / L"bk"));         // into the folder
    r.tasks.Add(MakeTask(dir / L"a.txt", dir / L"new\\b.txt")); // under a new name, folders made
    r.tasks.Add(MakeTask(dir / L"a.txt", dir / L"bk.2024"));    // a dotted folder is taken as a file name
    r.sync.SyncTasks(r.tasks);
    EXPECT_EQ(ReadFileBytes(dir / L"bk\\a.txt"), "a");
    EXPECT_EQ(ReadFileBytes(dir / L"new\\b.txt"), "a");
    EXPECT_EQ(Dests(*r.sync.AddedVector()), (Paths{dir / L"bk\\a.txt", dir / L"new\\b.txt"}));
    // The copy onto the folder fails and is reported as such, not as added.
    ASSERT_EQ(Dests(*r.sync.FailedVector()), Paths{dir / L"bk.2024"});
    EXPECT_FALSE(r.sync.FailedErrorVector()->Item(0).empty());
    EXPECT_EQ(r.sync.SyncedFileNum(), 3);
    // The deletion pass of a file-into-folder task sees the folder's other entries.
    EXPECT_EQ(r.sync.ToDeleteVector()->Count(), 0);
}

TEST(CSync, WildcardTaskFlattensMatchingFiles) {
    TempDir dir;
    std::wstring docs = dir / L"docs", out = dir / L"out";
    Put(docs + L"\\x.txt", "x");
    Put(docs + L"\\sub\\y.txt", "y");
    Put(docs + L"\\z.TXT", "z");
    Put(docs + L"\\w.doc", "w");
    SyncRun r;
    r.Go(MakeTask(docs + L"\\*.txt", out));
    EXPECT_EQ(ReadFileBytes(out + L"\\x.txt"), "x");
    EXPECT_EQ(ReadFileBytes(out + L"\\y.txt"), "y");
    EXPECT_FALSE(Exists(out + L"\\sub"));
    EXPECT_FALSE(Exists(out + L"\\z.TXT"));
    EXPECT_FALSE(Exists(out + L"\\w.doc"));
    EXPECT_EQ(r.sync.SyncedFileNum(), 4); // the walk counts every file
    EXPECT_EQ(r.sync.AddedDirNum(), 0);

    SyncRun keep; // without wnos the sub-folders are mirrored
    keep.Go(MakeTask(docs + L"\\*.txt", dir / L"tree", L"-add-cadd-nsub"));
    EXPECT_EQ(ReadFileBytes(dir / L"tree\\sub\\y.txt"), "y");
}

TEST(CSync, ExclusionsAreListedAndNotCopied) {
    TempDir dir;
    std::wstring src = dir / L"src", dest = dir / L"dest";
    Put(src + L"\\a.tmp", "t");
    Put(src + L"\\b.TMP", "T");
    Put(src + L"\\c_obk1.txt", "backup");
    Put(src + L"\\cache\\d.txt", "d");
    Put(src + L"\\e.txt", "e");
    Put(dest + L"\\old.tmp", "excluded orphan");
    SyncRun r;
    r.sync.SetExcludePath(L"*\\cache\\*");
    r.Go(MakeTask(src, dest, TTaskStruct().Options, UPM_SRC, L"*.tmp;;"));
    Paths excluded = Dests(*r.sync.ExcludedVector());
    std::sort(excluded.begin(), excluded.end());
    EXPECT_EQ(excluded, (Paths{dest + L"\\a.tmp", dest + L"\\c_obk1.txt", dest + L"\\cache\\d.txt"}));
    EXPECT_TRUE(Exists(dest + L"\\b.TMP"));
    EXPECT_TRUE(Exists(dest + L"\\e.txt"));
    EXPECT_FALSE(Exists(dest + L"\\a.tmp"));
    EXPECT_TRUE(Exists(dest + L"\\cache")); // folders are not tested against the patterns
    EXPECT_EQ(r.sync.ToDeleteVector()->Count(), 0);
}

TEST(CSync, ReverseRunsFromDestToSrc) {
    TempDir dir;
    Put(dir / L"b\\only-in-b.txt", "b");
    SyncRun r;
    Recorder events;
    r.sync.SetEvents(&events);
    r.Go(MakeTask(dir / L"a", dir / L"b"), true);
    EXPECT_EQ(ReadFileBytes(dir / L"a\\only-in-b.txt"), "b");
    EXPECT_EQ(events.tasks.front(), dir / L"a"); // the task is reported as it is
}

TEST(CSync, MissingSourceGetsNoDeletionPass) {
    TempDir dir;
    Put(dir / L"dest\\precious.txt", "p");
    Put(dir / L"dest\\sub\\more.txt", "m");
    SyncRun r;
    r.Go(MakeTask(dir / L"mistyped", dir / L"dest", L"-add-cadd-del-cdel-nsub"));
    EXPECT_TRUE(Exists(dir / L"dest\\precious.txt"));
    EXPECT_TRUE(Exists(dir / L"dest\\sub\\more.txt"));
    EXPECT_EQ(r.sync.DeletedVector()->Count() + r.sync.ToDeleteVector()->Count(), 0);

    SyncRun reverse; // a reverse run toward a missing folder must not empty the other side either
    reverse.Go(MakeTask(dir / L"dest", dir / L"missing-src", L"-add-del-cdel-nsub"), true);
    EXPECT_TRUE(Exists(dir / L"dest\\precious.txt"));
}

TEST(CSync, FailuresAreReportedAndTheWalkGoesOn) {
    TempDir dir;
    std::wstring src = dir / L"src", dest = dir / L"dest";
    Put(src + L"\\blocked.txt", "b");
    CreateDirectoryW(dest.c_str(), nullptr);
    CreateDirectoryW((dest + L"\\blocked.txt").c_str(), nullptr); // a folder where the copy must go
    Put(src + L"\\fine.txt", "f");
    Put(dest + L"\\locked.txt", "orphan in use");
    HANDLE lock =
        CreateFileW((dest + L"\\locked.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SyncRun r;
    r.Go(MakeTask(src, dest, L"-add-cadd-del-cdel-nsub"));
    CloseHandle(lock);
    EXPECT_EQ(ReadFileBytes(dest + L"\\fine.txt"), "f");
    EXPECT_EQ(Dests(*r.sync.AddedVector()), Paths{dest + L"\\fine.txt"});
    Paths failed = Dests(*r.sync.FailedVector());
    std::sort(failed.begin(), failed.end());
    EXPECT_EQ(failed, (Paths{dest + L"\\blocked.txt", dest + L"\\locked.txt"}));
    EXPECT_EQ(r.sync.FailedErrorVector()->Count(), 2);
    EXPECT_EQ(r.sync.DeletedVector()->Count(), 0);
    EXPECT_TRUE(Exists(dest + L"\\locked.txt"));
}

TEST(CSync, FailedUpdateKeepsTheOldDestination) {
    TempDir dir;
    std::wstring src = dir / L"src", dest = dir / L"dest";
    Put(src + L"\\f.txt", "new", 100);
    Put(dest + L"\\f.txt", "old");
    HANDLE lock =
        CreateFileW((src + L"\\f.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SyncRun r;
    r.Go(MakeTask(src, dest, L"-add-cadd-del-cdel-nsub-cupd"));
    CloseHandle(lock);
    EXPECT_EQ(ReadFileBytes(dest + L"\\f.txt"), "old");
    EXPECT_EQ(Dests(*r.sync.FailedVector()), Paths{dest + L"\\f.txt"});
    EXPECT_EQ(r.sync.SyncedVector()->Count(), 0);
    EXPECT_EQ(r.sync.DeletedVector()->Count(), 0); // a failed update is no orphan
}

TEST(CSync, ErrorOfASingleFileTaskEndsTheRun) {
    TempDir dir;
    Put(dir / L"src\\f.txt", "new", 100);
    Put(dir / L"dest\\f.txt", "old");
    Put(dir / L"dest\\f.txt._obk", "older");
    SetFileAttributesW((dir / L"dest\\f.txt._obk").c_str(), FILE_ATTRIBUTE_READONLY);
    Put(dir / L"later\\g.txt", "g");
    SyncRun r;
    r.tasks.Add(MakeTask(dir / L"src\\f.txt", dir / L"dest\\f.txt", L"-add-cupd"));
    r.tasks.Add(MakeTask(dir / L"later", dir / L"later-dest"));
    EXPECT_THROW(r.sync.SyncTasks(r.tasks), CError);
    SetFileAttributesW((dir / L"dest\\f.txt._obk").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadFileBytes(dir / L"dest\\f.txt"), "old");
    EXPECT_FALSE(Exists(dir / L"later-dest"));
    EXPECT_EQ(r.sync.FailedVector()->Count(), 1);
}

TEST(CSync, ArchiveTaskWithoutArchiverEndsTheRun) {
    TempDir dir;
    Put(dir / L"project\\a.txt", "a");
    SyncRun r;
    r.sync.SetRarPath(dir / L"no-rar.exe");
    r.tasks.Add(MakeTask(dir / L"project", dir / L"bk\\project.rar"));
    try {
        r.sync.SyncTasks(r.tasks);
        ADD_FAILURE() << "no error";
    } catch (const CError& e) {
        EXPECT_EQ(e.Number, 2946001);
    }
}

TEST(CSync, LinksAreNotFollowed) {
    TempDir dir;
    Put(dir / L"outside\\keep.txt", "precious");
    Put(dir / L"src\\a.txt", "a");
    Put(dir / L"dest\\orphan\\o.txt", "o");
    ASSERT_TRUE(MakeFolderLink(dir / L"dest\\orphan\\link", dir / L"outside"));
    ASSERT_TRUE(MakeFolderLink(dir / L"src\\loop", dir / L"src")); // a walk into it would never end
    SyncRun r;
    r.Go(MakeTask(dir / L"src", dir / L"dest", L"-add-cadd-del-cdel-nsub"));
    EXPECT_EQ(ReadFileBytes(dir / L"outside\\keep.txt"), "precious");
    EXPECT_EQ(ReadFileBytes(dir / L"dest\\a.txt"), "a");
    EXPECT_EQ(r.sync.SyncedFileNum(), 1);
}

TEST(CSync, NamesOutsideTheCodePageAndLongPaths) {
    TempDir dir;
    std::wstring deep = L"\\" + std::wstring(120, L'd') + L"\\" + std::wstring(120, L'e');
    std::wstring names[] = {L"\\한글_😀.txt", L"\\中文.txt", deep + L"\\long.txt"};
    for (const auto& n : names)
        Put(L"\\\\?\\" + (dir / L"src") + n, "data");
    SyncRun r;
    r.Go(MakeTask(dir / L"src", dir / L"dest", L"-add-cadd-del-cdel-nsub"));
    for (const auto& n : names)
        EXPECT_EQ(ReadFileBytes(dir / L"dest" + n), "data") << n;
    EXPECT_GT((dir / L"dest" + names[2]).size(), 260u);
    EXPECT_EQ(r.sync.FailedVector()->Count(), 0);
    EXPECT_EQ(r.sync.AddedVector()->Count(), 5); // three files, two folders

    SyncRun again; // and a second run finds them all unchanged
    again.Go(MakeTask(dir / L"src", dir / L"dest", L"-add-cadd-del-cdel-nsub"));
    EXPECT_EQ(again.sync.AddedVector()->Count() + again.sync.DeletedVector()->Count(), 0);
}

TEST(CSync, LaterTasksSeeWhatEarlierTasksWrote) {
    // The run lists each folder once (the counting pass already listed B as a source); what the
    // first task writes into B must still reach C through the second task.
    TempDir dir;
    Put(dir / L"A\\new.txt", "n");
    Put(dir / L"A\\sub\\deep.txt", "d");
    Put(dir / L"B\\old.txt", "o");
    SyncRun r;
    r.tasks.Add(MakeTask(dir / L"A", dir / L"B"));
    r.tasks.Add(MakeTask(dir / L"B", dir / L"C", L"-add-cadd-del-cdel-nsub"));
    int32_t d = 0, f = 0;
    r.sync.StatisTask(r.tasks, d, f);
    r.sync.SyncTasks(r.tasks);
    EXPECT_EQ(ReadFileBytes(dir / L"C\\new.txt"), "n");
    EXPECT_EQ(ReadFileBytes(dir / L"C\\sub\\deep.txt"), "d");
    EXPECT_EQ(ReadFileBytes(dir / L"C\\old.txt"), "o");
    EXPECT_EQ(Items(*r.sync.ToDeleteVector()), Paths{dir / L"B\\old.txt"}); // the first task's orphan
    EXPECT_EQ(r.sync.DeletedVector()->Count(), 0);
}

TEST(CSync, FlattenedNameCollisionsAreCompared) {
    TempDir dir;
    Put(dir / L"docs\\x.txt", "first", 0);
    Put(dir / L"docs\\sub\\x.txt", "second!", 100);
    SyncRun r;
    r.Go(MakeTask(dir / L"docs\\*.txt", dir / L"out"));
    EXPECT_EQ(ReadFileBytes(dir / L"out\\x.txt"), "first");
    EXPECT_EQ(Dests(*r.sync.AddedVector()), Paths{dir / L"out\\x.txt"});
    EXPECT_EQ(Dests(*r.sync.ConflictVector()), Paths{dir / L"out\\x.txt"}); // the second meets the first copy
    EXPECT_EQ(r.sync.FailedVector()->Count(), 0);
}
