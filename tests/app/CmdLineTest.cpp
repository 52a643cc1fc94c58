#include "mCmdLine.h"
#include <gtest/gtest.h>

namespace {
// Entries written as (Index,cmd,param) one after another.
std::wstring Entries(const std::wstring& text) {
    auto list = ParseCommandLine(text);
    std::wstring out;
    for (int32_t i = 0; i < list->Count(); ++i) {
        auto e = list->Item(i);
        out += L"(" + std::to_wstring(e->Index) + L"," + e->cmd + L"," + e->param + L")";
    }
    return out;
}

std::wstring Tokens(const std::wstring& text) {
    std::vector<std::wstring> tokens{L"stale"};
    int32_t count = -1;
    SplitCommandLine(text, tokens, count);
    EXPECT_EQ(size_t(count), tokens.size()) << text;
    std::wstring out;
    for (const auto& t : tokens)
        out += L"[" + t + L"]";
    return out;
}
} // namespace

TEST(SplitCommandLine, Tokens) {
    struct Case {
        const wchar_t* text;
        const wchar_t* tokens;
    } cases[] = {
        {L"", L""},
        {L"   ", L""},
        {L"a b", L"[a][b]"},
        {L"  a     b  ", L"[a][b]"},                 // runs of blanks count as one
        {L"\"C:\\a b\" D:\\c", L"[C:\\a b][D:\\c]"}, // quotes removed, blanks kept inside
        {L"\"a  b\"", L"[a b]"},                     // blanks shrink even inside quotes
        {L"\"\" x", L"[][x]"},                       // an empty quoted token
        {L"ab\"c d\" e", L"[ab\"c][c d][d\"][e]"},   // a quote opening inside a word
        {L"\"a\"b c", L"[a][c]"},                    // text after the closing quote is dropped
        {L"x \"a b", L"[x]"},                        // an unclosed quote drops the rest
        {L"a\tb", L"[a\tb]"},                        // only blanks separate
        {L"\"E:\\\" \"F:\\\"", L"[E:\\][F:\\]"},     // a backslash does not escape the quote
    };
    for (const Case& c : cases)
        EXPECT_EQ(Tokens(c.text), c.tokens) << c.text;
}

TEST(ParseCommandLine, Entries) {
    struct Case {
        const wchar_t* text;
        const wchar_t* entries;
    } cases[] = {
        {L"-hide", L"(0,hide,)"},
        {L"\"C:\\a b\" D:\\c", L"(0,,C:\\a b)(1,,D:\\c)"},
        {L"/add E:\\x E:\\y -hide", L"(1,add,E:\\x)(2,add,E:\\y)(3,hide,)"},
        {L"-a -b", L"(0,a,)(1,b,)"},
        {L"", L""},
        {L"-HIDE", L"(0,HIDE,)"},            // letter case is the caller's matter
        {L"hide", L"(0,,hide)"},             // a bare word is a value
        {L"-hide C:\\x", L"(1,hide,C:\\x)"}, // the value belongs to the switch
        {L"\\a ^b", L"(0,a,)(1,b,)"},        // every switch character
        {L"a -s b c", L"(0,,a)(2,s,b)(3,s,c)"},
        {L"-", L"(0,,)"},          // a switch with no name
        {L"\"-x\" y", L"(1,x,y)"}, // a quoted switch is still a switch
        {L"\"\"", L"(0,,)"},       // an empty value
        {L"-hide \"C:\\a", L""},   // the unclosed quote swallows the closing "^"
    };
    for (const Case& c : cases)
        EXPECT_EQ(Entries(c.text), c.entries) << c.text;
}
