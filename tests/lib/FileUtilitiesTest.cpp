#include "CApiFile.h"
#include "CError.h"
#include "CFileEnumerator.h"
#include "CRarCmd.h"
#include "CVbFile.h"
#include "TestSupport.h"
#include "Utf8.h"
#include "VbDate.h"
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <windows.h>

namespace {
// Started as the archiver by the CRarCmd test: write the command line and folder, then leave.
const bool kArchiverStandIn = [] {
    wchar_t out[MAX_PATH];
    if (!GetEnvironmentVariableW(L"ORVEL_FAKE_RAR_OUT", out, MAX_PATH)) return false;
    wchar_t cwd[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, cwd);
    // Written aside and renamed, so the test never reads half of it.
    std::wstring part = std::wstring(out) + L".part";
    WriteFileBytes(part, ToUtf8(std::wstring(GetCommandLineW()) + L"\n" + cwd));
    MoveFileW(part.c_str(), out);
    ExitProcess(0);
}();

struct Event {
    std::wstring path, name;
    int32_t d, f;
    bool operator==(const Event&) const = default;
};
struct Collect : IEnumSink {
    void EnumCallback(const std::wstring& p, const std::wstring& n, int32_t d, int32_t f,
                      const TEnumEntry&) override {
        events.push_back({p, n, d, f});
    }
    std::vector<Event> events;
};
} // namespace

TEST(CApiFile, SizeTextAndHandles) {
    struct {
        int64_t bytes;
        const wchar_t* text;
    } cases[] = {{0, L"0.00 B"},     {1023, L"1023.00 B"},     {512, L"512.00 B"},   {1024, L"1.00 KB"},
                 {1536, L"1.50 KB"}, {1048575, L"1024.00 KB"}, {1048576, L"1.00 MB"}};
    for (const auto& c : cases)
        EXPECT_EQ(CApiFile::GetCurrencySizeStr(c.bytes), c.text);

    TempDir dir;
    WriteFileBytes(dir / L"f.bin", std::string(3000, 'x'));
    CApiFile f;
    f.SetFilename(dir / L"f.bin");
    EXPECT_EQ(f.Size(), 0);
    EXPECT_NE(f.Create(EnumApiFileAccess(CFA_READ | CFA_WRITE)), -1);
    EXPECT_EQ(f.Create(CFA_READ), -2);
    EXPECT_EQ(f.Size(), 3000);
    double when = DateSerial({2024, 1, 31, 15, 4, 5});
    f.SetLastWriteTime(when);
    f.SetCreationTime(when);
    f.SetAccessTime(when);
    f.SaveFileTime();
    f.SetLastWriteTime(0);
    f.ReadFileTime();
    EXPECT_DOUBLE_EQ(f.LastWriteTime(), when);
    EXPECT_EQ(f.CloseFile(), 1);

    CApiFile missing;
    missing.SetFilename(dir / L"none");
    EXPECT_EQ(missing.Create(CFA_READ), -1);
    EXPECT_EQ(missing.Size(), 0);
}

TEST(CFileEnumerator, OrderCountsAndFlags) {
    TempDir dir;
    WriteFileBytes(dir / L"a.txt", "a");
    WriteFileBytes(dir / L"s\\b.txt", "b");
    CFileEnumerator e;
    Collect sink;
    e.SetSink(&sink);
    int32_t d = 0, f = 0;
    e.Enumerate(dir.Path(), d, f);
    EXPECT_EQ(sink.events,
              (std::vector<Event>{
                  {dir.Path(), L"a.txt", 0, 1}, {dir / L"s", L"", 1, 1}, {dir / L"s", L"b.txt", 1, 2}}));
    sink.events.clear();
    d = 10, f = 20; // counters are increased, not reset
    e.Enumerate(dir.Path(), d, f, true, false);
    EXPECT_EQ(sink.events, (std::vector<Event>{{dir.Path(), L"a.txt", 10, 21}}));
    EXPECT_EQ(d, 10);
    sink.events.clear();
    e.Enumerate(dir.Path(), d, f, false, true);
    EXPECT_TRUE(sink.events.empty());
    EXPECT_EQ(f, 23);
    e.Enumerate(dir / L"missing", d, f);
    EXPECT_TRUE(sink.events.empty());
    EXPECT_EQ(d, 11);
    EXPECT_EQ(f, 23);
}

TEST(CFileEnumerator, StopsAtFolderLinks) {
    TempDir dir;
    WriteFileBytes(dir / L"t\\a.txt", "a");
    ASSERT_TRUE(MakeFolderLink(dir / L"t\\loop", dir / L"t"));
    CFileEnumerator e;
    Collect sink;
    e.SetSink(&sink);
    int32_t d = 0, f = 0;
    e.Enumerate(dir / L"t", d, f);
    EXPECT_EQ(sink.events, (std::vector<Event>{{dir / L"t", L"a.txt", 0, 1}}));
}

