#pragma once
// Letter-case folding for comparisons that ignore case (paths, INI names), without the platform so
// the text units stay portable. Covers the alphabets a file name is likely to use: ASCII, Latin-1,
// Latin Extended-A, Greek, Cyrillic and full-width Latin; CJK has no case.
#include <string>
#include <string_view>

inline wchar_t FoldChar(wchar_t c) {
    if (c < 0x80) return (c >= L'A' && c <= L'Z') ? wchar_t(c + 32) : c;
    if (c == 0x178) return 0xFF;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7)) return wchar_t(c + 32);
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x178 && c != 0x17F) {
        // Pairs alternate upper/lower; the block shifts parity at 0x139-0x148 and 0x179-0x17E.
        bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        return (oddUpper ? (c & 1) : !(c & 1)) ? wchar_t(c + 1) : c;
    }
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return wchar_t(c + 32);
    if (c >= 0x410 && c <= 0x42F) return wchar_t(c + 32);
    if (c >= 0x400 && c <= 0x40F) return wchar_t(c + 80);
    if (c >= 0xFF21 && c <= 0xFF3A) return wchar_t(c + 32);
    return c;
}

inline std::wstring FoldCase(std::wstring_view s) {
    std::wstring out(s);
    for (wchar_t& c : out) c = FoldChar(c);
    return out;
}

inline bool EqualsNoCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldChar(a[i]) != FoldChar(b[i])) return false;
    return true;
}

inline bool ContainsNoCase(std::wstring_view hay, std::wstring_view needle) {
    return FoldCase(hay).find(FoldCase(needle)) != std::wstring::npos;
}
