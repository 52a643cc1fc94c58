#include "LikePattern.h"
#include <gtest/gtest.h>

TEST(MatchesLike, Wildcards) {
    struct {
        const wchar_t* text;
        const wchar_t* pattern;
        bool match;
    } cases[] = {
        {L"C:\\a\\b.TMP", L"*.tmp", false}, // letter case matters
        {L"C:\\a\\b.TMP", L"*.TMP", true},
        {L"C:\\x\\cache\\y\\z.txt", L"*\\cache\\*", true},
        {L"C:\\x\\Thumbs.db", L"Thumbs.db", false}, // whole-path matching
        {L"C:\\d\\x_obk20240101.txt", L"*_obk*", true},
        {L"C:\\d\\_obk20240101\\y.txt", L"*_obk*", true},
        {L"", L"", true},
        {L"a", L"", false},
        {L"abc", L"a?c", true},
        {L"ac", L"a?c", false},
        {L"a7", L"a#", true},
        {L"ax", L"a#", false},
        {L"b", L"[a-c]", true},
        {L"d", L"[a-c]", false},
        {L"d", L"[!a-c]", true},
        {L"-", L"[a-]", true},
        {L"-", L"[-a]", true},
        {L"*", L"[*]", true},
        {L"x", L"[*]", false},
        {L"?", L"[?]", true},
        {L"#", L"[#]", true},
        {L"[", L"[[]", true},
        {L"a[", L"a[", true}, // an unclosed bracket stands for itself
        {L"aXbXc", L"a*b*c", true},
        {L"abcabd", L"*abd", true},
        {L"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", L"*a*a*a*a*a*a*a*a*c", false},
        {L"z.TXT", L"*.txt", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MatchesLike(c.text, c.pattern), c.match) << c.text << L" ~ " << c.pattern;
}