TEST(CVbFile, ModesAndErrors) {
    TempDir dir;
    CVbFile f;
    f.SetFilename(dir / L"t.txt");
    f.OpenFile(cfomWriteText);
    f.WriteText(L"第一行");
    f.WriteText(L"second");
    f.OpenFile(cfomAppendText);
    f.WriteText(L"third");
    f.CloseFile();
    EXPECT_EQ(ReadFileBytes(dir / L"t.txt"),
              "\xb5\xda\xd2\xbb\xd0\xd0\r\nsecond\r\nthird\r\n"); // code page 936
    f.OpenFile(cfomReadLine);
    EXPECT_EQ(f.ReadLine(), L"第一行");
    EXPECT_EQ(f.ReadLine(), L"second");
    EXPECT_EQ(f.ReadLine(), L"third");
    EXPECT_EQ(f.GetLastMsg(), cflmNoMsg);
    EXPECT_EQ(f.ReadLine(), L"");
    EXPECT_EQ(f.GetLastMsg(), cflmEndOfFile);
    f.OpenFile(cfomReadText);
    EXPECT_EQ(f.ReadText(), L"第一行\r\nsecond\r\nthird\r\n");
    f.OpenFile(cfomBinary);
    EXPECT_EQ(f.GetLength(), 23);
    std::vector<uint8_t> buf(30, 0);
    EXPECT_FALSE(f.GetChunk(buf));
    EXPECT_EQ(buf[6], '\r');
    EXPECT_EQ(buf[29], 0); // beyond the end: left as it was
    EXPECT_THROW(f.ReadLine(), CError);

    CVbFile missing;
    missing.SetFilename(dir / L"none.txt");
    for (auto mode : {cfomReadText, cfomBinary}) {
        try {
            missing.OpenFile(mode);
            ADD_FAILURE();
        } catch (const CError& e) {
            EXPECT_EQ(e.Number, 53);
        }
    }
    EXPECT_FALSE(GetFileAttributesW((dir / L"none.txt").c_str()) != INVALID_FILE_ATTRIBUTES);
}

TEST(CRarCmd, CommandLinesAndErrors) {
    TempDir dir;
    CRarCmd rar;
    rar.SetRarExe(L"");
    EXPECT_FALSE(rar.Rar(L"C:\\data\\project", L"D:\\bk\\project.rar"));
    rar.SetRarExe(dir / L"missing-rar.exe");
    try {
        rar.Unrar(L"D:\\bk\\project.rar", L"C:\\restore");
        ADD_FAILURE();
    } catch (const CError& e) {
        EXPECT_EQ(e.Number, 2946001);
        EXPECT_EQ(e.Description, L"RAR.EXE不存在");
    }

    // This test program stands in for the archiver and records how it was started.
    std::wstring fake = dir / L"rar.exe", out = dir / L"started.txt";
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    ASSERT_TRUE(CopyFileW(self, fake.c_str(), FALSE));
    ASSERT_TRUE(
        CopyFileW((TestBinDir() + L"\\AxOrvelLib.dll").c_str(), (dir / L"AxOrvelLib.dll").c_str(), FALSE));
    SetEnvironmentVariableW(L"ORVEL_FAKE_RAR_OUT", out.c_str());
    rar.SetRarExe(fake);
    CreateDirectoryW((dir / L"data").c_str(), nullptr);
    struct {
        std::function<bool()> start;
        std::wstring params, folder;
    } cases[] = {
        {[&] { return rar.Rar(dir / L"data\\project", L"D:\\bk\\project.rar"); },
         L"a D:\\bk\\project.rar project", dir / L"data"},
        {[&] { return rar.Unrar(L"D:\\bk\\project.rar", L"C:\\restore"); },
         L"x D:\\bk\\project.rar C:\\restore", L""},
        {[&] { return rar.Unrar(L"D:\\my bk\\p.rar", L"C:\\re store"); },
         L"x \"D:\\my bk\\p.rar\" \"C:\\re store\"", L""},
    };
    for (const auto& c : cases) {
        DeleteFileW(out.c_str());
        EXPECT_TRUE(c.start());
        ASSERT_TRUE(WaitFor([&] { return GetFileAttributesW(out.c_str()) != INVALID_FILE_ATTRIBUTES; }));
        std::wstring seen = FromUtf8(ReadFileBytes(out));
        std::wstring cmd = seen.substr(0, seen.find(L'\n')), cwd = seen.substr(seen.find(L'\n') + 1);
        EXPECT_NE(cmd.find(c.params), std::wstring::npos) << cmd;
        EXPECT_EQ(cmd.substr(cmd.size() - c.params.size()), c.params);
        if (!c.folder.empty()) {
            EXPECT_EQ(_wcsicmp(cwd.c_str(), c.folder.c_str()), 0) << cwd;
        }
    }
    SetEnvironmentVariableW(L"ORVEL_FAKE_RAR_OUT", nullptr);
}
