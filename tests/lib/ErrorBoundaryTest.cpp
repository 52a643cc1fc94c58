// An error raised inside AxOrvelLib.dll reaches this program intact.
#include "CError.h"
#include "CStringVector.h"
#include "VbNumber.h"
#include <gtest/gtest.h>
#include <windows.h>

TEST(CError, CrossesTheDllBoundaryIntact) {
    // RaiseOverflow runs inside the DLL: its throw and this catch are in different modules.
    try {
        RaiseOverflow(L"AxOrvelSync.CSync");
        FAIL() << "no error";
    } catch (const CError& e) {
        EXPECT_EQ(e.Number, 6);
        EXPECT_EQ(e.Description, L"Overflow");
        EXPECT_EQ(e.Source, L"AxOrvelSync.CSync");
        EXPECT_STREQ(e.what(), "[6] Overflow");
    }
    // Caught as the standard base as well, and from a DLL function that throws deep inside.
    try {
        Val(L"1e999");
        FAIL() << "no error";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "[6] Overflow");
    }
}

TEST(CError, ThrownHereKeepsChineseText) {
    try {
        throw CError(26001, L"无法打开注册表项", L"AxOrvelLib.cRegistry");
    } catch (const CError& e) {
        EXPECT_EQ(e.Description, L"无法打开注册表项");
        EXPECT_STREQ(e.what(), "[26001] "
                               "\xE6\x97\xA0\xE6\xB3\x95\xE6\x89\x93\xE5\xBC\x80\xE6\xB3\xA8\xE5\x86\x8C\xE8"
                               "\xA1\xA8\xE9\xA1\xB9");
    }
}

TEST(Platform, RunsUnderTheChineseCodePage) {
    // Every stored file depends on it: the bench must give the program code page 936.
    EXPECT_EQ(GetACP(), 936u);
}
