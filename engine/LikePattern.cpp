#include "LikePattern.h"

namespace {
// Matches one character against the token at pattern[p]; sets next to the token's end. A token
// may be a bracket list; an unclosed "[" stands for itself.
bool MatchOne(wchar_t c, std::wstring_view pattern, size_t p, size_t& next) {
    wchar_t t = pattern[p];
    next = p + 1;
    if (t == L'?') return true;
    if (t == L'#') return c >= L'0' && c <= L'9';
    if (t != L'[') return c == t;
    size_t close = pattern.find(L']', p + 1);
    if (close == std::wstring_view::npos) return c == L'[';
    next = close + 1;
    size_t i = p + 1;
    bool negate = i < close && pattern[i] == L'!';
    if (negate) ++i;
    bool found = false;
    for (; i < close; ++i) {
        // A hyphen between two characters makes a range; at either end it is itself.
        if (i + 2 < close && pattern[i + 1] == L'-') {
            if (c >= pattern[i] && c <= pattern[i + 2]) found = true;
            i += 2;
        } else if (c == pattern[i]) {
            found = true;
        }
    }
    return found != negate;
}

// An empty list [] matches no character at all: it takes up no room in the text.
bool IsEmptyList(std::wstring_view pattern, size_t p) {
    return pattern[p] == L'[' && p + 1 < pattern.size() && pattern[p + 1] == L']';
}
} // namespace

bool MatchesLike(std::wstring_view text, std::wstring_view pattern) {
    size_t t = 0, p = 0;
    size_t starP = std::wstring_view::npos, starT = 0;
    // Every token but the star matches exactly one character, so remembering the last star is
    // enough: on a mismatch the star takes one more character and matching resumes after it.
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            starP = ++p;
            starT = t;
            continue;
        }
        if (p < pattern.size() && IsEmptyList(pattern, p)) {
            p += 2;
            continue;
        }
        size_t next;
        if (p < pattern.size() && MatchOne(text[t], pattern, p, next)) {
            p = next;
            ++t;
            continue;
        }
        if (starP == std::wstring_view::npos) return false;
        p = starP;
        t = ++starT;
    }
    while (p < pattern.size() && (pattern[p] == L'*' || IsEmptyList(pattern, p)))
        p += pattern[p] == L'*' ? 1 : 2;
    return p == pattern.size();
}
