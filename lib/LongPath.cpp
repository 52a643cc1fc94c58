#include "LongPath.h"

std::wstring SystemPath(const std::wstring& path) {
    // 248 is the limit for folder paths (room for an 8.3 name), the tighter of the two.
    if (path.size() < 248 || path.rfind(L"\\\\?\\", 0) == 0) return path;
    std::wstring p = path;
    for (wchar_t& c : p)
        if (c == L'/') c = L'\\';
    if (p.size() > 2 && p[1] == L':' && p[2] == L'\\') return L"\\\\?\\" + p;
    if (p.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + p.substr(2);
    return path;
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
    std::wstring p;
    p.reserve(folder.size() + 1 + name.size()); // one allocation: this runs for every file of a walk
    p.append(folder);
    if (p.empty() || p.back() != L'\\') p += L'\\';
    return p.append(name);
}
