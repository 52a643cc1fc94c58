#include "CMemIni.h"
#include <gtest/gtest.h>

namespace {
std::wstring RoundTrip(const std::wstring& text) {
    CMemIni ini;
    ini.Load(text);
    return ini.ToStr();
}
} // namespace

TEST(CMemIni, ReportSectionOnEmptyDocument) {
    CMemIni ini;
    EXPECT_EQ(ini.ToStr(), L"");
    ini.SetValue(L"report", L"content", L"在 Form1.Load\\n[5]x");
    ini.SetValue(L"report", L"email", L"a@b.c");
    EXPECT_EQ(ini.ToStr(), L"[report]\r\ncontent=在 Form1.Load\\n[5]x\r\nemail=a@b.c");
    EXPECT_EQ(ini.ini(), ini.ToStr());
    ini.SetValue(L"report", L"email", L"d@e.f"); // replaced in place, not appended
    ini.SetValue(L"other", L"k", L"v");
    EXPECT_EQ(ini.ToStr(), L"[report]\r\ncontent=在 Form1.Load\\n[5]x\r\nemail=d@e.f\r\n[other]\r\nk=v");
}

TEST(CMemIni, WritesBackWhatItParsed) {
    struct Case {
        const wchar_t* text;
        const wchar_t* written;
    } cases[] = {
        {L"[s]\r\na = b", L"[s]\r\na = b"},
        {L"[s]\r\na=1\r\n;note\r\nb=2", L"[s]\r\na=1\r\n;note\r\nb=2"},
        {L"[s]\r\nword", L"[s]\r\nword="},
        {L"x=1\r\n;lead\r\n[s]\r\na=1", L"[s]\r\na=1"},
        {L"[s]\r\n\r\n\r\na=1\r\n", L"[s]\r\na=1"},
        {L"[a]\r\n[#ENDSEC]\r\nk=v\r\n[b]", L"[a]\r\n[#ENDSEC]\r\nk=v\r\n[b]"},
        {L"[s]\r\na=b=c", L"[s]\r\na=b=c"},
        {L"[s]\r\na=1\nb=2", L"[s]\r\na=1\nb=2"},     // a lone line feed does not end the line
        {L"[s]junk\r\na=1", L"[s]\r\na=1"},           // text after "]" is not part of the name
        {L"[s]\r\na=1\r\na=2", L"[s]\r\na=1\r\na=2"}, // repeated keys are all kept
        {L"", L""},
        {L"no sections at all", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RoundTrip(c.text), c.written) << c.text;
}

TEST(CMemIni, LookupsAreExact) {
    CMemIni ini;
    ini.Load(L"[Report]\r\nEmail=x\r\n[s]\r\na = b\r\nk=1\nk2=2");
    EXPECT_EQ(ini.Value(L"Report", L"Email"), L"x");
    EXPECT_EQ(ini.Value(L"report", L"Email"), L"");
    EXPECT_EQ(ini.Value(L"Report", L"email"), L"");
    EXPECT_EQ(ini.Value(L"s", L"a "), L" b");
    EXPECT_EQ(ini.Value(L"s", L"a"), L"");
    EXPECT_EQ(ini.Value(L"s", L"k"), L"1\nk2=2");
    EXPECT_EQ(ini.Value(L"missing", L"a"), L"");
}

TEST(CMemIni, CommentsAreCountedAndEnumerated) {
    CMemIni ini;
    ini.Load(L"[s]\r\na=1\r\n;note\r\nb");
    EXPECT_EQ(ini.GetKeyCount(L"s"), 3);
    EXPECT_EQ(ini.GetKeyCount(L"t"), 0);
    std::vector<std::wstring> keys, values;
    int32_t n = -1;
    ini.EnumKeyValue(L"s", keys, values, n);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(keys, (std::vector<std::wstring>{L"a", L";", L"b", L""}));
    EXPECT_EQ(values, (std::vector<std::wstring>{L"1", L";note", L"", L""}));

    std::vector<std::wstring> untouched{L"keep"};
    int32_t m = 42;
    ini.EnumKey(L"absent", untouched, m);
    EXPECT_EQ(m, 42);
    EXPECT_EQ(untouched, std::vector<std::wstring>{L"keep"});
}

TEST(CMemIni, EnumSectionHasOneSpareElement) {
    CMemIni ini;
    ini.Load(L"[a]\r\n[b]");
    std::vector<std::wstring> names;
    int32_t n = 0;
    ini.EnumSection(names, n);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"a", L"b", L""}));
    EXPECT_EQ(ini.GetSectionCount(), 2);
}

TEST(CMemIni, DeletesMoveTheLastIntoPlace) {
    CMemIni ini;
    ini.Load(L"[s]\r\na=1\r\nb=2\r\nc=3\r\n[t]\r\nx=1\r\n[u]");
    ini.DeleteKey(L"s", L"a");
    ini.DeleteKey(L"s", L"zz");
    ini.DeleteKey(L"zz", L"a");
    ini.DeleteSection(L"s");
    ini.DeleteSection(L"zz");
    EXPECT_EQ(ini.ToStr(), L"[u]\r\n[t]\r\nx=1");

    CMemIni keys;
    keys.Load(L"[s]\r\na=1\r\nb=2\r\nc=3");
    keys.DeleteKey(L"s", L"a");
    EXPECT_EQ(keys.ToStr(), L"[s]\r\nc=3\r\nb=2");
}

TEST(CMemIni, LoadAddsAndLookupsFindTheFirstCopy) {
    CMemIni ini;
    ini.Load(L"[s]\r\na=1");
    ini.Load(L"[s]\r\na=2");
    EXPECT_EQ(ini.GetSectionCount(), 2);
    EXPECT_EQ(ini.Value(L"s", L"a"), L"1");
    EXPECT_EQ(ini.ini(), L"[s]\r\na=2"); // the text last handed in
    EXPECT_EQ(ini.ToStr(), L"[s]\r\na=1\r\n[s]\r\na=2");
    ini.SetIni(L"raw"); // stored, not parsed
    EXPECT_EQ(ini.ini(), L"raw");
    EXPECT_EQ(ini.GetSectionCount(), 2);
}

TEST(CMemIni, UnclosedHeaderFailsKeepingWhatCameBefore) {
    const wchar_t* broken = L"[a]\r\nk=v\r\n[broken\r\n[c]\r\nk=v";
    for (const wchar_t* bad : {L"[", L"[a]\r\n[b", broken}) {
        CMemIni ini;
        try {
            ini.Load(bad);
            ADD_FAILURE() << "no error for " << bad;
        } catch (const CError& e) {
            EXPECT_EQ(e.Number, 5);
        }
    }
    CMemIni ini;
    EXPECT_THROW(ini.Load(broken), CError);
    EXPECT_EQ(ini.Value(L"a", L"k"), L"v");
    EXPECT_EQ(ini.GetSectionCount(), 1); // nothing after the bad line
}

TEST(CMemIni, LargeDocumentRoundTrips) {
    std::wstring text = L"[big]";
    for (int i = 0; i < 20000; ++i)
        text += L"\r\nk" + std::to_wstring(i) + L"=" + std::to_wstring(i);
    CMemIni ini;
    ini.Load(text);
    EXPECT_EQ(ini.GetKeyCount(L"big"), 20000);
    EXPECT_EQ(ini.Value(L"big", L"k19999"), L"19999");
    EXPECT_EQ(ini.ToStr(), text);
}
