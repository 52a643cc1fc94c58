#include "CApiIni.h"
#include "TestSupport.h"
#include "Unique.h"
#include <gtest/gtest.h>
#include <windows.h>

namespace {
bool Exists(const std::wstring& path) {
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

CApiIni On(const std::wstring& path) {
    CApiIni ini;
    ini.SetFile(path);
    return ini;
}

std::vector<std::wstring> Keys(const CApiIni& ini, const std::wstring& section, long& count) {
    std::vector<std::wstring> keys{L"stale"};
    count = -1;
    ini.EnumerateSection(section, keys, count);
    return keys;
}
} // namespace

TEST(CApiIni, AbsentFileReadsEmptyAndIsNotCreated) {
    TempDir dir;
    CApiIni ini = On(dir / L"none.ini");
    EXPECT_EQ(ini.Value(L"info", L"count"), L"");
    long count;
    EXPECT_TRUE(Keys(ini, L"sync", count).empty());
    EXPECT_EQ(count, 0);
    std::vector<std::wstring> sections{L"stale"};
    ini.EnumerateAllSections(sections, count);
    EXPECT_TRUE(sections.empty());
    EXPECT_FALSE(Exists(dir / L"none.ini"));
}

// Profiles are GBK bytes on disk: hand-written ones must read back, and writes must store GBK.
TEST(CApiIni, ChineseTextIsStoredInTheAnsiCodePage) {
    ASSERT_EQ(GetACP(), 936u) << "the bench runs under the Chinese locale";
    TempDir dir;
    // [任务] 源=D:\文档  ("任务" C8CE CEF1, "源" D4B4, "文档" CEC4 B5B5)
    WriteFileBytes(dir / L"gbk.ini", "[\xC8\xCE\xCE\xF1]\r\n\xD4\xB4=D:\\\xCE\xC4\xB5\xB5\r\n");
    CApiIni ini = On(dir / L"gbk.ini");
    EXPECT_EQ(ini.Value(L"任务", L"源"), L"D:\\文档");

    ini.SetValue(L"任务", L"目标", L"E:\\备份");
    std::string bytes = ReadFileBytes(dir / L"gbk.ini");
    // "目标" C4BF B1EA, "备份" B1B8 B7DD
    EXPECT_NE(bytes.find("\xC4\xBF\xB1\xEA=E:\\\xB1\xB8\xB7\xDD"), std::string::npos) << bytes;
    EXPECT_EQ(bytes.find("\xEF\xBB\xBF"), std::string::npos) << "no UTF-8 mark";
    EXPECT_EQ(On(dir / L"gbk.ini").Value(L"任务", L"目标"), L"E:\\备份");

    // What the code page cannot hold is stored altered, as every version stored it.
    ini.SetValue(L"任务", L"korean", L"D:\\한글");
    EXPECT_EQ(ini.Value(L"任务", L"korean"), L"D:\\??");
}

TEST(CApiIni, ValueTextAsTheServiceReadsIt) {
    TempDir dir;
    WriteFileBytes(dir / L"v.ini", "[s]\r\n"
                                   "dq=\"abc\"\r\n"
                                   "sq='abc'\r\n"
                                   "half=\"abc\r\n"
                                   "inner=a \"b\" c\r\n"
                                   "blanks=   padded text   \r\n"
                                   "empty=\r\n");
    CApiIni ini = On(dir / L"v.ini");
    struct {
        const wchar_t* key;
        const wchar_t* value;
    } cases[] = {{L"dq", L"abc"},
                 {L"sq", L"abc"},
                 {L"half", L"\"abc"},
                 {L"inner", L"a \"b\" c"},
                 {L"blanks", L"padded text"},
                 {L"empty", L""},
                 {L"absent", L""}};
    for (const auto& c : cases)
        EXPECT_EQ(ini.Value(L"s", c.key), c.value) << c.key;
    EXPECT_EQ(ini.Value(L"nosection", L"dq"), L"");
}

TEST(CApiIni, LineBreaksCannotAddKeysOrSections) {
    TempDir dir;
    CApiIni ini = On(dir / L"p.ini");
    ini.SetValue(L"source", L"1", L"C:\\a\r\n[sync]\r\n9=1\nb");
    EXPECT_EQ(ini.Value(L"source", L"1"), L"C:\\a  [sync]  9=1 b");
    EXPECT_EQ(ini.Value(L"sync", L"9"), L"");
    long count;
    std::vector<std::wstring> sections;
    ini.EnumerateAllSections(sections, count);
    EXPECT_EQ(count, 1);
}

TEST(CApiIni, NamesMatchWithoutRegardToCase) {
    TempDir dir;
    CApiIni ini = On(dir / L"c.ini");
    ini.SetValue(L"Config", L"RunCount", L"3");
    EXPECT_EQ(ini.Value(L"config", L"runcount"), L"3");
    ini.SetValue(L"CONFIG", L"RUNCOUNT", L"4");
    EXPECT_EQ(ini.Value(L"Config", L"RunCount"), L"4");
    long count;
    EXPECT_EQ(Keys(ini, L"config", count).size(), 2u);
    EXPECT_EQ(count, 1) << "replaced in place, not added";
}

// Every version of the program reads at most 255 bytes of a value; what was written longer comes
// back cut, and a cut never leaves half a double-byte character.
TEST(CApiIni, LongValuesReadBackAsTheirFirst255Bytes) {
    TempDir dir;
    CApiIni ini = On(dir / L"long.ini");
    std::wstring ascii300(300, L'a'), ascii255(255, L'b'), chinese150(150, L'文');
    ini.SetValue(L"s", L"ascii300", ascii300);
    ini.SetValue(L"s", L"ascii255", ascii255);
    ini.SetValue(L"s", L"chinese150", chinese150);
    ini.SetValue(L"s", L"mixed", L"a" + chinese150);
    EXPECT_EQ(ini.Value(L"s", L"ascii300"), ascii300.substr(0, 255));
    EXPECT_EQ(ini.Value(L"s", L"ascii255"), ascii255);
    EXPECT_EQ(ini.Value(L"s", L"chinese150"), chinese150.substr(0, 127))
        << "254 bytes: the 128th would need 256";
    EXPECT_EQ(ini.Value(L"s", L"mixed"), L"a" + chinese150.substr(0, 127)) << "1 + 254 bytes";
    // The file keeps the whole text: nothing is lost on disk.
    EXPECT_NE(ReadFileBytes(dir / L"long.ini").find(std::string(300, 'a')), std::string::npos);
}

TEST(CApiIni, EnumerateSectionShapeAndDeletion) {
    TempDir dir;
    CApiIni ini = On(dir / L"e.ini");
    ini.SetValue(L"s", L"a", L"1");
    ini.SetValue(L"s", L"b", L"2");
    ini.SetValue(L"other", L"x", L"3");
    long count;
    std::vector<std::wstring> keys = Keys(ini, L"s", count);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(keys, (std::vector<std::wstring>{L"a", L"b", L""})) << "upper bound iCount holds an empty name";

    EXPECT_TRUE(Keys(ini, L"absent", count).empty());
    EXPECT_EQ(count, 0);

    ini.DeleteKey(L"s", L"A");
    EXPECT_EQ(Keys(ini, L"s", count), (std::vector<std::wstring>{L"b", L""}));
    ini.DeleteSection(L"S");
    EXPECT_TRUE(Keys(ini, L"s", count).empty());
    EXPECT_EQ(count, 0);
    EXPECT_EQ(ini.Value(L"other", L"x"), L"3");

    std::vector<std::wstring> sections;
    ini.EnumerateAllSections(sections, count);
    EXPECT_EQ(sections, (std::vector<std::wstring>{L"other", L""}));
    EXPECT_EQ(count, 1);
}

// A profile with thousands of tasks lists more than 8192 characters of key names: none may vanish.
TEST(CApiIni, LongKeyListsComeBackWhole) {
    TempDir dir;
    std::string text = "[sync]\r\n";
    for (int i = 1; i <= 4000; ++i)
        text += std::to_string(i) + "=1\r\n";
    text += "[info]\r\ncount=4000\r\n";
    WriteFileBytes(dir / L"big.ini", text);
    long count;
    std::vector<std::wstring> keys = Keys(On(dir / L"big.ini"), L"sync", count);
    ASSERT_EQ(count, 4000);
    EXPECT_EQ(keys[0], L"1");
    EXPECT_EQ(keys[3999], L"4000");
    EXPECT_EQ(keys[4000], L"");
}

// Profile folders may carry names the ANSI code page cannot spell (Korean under a Chinese locale).
TEST(CApiIni, PathsOutsideTheAnsiCodePage) {
    TempDir dir;
    std::wstring path = dir / L"한글 프로필\\작업.ini";
    CreateDirectoryW((dir / L"한글 프로필").c_str(), nullptr);
    CApiIni ini = On(path);
    ini.SetValue(L"info", L"count", L"1");
    EXPECT_TRUE(Exists(path));
    EXPECT_EQ(On(path).Value(L"info", L"count"), L"1");
    EXPECT_EQ(ReadFileBytes(path), "[info]\r\ncount=1\r\n");
}

TEST(CApiIni, RelativeAndEmptyPaths) {
    TempDir dir;
    wchar_t old[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, old);
    SetCurrentDirectoryW(dir.Path().c_str());
    On(L"rel.ini").SetValue(L"s", L"k", L"v");
    SetCurrentDirectoryW(old);
    EXPECT_EQ(On(dir / L"rel.ini").Value(L"s", L"k"), L"v") << "beside the current folder, not in Windows";

    CApiIni none;
    none.SetValue(L"orvel-empty-path", L"k", L"v");
    EXPECT_EQ(none.Value(L"orvel-empty-path", L"k"), L"");
    wchar_t win[MAX_PATH];
    GetWindowsDirectoryW(win, MAX_PATH);
    EXPECT_EQ(On(std::wstring(win) + L"\\win.ini").Value(L"orvel-empty-path", L"k"), L"");
}

TEST(CApiIni, CorruptAndReadOnlyFiles) {
    TempDir dir;
    std::string junk;
    for (int i = 0; i < 70000; ++i)
        junk += char((i * 7919) % 256);
    junk += "\r\n[s]\r\nk=v\r\n";
    WriteFileBytes(dir / L"junk.ini", junk);
    CApiIni bad = On(dir / L"junk.ini");
    EXPECT_EQ(bad.Value(L"s", L"k"), L"v");
    long count;
    Keys(bad, L"s", count);
    EXPECT_EQ(count, 1);

    // A write the service cannot make (the file locked by another program) is lost without harm.
    WriteFileBytes(dir / L"locked.ini", "[s]\r\nk=old\r\n");
    {
        UniqueFile lock(
            CreateFileW((dir / L"locked.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock);
        On(dir / L"locked.ini").SetValue(L"s", L"k", L"new");
    }
    EXPECT_EQ(ReadFileBytes(dir / L"locked.ini"), "[s]\r\nk=old\r\n");
}
