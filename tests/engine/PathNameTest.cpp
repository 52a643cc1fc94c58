#include "FileSystem.h"
#include "PathName.h"
#include "SyncFixture.h"
#include "CError.h"
#include <functional>
#include <gtest/gtest.h>

TEST(PathName, TextRoutines) {
    struct {
        std::wstring got, want;
    } cases[] = {
        {GetBaseName(L"C:\\d\\a.tar.gz"), L"a.tar"},
        {GetBaseName(L"C:\\d\\readme"), L"readme"},
        {GetExtension(L"C:\\d\\a.tar.gz"), L"gz"},
        {GetExtension(L"C:\\my.dir\\readme"), L""},
        {GetFileName(L"C:\\d\\a.txt"), L"a.txt"},
        {GetFileName(L"C:\\d\\"), L""},
        {GetFileName(L"a.txt"), L"a.txt"},
        {GetFolderPart(L"C:\\a.txt", true), L"C:\\"},
        {GetFolderPart(L"E:\\x\\y.txt", true), L"E:\\x"},
        {GetFolderPart(L"E:\\x\\y.txt"), L"E:\\x\\"},
        {GetFolderPart(L"y.txt", true), L""},
        {GetDriveRoot(L"C:\\docs\\a.txt"), L"C:\\"},
        {TrimAtNull(std::wstring(L"ab\0cd", 5)), L"ab"},
        {TrimAtNull(L"abc"), L"abc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.got, c.want);
}

TEST(PathName, QuestionsToTheFileSystem) {
    TempDir dir;
    Put(dir / L"ro.txt", "x");
    SetFileAttributesW((dir / L"ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    CreateDirectoryW((dir / L"docs").c_str(), nullptr);

    EXPECT_EQ(GetPathAttributes(L"C:\\"), 64u);
    EXPECT_EQ(GetPathAttributes(dir / L"missing"), 0u);
    uint32_t ro = GetPathAttributes(dir / L"ro.txt");
    EXPECT_TRUE(ro & FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(IsFolderLike(ro));
    EXPECT_TRUE(IsFolderLike(GetPathAttributes(dir / L"docs")));
    EXPECT_EQ(GetPathAttributes(dir / L"*.txt"), ro); // a pattern answers for its first match

    EXPECT_TRUE(FolderExists(dir / L"docs"));
    EXPECT_FALSE(FolderExists(dir / L"docs\\")); // a trailing backslash is not found
    EXPECT_FALSE(FolderExists(dir / L"ro.txt"));
    EXPECT_TRUE(FileExists(dir / L"ro.txt"));
    EXPECT_FALSE(FileExists(dir / L"docs"));
    EXPECT_TRUE(PathExists(dir / L"docs"));
    EXPECT_FALSE(PathExists(dir / L"nothing"));
    SetFileAttributesW((dir / L"ro.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(PathName, CreateAndDeleteTrees) {
    TempDir dir;
    CreateFolderPath(dir / L"a\\b\\c");
    EXPECT_TRUE(FolderExists(dir / L"a\\b\\c"));
    CreateFolderPath(dir / L"a\\b\\c\\"); // all there: nothing harmful
    EXPECT_TRUE(FolderExists(dir / L"a\\b\\c"));

    Put(dir / L"a\\ro.txt", "r");
    SetFileAttributesW((dir / L"a\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    Put(dir / L"a\\b\\hidden.txt", "h");
    SetFileAttributesW((dir / L"a\\b\\hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    Put(dir / L"a\\.cache\\x", "c");
    EXPECT_EQ(DeleteFolderTreeResult(dir / L"a"), 0u);
    EXPECT_FALSE(Exists(dir / L"a"));
}

TEST(PathName, DeleteFolderTreeRemovesLinksNotWhatTheyPointAt) {
    TempDir dir;
    Put(dir / L"outside\\keep.txt", "precious");
    Put(dir / L"tree\\own.txt", "mine");
    ASSERT_TRUE(MakeFolderLink(dir / L"tree\\link", dir / L"outside"));
    DeleteFolderTree(dir / L"tree");
    EXPECT_FALSE(Exists(dir / L"tree\\own.txt"));
    EXPECT_EQ(ReadFileBytes(dir / L"outside\\keep.txt"), "precious");
}

TEST(PathName, FileOperationsRaiseFileErrors) {
    TempDir dir;
    Put(dir / L"a.txt", "new");
    Put(dir / L"b.txt", "old");
    Put(dir / L"k1.tmp", "");
    Put(dir / L"k2.tmp", "");
    CopyFileOver(dir / L"a.txt", dir / L"b.txt");
    EXPECT_EQ(ReadFileBytes(dir / L"b.txt"), "new");
    RenameFile(dir / L"b.txt", dir / L"c.txt");
    EXPECT_TRUE(FileExists(dir / L"c.txt"));
    KillFiles(dir / L"*.tmp");
    EXPECT_FALSE(FileExists(dir / L"k1.tmp"));
    EXPECT_FALSE(FileExists(dir / L"k2.tmp"));

    struct {
        std::function<void()> op;
        long number;
    } failing[] = {
        {[&] { KillFiles(dir / L"missing.txt"); }, 53},
        {[&] { KillFiles(dir / L"*.none"); }, 53},
        {[&] { RenameFile(dir / L"missing.txt", dir / L"x.txt"); }, 53},
        {[&] { CopyFileOver(dir / L"missing.txt", dir / L"c.txt"); }, 53},
    };
    for (auto& f : failing) {
        try {
            f.op();
            ADD_FAILURE() << "no error raised";
        } catch (const CError& e) {
            EXPECT_EQ(e.Number, f.number);
            EXPECT_FALSE(e.Description.empty());
        }
    }
    EXPECT_EQ(ReadFileBytes(dir / L"c.txt"), "new");
}

TEST(PathName, ReplaceFileSafelyKeepsTheOldFileOnFailure) {
    TempDir dir;
    Put(dir / L"src.txt", "new contents");
    Put(dir / L"dest.txt", "old contents");
    {
        // A source that cannot be read: the copy fails before anything is replaced.
        HANDLE lock =
            CreateFileW((dir / L"src.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_NE(ReplaceFileSafely(dir / L"src.txt", dir / L"dest.txt", dir / L"kept.txt"), 0u);
        CloseHandle(lock);
    }
    EXPECT_EQ(ReadFileBytes(dir / L"dest.txt"), "old contents");
    EXPECT_FALSE(Exists(dir / L"kept.txt"));
    EXPECT_EQ(ReplaceFileSafely(dir / L"src.txt", dir / L"dest.txt", dir / L"kept.txt"), 0u);
    EXPECT_EQ(ReadFileBytes(dir / L"dest.txt"), "new contents");
    EXPECT_EQ(ReadFileBytes(dir / L"kept.txt"), "old contents");
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileW((dir / L"~orvel*").c_str(), &fd);
    EXPECT_EQ(find, INVALID_HANDLE_VALUE) << "a temporary file was left behind";
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
}
