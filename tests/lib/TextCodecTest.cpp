#include "Ansi.h"
#include "CaseFold.h"
#include "Utf8.h"
#include <gtest/gtest.h>

TEST(Ansi, ChineseRoundTripsAndOthersAreAltered) {
    std::string gbk = ToAnsi(L"同步");
    EXPECT_EQ(gbk, "\xCD\xAC\xB2\xBD");
    EXPECT_EQ(FromAnsi(gbk), L"同步");
    EXPECT_EQ(ToAnsi(L""), "");
    // Thai is outside code page 936: it cannot come back unchanged.
    EXPECT_NE(FromAnsi(ToAnsi(L"ไทย")), L"ไทย");
}

TEST(Utf8, RoundTripAndMalformedInput) {
    std::wstring text = L"a同\U0001F600z";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(ToUtf8(L"\xD800x"), "\xEF\xBF\xBDx");   // lone surrogate
    EXPECT_EQ(FromUtf8("\xC0\xAF"), L"\xFFFD\xFFFD"); // overlong
    EXPECT_EQ(FromUtf8("\xE5\x90"), L"\xFFFD\xFFFD"); // cut short
}

TEST(CaseFold, IgnoresCaseOfLettersOnly) {
    EXPECT_TRUE(EqualsNoCase(L"C:\\Work\\ÄÖ", L"c:\\work\\äö"));
    EXPECT_TRUE(EqualsNoCase(L"ĀĹŸ", L"āĺÿ"));
    EXPECT_TRUE(EqualsNoCase(L"ΣΑΒ", L"σαβ"));
    EXPECT_TRUE(EqualsNoCase(L"ДОК", L"док"));
    EXPECT_FALSE(EqualsNoCase(L"同步a", L"同步b"));
    EXPECT_FALSE(EqualsNoCase(L"ab", L"abc"));
    EXPECT_TRUE(ContainsNoCase(L"D:\\Backup\\Docs", L"backup\\"));
}
