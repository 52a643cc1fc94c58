#include "PathName.h"

std::wstring GetFileName(const std::wstring& path) {
    size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring GetBaseName(const std::wstring& path) {
    std::wstring name = GetFileName(path);
    size_t dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

std::wstring GetExtension(const std::wstring& path) {
    std::wstring name = GetFileName(path);
    size_t dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? L"" : name.substr(dot + 1);
}

std::wstring GetFolderPart(const std::wstring& path, bool bStrip) {
    size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos) return L"";
    std::wstring folder = path.substr(0, slash + 1);
    if (bStrip && folder.size() > 3) folder.pop_back();
    return folder;
}

std::wstring GetDriveRoot(const std::wstring& path) {
    return path.substr(0, 3);
}

std::wstring TrimAtNull(const std::wstring& text) {
    return text.substr(0, text.find(L'\0'));
}

std::wstring StripTrailingBackslash(const std::wstring& path) {
    if (!path.empty() && path.back() == L'\\') return path.substr(0, path.size() - 1);
    return path;
}
