#include "CApiIni.h"
#include "CSyncProfile.h"
#include "MountedDrive.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <windows.h>

namespace {
CSyncProfile On(const std::wstring& path) {
    CSyncProfile p;
    p.SetFile(path);
    return p;
}

CApiIni Ini(const std::wstring& path) {
    CApiIni ini;
    ini.SetFile(path);
    return ini;
}
} // namespace

TEST(CSyncProfile, NumbersAreNeverGivenOutTwice) {
    TempDir dir;
    std::wstring file = dir / L"p.ini";
    CSyncProfile p = On(file);
    CApiIni ini = Ini(file);
    EXPECT_EQ(p.AddItem(L"C:\\源", L"E:\\目标"), 1);
    EXPECT_EQ(ini.Value(L"info", L"totalcount"), L"1");
    EXPECT_EQ(ini.Value(L"info", L"count"), L"1");
    EXPECT_EQ(ini.Value(L"sync", L"1"), L"1");
    EXPECT_EQ(ini.Value(L"source", L"1"), L"C:\\源");
    EXPECT_EQ(ini.Value(L"dest", L"1"), L"E:\\目标");

    p.SetItemOptions(L"1", L"-add");
    EXPECT_EQ(p.DeleteItem(L"1"), 1);
    EXPECT_EQ(p.DeleteItem(L"1"), 0) << "no longer listed";
    EXPECT_EQ(p.DeleteItem(L"99"), 0);
    EXPECT_EQ(p.Count(), 0);
    EXPECT_EQ(p.TotalCount(), 1);
    EXPECT_EQ(ini.Value(L"source", L"1"), L"");
    EXPECT_EQ(p.ItemOptions(L"1"), L"-add") << "the other attributes stay in the file";
    EXPECT_EQ(p.AddItem(L"C:\\a", L"C:\\b"), 2);
    EXPECT_EQ(p.Count(), 1);

    TTaskStruct t;
    t.Src = L"C:\\x";
    t.Dest = L"C:\\y";
    t.UpdateMode = UPM_LASTEST;
    t.Options = L"-add-del";
    t.Exclude = L"*.tmp;*.bak";
    EXPECT_EQ(p.AddTask(t), 3);
    EXPECT_EQ(t.id, 3);
    EXPECT_EQ(p.UpdateMode(L"3"), L"2");
    EXPECT_EQ(p.ItemOptions(L"3"), L"-add-del");
    EXPECT_EQ(p.ItemExclude(L"3"), L"*.tmp;*.bak");

    t.Src = L"D:\\moved";
    t.UpdateMode = UPM_DEST;
    p.WriteTask(L"3", t);
    p.WriteTask(L"", t);
    EXPECT_EQ(p.Src(L"3"), L"D:\\moved");
    EXPECT_EQ(p.UpdateMode(L"3"), L"1");
    EXPECT_EQ(p.Src(L""), L"");
    std::vector<std::wstring> keys;
    EXPECT_EQ(p.EnumItems(keys), 2);
    EXPECT_EQ(keys, (std::vector<std::wstring>{L"2", L"3", L""}));
}

// A profile written by hand (or by an older tool) may lack totalcount or hold a lower one: a new
// task must still get a number of its own and leave the stored ones alone.
TEST(CSyncProfile, NewNumbersPassEveryListedTask) {
    TempDir dir;
    WriteFileBytes(dir / L"hand.ini", "[sync]\r\n1=1\r\n5=1\r\n[source]\r\n1=C:\\one\r\n5=C:\\five\r\n"
                                      "[info]\r\ntotalcount=2\r\n");
    CSyncProfile p = On(dir / L"hand.ini");
    EXPECT_EQ(p.AddItem(L"C:\\new", L"C:\\d"), 6);
    EXPECT_EQ(p.Src(L"1"), L"C:\\one");
    EXPECT_EQ(p.Src(L"5"), L"C:\\five");
    EXPECT_EQ(p.TotalCount(), 6);
}

