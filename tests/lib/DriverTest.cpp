#include "CDriver.h"
#include "MountedDrive.h"
#include "TestSupport.h"
#include <gtest/gtest.h>
#include <windows.h>

namespace {
// Index of the record for a root in the vector; -1 when absent.
int32_t Find(const CDriverVector& v, const std::wstring& root, int32_t from = 0) {
    for (int32_t i = from; i < v.Count(); ++i)
        if (v.Item(i)->Pathname == root) return i;
    return -1;
}
} // namespace

TEST(CDriver, ListsPresentDrivesWithTheirVolumes) {
    TempDir dir;
    CreateDirectoryW((dir / L"usb").c_str(), nullptr);
    CreateDirectoryW((dir / L"disk").c_str(), nullptr);
    CreateDirectoryW((dir / L"bare").c_str(), nullptr);
    MountedDrive usb(L'E', dir / L"usb", DRIVE_REMOVABLE, L"测试盘", 0x1234ABCD);
    MountedDrive disk(L'F', dir / L"disk", DRIVE_FIXED, L"DATA");
    MountedDrive bare(L'H', dir / L"bare", DRIVE_REMOVABLE);
    ASSERT_TRUE(usb.Mapped() && disk.Mapped() && bare.Mapped());

    CDriverVector v;
    CDriver().GetDriverVector(v);
    int32_t c = Find(v, L"C:\\"), e = Find(v, L"E:\\"), f = Find(v, L"F:\\"), h = Find(v, L"H:\\");
    ASSERT_GE(c, 0);
    EXPECT_TRUE(c < e && e < f && f < h) << "in the system's order";

    const TDriverStruct& E = *v.Item(e);
    EXPECT_EQ(E.lType, DT_REMOVABLE);
    EXPECT_EQ(E.Label, L"测试盘");
    EXPECT_EQ(E.SerialNumber, 0x1234ABCD);
    EXPECT_FALSE(E.FileSystem.empty());
    EXPECT_GT(E.MaximumComponentLength, 0);
    EXPECT_EQ(v.Item(f)->lType, DT_FIXED);
    EXPECT_EQ(v.Item(f)->Label, L"DATA");
    EXPECT_EQ(v.Item(h)->lType, DT_REMOVABLE);
    EXPECT_EQ(v.Item(h)->Label, L"");

    // Appended, never cleared: a second call lists every drive again.
    int32_t first = v.Count();
    CDriver().GetDriverVector(v);
    EXPECT_EQ(v.Count(), 2 * first);
    EXPECT_EQ(Find(v, L"E:\\", first) - first, e);

    EXPECT_EQ(CDriver().Volume(L"E:\\"), L"测试盘");
    EXPECT_EQ(CDriver().SerialNumber(L"E:\\"), 0x1234ABCD);
}

TEST(CDriver, MissingLettersAnswerEmpty) {
    for (const wchar_t* root : {L"Y:\\", L"", L"not a root"}) {
        EXPECT_EQ(CDriver().Volume(root), L"") << root;
        EXPECT_EQ(CDriver().SerialNumber(root), 0) << root;
    }
    TempDir dir;
    {
        MountedDrive gone(L'I', dir.Path(), DRIVE_REMOVABLE, L"GONE");
        ASSERT_TRUE(gone.Mapped());
        EXPECT_EQ(CDriver().Volume(L"I:\\"), L"GONE");
    }
    CDriverVector v;
    CDriver().GetDriverVector(v);
    EXPECT_EQ(Find(v, L"I:\\"), -1) << "removed with the mapping";
}

TEST(CDriverVector, HoldsCopiesOfRecords) {
    CDriverVector v;
    TDriverStruct d;
    d.lType = DT_FIXED;
    d.Label = L"WORK";
    d.Pathname = L"C:\\";
    d.FileSystem = L"NTFS";
    d.SerialNumber = -5;
    d.MaximumComponentLength = 255;
    d.FileSystemFlag = 7;
    v.Add(d);
    d.Label = L"changed";
    EXPECT_EQ(v.Item(0)->Label, L"WORK");
    TDriverStruct copy;
    copy.Copy(*v.Item(0));
    EXPECT_EQ(copy, *v.Item(0));
    EXPECT_EQ(v.GetItemIndex(copy), 0);
}
