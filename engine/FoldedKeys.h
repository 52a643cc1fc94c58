#pragma once
// Hash and equality that ignore letter case as EqualsNoCase does, for path-keyed containers that
// are looked up once per file: no folded copy of the key is ever made.
#include "CaseFold.h"
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

struct FoldHash {
    using is_transparent = void;
    size_t operator()(std::wstring_view s) const noexcept {
        size_t h = 14695981039346656037ull;
        for (wchar_t c : s)
            h = (h ^ size_t(FoldChar(c))) * 1099511628211ull;
        return h;
    }
};
struct FoldEq {
    using is_transparent = void;
    bool operator()(std::wstring_view a, std::wstring_view b) const noexcept { return EqualsNoCase(a, b); }
};

using FoldedSet = std::unordered_set<std::wstring, FoldHash, FoldEq>;
template <class V> using FoldedMap = std::unordered_map<std::wstring, V, FoldHash, FoldEq>;