TEST(CSyncProfile, TasksAreReadReadyToRun) {
    TempDir dir;
    CreateDirectoryW((dir / L"源").c_str(), nullptr);
    CreateDirectoryW((dir / L"usb").c_str(), nullptr);
    MountedDrive usb(L'K', dir / L"usb", DRIVE_REMOVABLE, L"PROFILEDRV");
    ASSERT_TRUE(usb.Mapped());
    std::wstring good = dir / L"源";
    struct Row {
        const wchar_t* key;
        std::wstring state, src, dest, options;
    } rows[] = {
        {L"7", L"1", good, L"E:\\d", L"-add-del"},              // listed first: file order, not number order
        {L"2", L"1", good, L"E:\\d", L"-add-dis"},              // switched off by its options
        {L"3", L"1", L"<foo>\\x", L"E:\\d", L"-add"},           // unknown variable
        {L"4", L"1", dir / L"missing", L"E:\\d", L"-add"},      // source not there
        {L"5", L"1", L"K:\\", L"<vol:PROFILEDRV>\\bak", L""},   // drive root; variable resolved
        {L"6", L"D", good, L"E:\\d", L""},                      // deleted: not listed
        {L"8", L"1", dir / L"missing", L"E:\\d", L"-dis"},      // off before any path is checked
        {L"9", L"1", good, L"<vol:nosuchdrive>\\bak", L"-add"}, // destination variable unresolved
    };
    CSyncProfile p = On(dir / L"p.ini");
    for (const Row& r : rows) {
        p.SetItemState(r.key, r.state);
        p.SetSrc(r.key, r.src);
        p.SetDest(r.key, r.dest);
        p.SetItemOptions(r.key, r.options);
    }
    p.SetUpdateMode(L"7", L"2");
    p.SetItemExclude(L"7", L"*.tmp");

    struct Expect {
        int32_t id;
        bool enabled;
        EnumTaskState state;
        std::wstring src, dest;
    } expected[] = {
        {7, true, TSK_NORMAL, good, L"E:\\d"},
        {2, false, TSK_NORMAL, good, L"E:\\d"},
        {3, false, TSK_VAR_FAILED, L"<foo>\\x", L"E:\\d"},
        {4, false, TSK_SRC_INVALID, dir / L"missing", L"E:\\d"},
        {5, true, TSK_NORMAL, L"K:\\", L"K:\\bak"},
        {8, false, TSK_NORMAL, dir / L"missing", L"E:\\d"},
        {9, false, TSK_VAR_FAILED, good, L"<vol:nosuchdrive>\\bak"},
    };
    auto tasks = p.GetTaskVector();
    ASSERT_EQ(tasks->Count(), int32_t(std::size(expected)));
    for (int32_t i = 0; i < tasks->Count(); ++i) {
        const TTaskStruct& t = *tasks->Item(i);
        const Expect& e = expected[i];
        EXPECT_EQ(t.id, e.id);
        EXPECT_EQ(t.key, std::to_wstring(e.id));
        EXPECT_EQ(t.Enabled, e.enabled) << e.id;
        EXPECT_EQ(t.State, e.state) << e.id;
        EXPECT_EQ(t.Src, e.src) << e.id;
        EXPECT_EQ(t.Dest, e.dest) << e.id;
    }
    EXPECT_EQ(tasks->Item(0)->UpdateMode, UPM_LASTEST);
    EXPECT_EQ(tasks->Item(0)->Exclude, L"*.tmp");
    EXPECT_EQ(tasks->Item(0)->Options, L"-add-del");
    EXPECT_EQ(p.Src(L"5"), L"K:\\") << "nothing resolved is written back";
    EXPECT_EQ(p.Dest(L"5"), L"<vol:PROFILEDRV>\\bak");
}

TEST(CSyncProfile, CheckPathMarksWhatIsMissing) {
    TempDir dir;
    WriteFileBytes(dir / L"f.txt", "x");
    struct {
        std::wstring src, dest;
        bool bSrc, bDest;
        bool enabled;
        int state;
    } cases[] = {
        {dir.Path(), dir / L"f.txt", true, true, true, TSK_NORMAL},
        {dir / L"no", dir / L"f.txt", true, true, false, TSK_SRC_INVALID},
        {dir.Path(), dir / L"no", true, true, false, TSK_DEST_INVALID},
        {dir.Path(), dir / L"no", true, false, true, TSK_NORMAL},
        {L"", dir.Path(), true, false, false, TSK_SRC_INVALID},
        {L"C:\\", L"C:\\", true, true, true, TSK_NORMAL},
    };
    CSyncProfile p;
    for (const auto& c : cases) {
        TTaskStruct t;
        t.Src = c.src;
        t.Dest = c.dest;
        t.Enabled = !c.enabled;
        p.CheckPath(t, c.bSrc, c.bDest);
        EXPECT_EQ(t.Enabled, c.enabled) << c.src << " | " << c.dest;
        EXPECT_EQ(int(t.State), c.state) << c.src << " | " << c.dest;
    }
}

