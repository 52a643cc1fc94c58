#include "CError.h"
#include "VbDate.h"
#include "VbNumber.h"
#include <gtest/gtest.h>

TEST(Val, LeadingNumberOfAText) {
    struct {
        const wchar_t* text;
        double value;
    } cases[] = {
        {L"", 0},        {L"abc", 0},     {L"42", 42},     {L"  42abc", 42},
        {L"-7", -7},     {L"+3.5x", 3.5}, {L"1 2 3", 123}, {L"\t12\r\n", 12},
        {L"1.5e2", 150}, {L"2D1", 20},    {L"1e", 1},      {L".5", 0.5},
        {L"-", 0},       {L"&H10", 16},   {L"&HFFFF", -1}, {L"&HFFFFFFFF", -1},
        {L"&O17", 15},   {L"12,5", 12},   {L"３", 0},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(Val(c.text), c.value) << "text: " << testing::PrintToString(c.text);
}

TEST(Val, RoundsHalvesToEvenAndRaisesOverflow) {
    struct {
        const wchar_t* text;
        int32_t value;
    } cases[] = {{L"2.5", 2},
                 {L"3.5", 4},
                 {L"-2.5", -2},
                 {L"2.6", 3},
                 {L"0.5", 0},
                 {L"1.5", 2},
                 {L"2147483647", 2147483647},
                 {L"-2147483648", INT32_MIN}};
    for (const auto& c : cases)
        EXPECT_EQ(ValLong(c.text), c.value) << testing::PrintToString(c.text);

    for (const wchar_t* big : {L"2147483648", L"-2147483649", L"1e300", L"1e999"}) {
        try {
            ValLong(big, L"AxOrvelSync");
            ADD_FAILURE() << "no overflow for " << testing::PrintToString(big);
        } catch (const CError& e) {
            EXPECT_EQ(e.Number, 6);
            EXPECT_EQ(e.Description, L"Overflow");
        }
    }
}

TEST(FormatNumber, ZeroPictures) {
    struct {
        double value;
        const wchar_t* picture;
        const wchar_t* text;
    } cases[] = {
        {512, L"0.00", L"512.00"},  {1.5, L"0.00", L"1.50"},        {0.004, L"0.00", L"0.00"},
        {1.005, L"0.00", L"1.01"},  {2.675, L"0.00", L"2.68"},      {7, L"0000", L"0007"},
        {12345, L"0000", L"12345"}, {0.5, L"0000", L"0001"},        {-1.25, L"0.00", L"-1.25"},
        {-0.001, L"0.00", L"0.00"}, {999.999, L"0.00", L"1000.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.picture), c.text) << c.value;
}

TEST(DateSerial, DaysSince30December1899) {
    EXPECT_DOUBLE_EQ(DateSerial({1899, 12, 30}), 0);
    EXPECT_DOUBLE_EQ(DateSerial({1900, 1, 1}), 2);
    EXPECT_DOUBLE_EQ(DateSerial({2000, 1, 1}), 36526);
    EXPECT_DOUBLE_EQ(DateSerial({2026, 12, 11, 12, 0, 0}), 46367.5);
    EXPECT_DOUBLE_EQ(DateSerial({2026, 13, 1}), DateSerial({2027, 1, 1}));
    EXPECT_DOUBLE_EQ(DateSerial({1899, 12, 29, 6, 0, 0}), -1.25);

    DateParts p = SplitDate(DateSerial({2024, 2, 29, 23, 59, 59}));
    EXPECT_EQ(p.Year, 2024);
    EXPECT_EQ(p.Month, 2);
    EXPECT_EQ(p.Day, 29);
    EXPECT_EQ(p.Hour, 23);
    EXPECT_EQ(p.Minute, 59);
    EXPECT_EQ(p.Second, 59);
    // A fraction a hair below midnight rounds into the next day, not to 24:00:00.
    DateParts q = SplitDate(DateSerial({2024, 2, 29}) + 0.9999999);
    EXPECT_EQ(q.Month, 3);
    EXPECT_EQ(q.Day, 1);
    EXPECT_EQ(q.Hour, 0);
}

TEST(FormatDate, PicturesInUse) {
    double t = DateSerial({2026, 3, 7, 9, 5, 4});
    struct {
        const wchar_t* picture;
        const wchar_t* text;
    } cases[] = {
        {L"yyyyMMdd", L"20260307"},
        {L"hhmmss", L"090504"},
        {L"yyyyMMdd_hhmmss", L"20260307_090504"},
        {L"yyyy-MM-dd hh:mm:ss", L"2026-03-07 09:05:04"},
        {L"yyyy-mm-dd", L"2026-03-07"}, // month: neither after an hour nor before seconds
        {L"h:m", L"9:5"},
        {L"yy/M/d", L"26/3/7"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatDate(t, c.picture), c.text) << testing::PrintToString(c.picture);
}
