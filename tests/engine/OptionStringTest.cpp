#include "COptionString.h"
#include <gtest/gtest.h>

namespace {
COptionString With(const std::wstring& s) {
    COptionString o;
    o.SetOptionsStr(s);
    return o;
}
} // namespace

TEST(COptionString, HasOptionIsAnExactCaseSubstringTest) {
    struct {
        const wchar_t* options;
        const wchar_t* code;
        bool has;
    } cases[] = {
        {L"-cadd", L"add", false}, {L"-add-cadd", L"add", true},   {L"-add", L"ADD", false},
        {L"", L"add", false},      {L"-dis -bcmp", L"bcmp", true}, {L"x-nsuby", L"nsub", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(With(c.options).HasOption(c.code), c.has) << testing::PrintToString(c.options);
}

TEST(COptionString, AddAndDelete) {
    COptionString o = With(L"-del");
    EXPECT_FALSE(o.AddOption(L"del"));
    EXPECT_EQ(o.OptionsStr(), L"-del");

    COptionString e;
    EXPECT_TRUE(e.AddOption(L"del"));
    EXPECT_EQ(e.OptionsStr(), L"-del");

    COptionString d = With(L"-nsub-add-nsub");
    EXPECT_TRUE(d.DeleteOption(L"nsub"));
    EXPECT_EQ(d.OptionsStr(), L"-add");
    EXPECT_FALSE(d.DeleteOption(L"nsub"));

    COptionString b = With(L"-dis -bcmp");
    EXPECT_TRUE(b.IsDisable());
    EXPECT_TRUE(b.IsBinaryCompare());
    b.SetIsDisable(false);
    EXPECT_EQ(b.OptionsStr(), L" -bcmp");
}

TEST(COptionString, PropertiesMapToTheirCodesInSettingOrder) {
    struct Prop {
        const wchar_t* code;
        bool (COptionString::*get)() const;
        void (COptionString::*set)(bool);
    } props[] = {
        {L"dis", &COptionString::IsDisable, &COptionString::SetIsDisable},
        {L"bcmp", &COptionString::IsBinaryCompare, &COptionString::SetIsBinaryCompare},
        {L"cupd", &COptionString::IsCommitUpdate, &COptionString::SetIsCommitUpdate},
        {L"add", &COptionString::IsAdd, &COptionString::SetIsAdd},
        {L"del", &COptionString::IsDelete, &COptionString::SetIsDelete},
        {L"cadd", &COptionString::IsCommitAdd, &COptionString::SetIsCommitAdd},
        {L"cdel", &COptionString::IsCommitDelete, &COptionString::SetIsCommitDelete},
        {L"nsub", &COptionString::IsSubDir, &COptionString::SetIsSubDir},
        {L"wnos", &COptionString::IsWildcardNoSubdir, &COptionString::SetIsWildcardNoSubdir},
        {L"exbk", &COptionString::IsExcludeBak, &COptionString::SetIsExcludeBak},
    };
    for (const Prop& p : props) {
        COptionString o;
        EXPECT_FALSE((o.*p.get)());
        (o.*p.set)(true);
        EXPECT_EQ(o.OptionsStr(), std::wstring(L"-") + p.code);
        EXPECT_TRUE((o.*p.get)());
        (o.*p.set)(true);
        EXPECT_EQ(o.OptionsStr(), std::wstring(L"-") + p.code) << "never duplicated";
        (o.*p.set)(false);
        EXPECT_EQ(o.OptionsStr(), L"");
    }
    COptionString order;
    order.SetIsSubDir(true);
    order.SetIsAdd(true);
    EXPECT_EQ(order.OptionsStr(), L"-nsub-add");
}

TEST(COptionString, DefaultTaskOptions) {
    EXPECT_EQ(COptionString::DefaultTaskOptions(), L"-add-cadd-del-nsub-wnos-exbk");
}