TEST(CSyncProfile, AutomaticRunSettings) {
    TempDir dir;
    CSyncProfile p = On(dir / L"my.work.ini");
    TProfileStruct fresh = p.LoadProfile();
    EXPECT_EQ(fresh.Name, L"my.work");
    EXPECT_FALSE(fresh.OnTimer || fresh.OnDevice || fresh.ComputerLimit);
    EXPECT_EQ(p.GetTaskVector()->Count(), 0);
    EXPECT_EQ(GetFileAttributesW((dir / L"my.work.ini").c_str()), INVALID_FILE_ATTRIBUTES)
        << "reading creates nothing";

    p.SetTimer(5, 600);
    p.SetOnDevice(0, L"备份盘");
    p.SetComputerLimit(-1, L"办公室");
    p.SetLimitCount(3);
    p.SetLimitTimes(10);
    CApiIni ini = Ini(dir / L"my.work.ini");
    EXPECT_EQ(ini.Value(L"auto", L"timer"), L"1");
    EXPECT_EQ(ini.Value(L"auto", L"ondevice"), L"0");
    EXPECT_EQ(ini.Value(L"auto", L"computerlimit"), L"1");

    TProfileStruct s = On(dir / L"my.work.ini").LoadProfile();
    EXPECT_TRUE(s.OnTimer);
    EXPECT_EQ(s.Interval, 600);
    EXPECT_FALSE(s.OnDevice);
    EXPECT_EQ(s.VolumeName, L"备份盘");
    EXPECT_TRUE(s.ComputerLimit);
    EXPECT_EQ(s.ComputerName, L"办公室");
    EXPECT_EQ(s.LimitCount, 3);
    EXPECT_EQ(s.LimitTimes, 10);
    EXPECT_EQ(s.Enabled, TProfileStruct().Enabled);
    EXPECT_EQ(s.Options, TProfileStruct().Options);

    // Getters answer the stored number; hand-edited and damaged numbers read without failing.
    ini.SetValue(L"auto", L"timer", L"7");
    ini.SetValue(L"auto", L"interval", L"99999999999");
    ini.SetValue(L"auto", L"ondevice", L"yes");
    int32_t enabled = 0, interval = 0;
    p.GetTimer(enabled, interval);
    EXPECT_EQ(enabled, 7);
    EXPECT_EQ(interval, INT32_MAX);
    std::wstring volume;
    p.GetOnDevice(enabled, volume);
    EXPECT_EQ(enabled, 0);
    EXPECT_EQ(volume, L"备份盘");
    EXPECT_EQ(On(L"D:\\prog\\profile\\work.ini").LoadProfile().Name, L"work");

    p.SetCreated(45322);
    p.SetExclude(L"", L"*.obk");
    p.SetOptions(L"-nsub");
    EXPECT_EQ(p.Created(), 45322);
    EXPECT_EQ(p.Exclude(), L"*.obk");
    EXPECT_EQ(p.Options(), L"-nsub");
    EXPECT_EQ(p.Value(L"INFO", L"Options"), L"-nsub");
}

// Values come back as at most 255 bytes: a path written longer turns into its first 255 bytes,
// which then names another (normally missing) path, so the task reads switched off.
TEST(CSyncProfile, OverlongPathsReadBackCut) {
    TempDir dir;
    std::wstring longSrc = dir.Path() + L"\\" + std::wstring(300 - dir.Path().size() - 1, L'a');
    CSyncProfile p = On(dir / L"long.ini");
    p.AddItem(longSrc, L"E:\\d");
    EXPECT_EQ(p.Src(L"1"), longSrc.substr(0, 255));
    auto tasks = p.GetTaskVector();
    ASSERT_EQ(tasks->Count(), 1);
    EXPECT_EQ(tasks->Item(0)->Src, longSrc.substr(0, 255));
    EXPECT_FALSE(tasks->Item(0)->Enabled);
    EXPECT_EQ(tasks->Item(0)->State, TSK_SRC_INVALID);
}

TEST(CSyncProfile, DamagedFilesReadWithoutFailing) {
    TempDir dir;
    std::string junk = std::string("\x00\xff\r\n", 4) +
                       "[sync]\r\n99999999999=1\r\n-5=1\r\n=1\r\n[source]\r\n99999999999=C:\\\r\n";
    junk.append("\x00\x01\x02\xfe", 4);
    WriteFileBytes(dir / L"junk.ini", junk);
    CSyncProfile p = On(dir / L"junk.ini");
    std::shared_ptr<CTaskVector> tasks;
    ASSERT_NO_THROW(tasks = p.GetTaskVector());
    ASSERT_EQ(tasks->Count(), 3);
    EXPECT_EQ(tasks->Item(0)->id, INT32_MAX);
    EXPECT_EQ(tasks->Item(0)->Src, L"C:\\");
    EXPECT_EQ(tasks->Item(1)->id, -5);
    EXPECT_THROW(p.AddItem(L"C:\\a", L"C:\\b"), CError) << "no number is left: refused, nothing overwritten";
}
