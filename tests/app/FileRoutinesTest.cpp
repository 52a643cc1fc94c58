#include "CError.h"
#include "TestSupport.h"
#include "Unique.h"
#include "mFileSystem.h"
#include <gtest/gtest.h>

TEST(GetFolderPart, ApplicationFormKeepsTheBackslash) {
    EXPECT_EQ(GetFolderPart(L"C:\\d\\a.txt"), L"C:\\d\\");
    EXPECT_EQ(GetFolderPart(L"C:\\"), L"C:\\");
    EXPECT_EQ(GetFolderPart(L"a.txt"), L"");
}

TEST(RemovePath, FilesAndTrees) {
    TempDir dir;
    EXPECT_FALSE(RemovePath(dir / L"missing"));

    WriteFileBytes(dir / L"f.txt", "x");
    EXPECT_TRUE(RemovePath(dir / L"f.txt"));
    EXPECT_FALSE(PathExists(dir / L"f.txt"));

    WriteFileBytes(dir / L"tree\\ro.txt", "x");
    WriteFileBytes(dir / L"tree\\sub\\deeper\\g.txt", "y");
    SetFileAttributesW((dir / L"tree\\ro.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(RemovePath(dir / L"tree\\")); // a folder is named without its backslash
    EXPECT_TRUE(PathExists(dir / L"tree"));
    EXPECT_TRUE(RemovePath(dir / L"tree"));
    EXPECT_FALSE(PathExists(dir / L"tree"));

    // Only the named file is deleted, never what a wildcard would match.
    WriteFileBytes(dir / L"a1.txt", "1");
    WriteFileBytes(dir / L"a2.txt", "2");
    EXPECT_THROW(RemovePath(dir / L"a?.txt"), CError);
    EXPECT_TRUE(PathExists(dir / L"a1.txt"));
    EXPECT_TRUE(PathExists(dir / L"a2.txt"));
}

TEST(RemovePath, AFileThatStaysRaisesItsError) {
    TempDir dir;
    std::wstring file = dir / L"locked.txt";
    WriteFileBytes(file, "keep");
    UniqueFile held(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    try {
        RemovePath(file);
        FAIL() << "no error";
    } catch (const CError& e) {
        EXPECT_EQ(e.Number, 70);
    }
    held.Reset();
    EXPECT_EQ(ReadFileBytes(file), "keep");
}

TEST(ReadTextFile, LimitsAndFailures) {
    TempDir dir;
    std::wstring file = dir / L"t.txt";
    WriteFileBytes(file, "0123456789abc\r\n\xD6\xD0\xCE\xC4"); // "中文" in code page 936
    EXPECT_EQ(ReadTextFile(file, 0), L"0123456789abc\r\n中文");
    EXPECT_EQ(ReadTextFile(file, -1), L"0123456789abc\r\n中文");
    EXPECT_EQ(ReadTextFile(file, 10), L"0123456789");
    EXPECT_EQ(ReadTextFile(file, 1000), L"0123456789abc\r\n中文");
    EXPECT_EQ(ReadTextFile(dir / L"missing.txt", 0), L"");
    EXPECT_EQ(ReadTextFile(dir.Path(), 0), L"");
    WriteFileBytes(dir / L"empty.txt", "");
    EXPECT_EQ(ReadTextFile(dir / L"empty.txt", 0), L"");

    UniqueFile held(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_EQ(ReadTextFile(file, 0), L"");
}

TEST(WriteTextFile, ReplacesAppendsAndReportsFailures) {
    TempDir dir;
    std::wstring file = dir / L"w.txt";
    WriteFileBytes(file, "old content that is longer");
    EXPECT_EQ(WriteTextFile(file, L"中文", false), 0);
    EXPECT_EQ(ReadFileBytes(file), "\xD6\xD0\xCE\xC4\r\n");
    EXPECT_EQ(WriteTextFile(file, L"more", true), 0);
    EXPECT_EQ(ReadFileBytes(file), "\xD6\xD0\xCE\xC4\r\nmore\r\n");
    EXPECT_EQ(WriteTextFile(dir / L"new.txt", L"", true), 0); // append creates the file
    EXPECT_EQ(ReadFileBytes(dir / L"new.txt"), "\r\n");

    EXPECT_EQ(WriteTextFile(dir / L"no\\such\\folder.txt", L"x", false), 76);
    EXPECT_FALSE(PathExists(dir / L"no"));
    {
        UniqueFile held(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        EXPECT_EQ(WriteTextFile(file, L"lost?", false), 70);
        EXPECT_EQ(WriteTextFile(file, L"lost?", true), 70);
    }
    EXPECT_EQ(ReadFileBytes(file), "\xD6\xD0\xCE\xC4\r\nmore\r\n");
}
