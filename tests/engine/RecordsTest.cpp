#include "CProfileVector.h"
#include "CTaskVector.h"
#include <gtest/gtest.h>

namespace {
TTaskStruct Task(int id, const std::wstring& key, const std::wstring& dest) {
    TTaskStruct t;
    t.id = id;
    t.key = key;
    t.Dest = dest;
    return t;
}
} // namespace

TEST(TTaskStruct, NewRecordAndCopy) {
    TTaskStruct t;
    EXPECT_EQ(t.Options, L"-add-cadd-del-nsub-wnos-exbk");
    EXPECT_FALSE(t.Enabled);
    EXPECT_EQ(t.UpdateMode, UPM_SRC);
    EXPECT_EQ(t.State, TSK_NORMAL);

    TTaskStruct o = Task(3, L"task3", L"E:\\b");
    o.Src = L"D:\\a";
    o.Enabled = true;
    o.State = TSK_SRC_INVALID;
    o.UpdateMode = UPM_LASTEST;
    o.Options = L"-dis";
    o.Exclude = L"*.tmp";
    t.Copy(o);
    EXPECT_EQ(t, o);

    EXPECT_EQ(TProfileStruct().Options, L"-nsub");
    TProfileStruct p;
    p.Name = L"工作";
    p.LimitTimes = 5;
    p.LimitCount = 2;
    p.OnDevice = true;
    TProfileStruct q;
    q.Copy(p);
    EXPECT_EQ(q, p);
}

TEST(EnumConflictResult, ValuesAreTheStoredBits) {
    EXPECT_EQ(CFR_SAME | CFR_DIFF | CFR_EQAUL_SIZE | CFR_SMALL_SRC_SIZE | CFR_SMALL_DEST_SIZE |
                  CFR_EQUAL_DATE | CFR_LASTEST_SRC_DATE | CFR_LASTEST_DEST_DATE,
              255);
    EXPECT_EQ(UPM_LASTEST, 2);
    EXPECT_EQ(TSK_DEST_INVALID, 3);
}

TEST(CTaskVector, Searches) {
    CTaskVector v;
    v.Add(Task(5, L"task5", L"E:\\Docs\\Report"));
    v.Add(Task(7, L"task7", L"E:\\Docs"));
    v.Add(Task(5, L"dup", L"F:\\x"));
    struct {
        int32_t got, want;
    } cases[] = {
        {v.FindId(5), 0},
        {v.FindId(9), -1},
        {v.FindKey(L"task7"), 1},
        {v.FindKey(L"TASK7"), -1},
        {v.FindDest(L"e:\\docs"), 1},
        {v.FindDest(L"e:\\docs", false), 0},
        {v.FindDest(L"docs\\rep", false), 0},
        {v.FindDest(L"E:\\Doc"), -1},
        {v.FindDest(L"G:\\"), -1},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].got, cases[i].want) << "case " << i;
}

TEST(CTaskVector, RecordsAreSharedReferences) {
    CTaskVector v;
    TTaskStruct t = Task(1, L"k", L"E:\\a");
    v.Add(t);
    t.Dest = L"changed";
    EXPECT_EQ(v.Item(0)->Dest, L"E:\\a");
    v.Item(0)->Enabled = true;
    EXPECT_TRUE(v.Item(0)->Enabled);
    EXPECT_EQ(v.GetItemIndex(*v.Item(0)), 0);
}

TEST(CTaskVector, IndexErrorNamesTheEngine) {
    CTaskVector v;
    try {
        v.Item(11);
        FAIL();
    } catch (const CError& e) {
        EXPECT_EQ(e.Number, 9);
        EXPECT_EQ(e.Source, L"AxOrvelSync");
    }
}

TEST(CProfileVector, ClearKeepsTheStep) {
    CProfileVector v;
    v.SetInc(3);
    for (int i = 0; i < 12; ++i)
        v.Add(TProfileStruct());
    EXPECT_EQ(v.BufferLength(), 13);
    v.Clear();
    EXPECT_EQ(v.Count(), 0);
    EXPECT_EQ(v.BufferLength(), 10);
    EXPECT_EQ(v.Inc(), 3);
    EXPECT_EQ(v.Item(0), nullptr);
}
