#include "CCmdVector.h"
#include "CStringVector.h"
#include <gtest/gtest.h>

namespace {
CStringVector Abc() {
    CStringVector v;
    for (const wchar_t* s : {L"a", L"b", L"c"})
        v.Add(s);
    return v;
}

std::wstring Items(const CStringVector& v) {
    std::wstring s;
    for (int i = 0; i < v.Count(); ++i)
        s += v.Item(i);
    return s;
}
} // namespace

TEST(CStringVector, StartsEmptyAndGrowsByItsStep) {
    CStringVector v;
    EXPECT_EQ(v.Count(), 0);
    EXPECT_EQ(v.BufferLength(), 10);
    EXPECT_EQ(v.Inc(), 10);
    for (int i = 0; i < 10; ++i)
        v.Add(std::to_wstring(i));
    EXPECT_EQ(v.BufferLength(), 10);
    v.Add(L"10");
    EXPECT_EQ(v.BufferLength(), 20);
    v.SetInc(100);
    for (int i = 11; i <= 20; ++i)
        v.Add(std::to_wstring(i));
    EXPECT_EQ(v.Count(), 21);
    EXPECT_EQ(v.BufferLength(), 120);
    EXPECT_EQ(v.Item(20), L"20");
}

TEST(CStringVector, BufferWriteAndRead) {
    CStringVector v;
    v.SetBuffer({L"x", L"y", L"z"});
    EXPECT_EQ(v.Count(), 3);
    EXPECT_EQ(v.BufferLength(), 13);
    EXPECT_EQ(v.Buffer().size(), 14u);
    EXPECT_EQ(v.Buffer()[2], L"z");
    EXPECT_EQ(v.Buffer()[13], L"");

    CStringVector empty;
    empty.SetBuffer({});
    EXPECT_EQ(empty.Count(), 0);
    EXPECT_EQ(empty.BufferLength(), 10);
}

TEST(CStringVector, JoinSearchAndCase) {
    CStringVector v = Abc();
    EXPECT_EQ(v.JoinStr(L";"), L"a;b;c");
    EXPECT_EQ(v.JoinStr(), L"abc");
    EXPECT_EQ(CStringVector().JoinStr(L";"), L"");
    EXPECT_TRUE(v.IsExist(L"b"));
    EXPECT_FALSE(v.IsExist(L"B"));
    EXPECT_EQ(v.GetItemIndex(L"c"), 2);
    EXPECT_EQ(v.GetItemIndex(L"d"), -1);
}

TEST(CStringVector, DeletesKeepStaleSlots) {
    CStringVector q = Abc();
    q.QuickDelete(0);
    EXPECT_EQ(Items(q), L"cb");
    EXPECT_EQ(q.Item(2), L"c"); // stale slot past Count is readable, not cleared

    CStringVector d = Abc();
    d.Delete(0);
    EXPECT_EQ(Items(d), L"bc");

    CStringVector last = Abc();
    last.Delete(2);
    EXPECT_EQ(last.Count(), 2);
    EXPECT_EQ(last.GetItemIndex(L"c"), -1);

    CStringVector past = Abc();
    past.Delete(5); // moves nothing, still drops the last item
    EXPECT_EQ(Items(past), L"ab");
}

TEST(CStringVector, IndexOutsideStorageRaisesSubscriptError) {
    CStringVector v = Abc();
    for (int idx : {-1, 11, 1000}) {
        try {
            (void)v.Item(idx);
            ADD_FAILURE() << "no error for index " << idx;
        } catch (const CError& e) {
            EXPECT_EQ(e.Number, 9);
            EXPECT_EQ(e.Description, L"Subscript out of range");
            EXPECT_EQ(e.Source, L"AxOrvelLib");
        }
    }
    EXPECT_EQ(v.Item(7), L""); // between Count and BufferLength: empty slot, no error
    CStringVector empty;
    EXPECT_THROW(empty.QuickDelete(0), CError);
}

TEST(CStringVector, StepZeroStopsGrowth) {
    CStringVector v;
    v.SetInc(0);
    for (int i = 0; i < 10; ++i)
        v.Add(L"x");
    v.Add(L"x"); // fills the last slot; the storage cannot grow any more
    EXPECT_EQ(v.BufferLength(), 10);
    EXPECT_THROW(v.Add(L"y"), CError);
}

TEST(CCmdVector, AddCopiesItemSharesAndEqualityIsByFields) {
    CCmdVector v;
    TCmdStruct c{1, L"add", L"C:\\a"};
    v.Add(c);
    c.cmd = L"changed";
    EXPECT_EQ(v.Item(0)->cmd, L"add");

    v.Item(0)->param = L"D:\\b";
    EXPECT_EQ(v.Item(0)->param, L"D:\\b");

    auto mine = std::make_shared<TCmdStruct>(TCmdStruct{7, L"hide", L""});
    v.SetItem(0, mine);
    mine->Index = 8;
    EXPECT_EQ(v.Item(0)->Index, 8);

    EXPECT_EQ(v.GetItemIndex(TCmdStruct{8, L"hide", L""}), 0);
    EXPECT_FALSE(v.IsExist(TCmdStruct{8, L"Hide", L""}));
    EXPECT_EQ(v.Item(5), nullptr); // a never-filled slot
}

TEST(CCmdVector, FillingManyItemsStaysCorrect) {
    CCmdVector v;
    for (int i = 0; i < 20000; ++i)
        v.Add(TCmdStruct{i, L"c", L""});
    EXPECT_EQ(v.Count(), 20000);
    EXPECT_EQ(v.BufferLength(), 20000); // grew by 10 at Count 11, 21, ... 19991
    EXPECT_EQ(v.Item(19999)->Index, 19999);
    v.Delete(0);
    EXPECT_EQ(v.Item(0)->Index, 1);
    EXPECT_EQ(v.Item(19998)->Index, 19999);
}
