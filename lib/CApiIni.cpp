#include "CApiIni.h"
#include <algorithm>
#include <windows.h>

namespace {
constexpr DWORD kValueChars = 256;    // 255 characters and the NUL, as the service was always asked
constexpr int kValueBytes = 255;      // what every version of the program reads back of a value
constexpr DWORD kListChars = 8192;    // the first try; larger lists are read again in a larger buffer
constexpr DWORD kListLimit = 1 << 24; // a bound for a corrupt file, far beyond any real profile

// The longest start of the text that takes at most kValueBytes in the ANSI code page. Older versions
// read values through a 256-byte buffer; a longer value must read the same here, but never end in
// half a double-byte character.
std::wstring CutToStoredLength(const std::wstring& text) {
    if (WideCharToMultiByte(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr) <=
        kValueBytes)
        return text;
    int bytes = 0;
    size_t end = 0;
    while (end < text.size()) {
        size_t width = IS_HIGH_SURROGATE(text[end]) && end + 1 < text.size() ? 2 : 1;
        bytes += WideCharToMultiByte(CP_ACP, 0, text.data() + end, int(width), nullptr, 0, nullptr, nullptr);
        if (bytes > kValueBytes) break;
        end += width;
    }
    return text.substr(0, end);
}

// Splits a NUL-separated list; a trailing name without its NUL is not a whole name and is dropped.
void SplitList(const std::wstring& list, bool skipEmpty, std::vector<std::wstring>& names, long& count) {
    names.clear();
    count = 0;
    size_t start = 0;
    for (size_t nul = list.find(L'\0'); nul != std::wstring::npos; nul = list.find(L'\0', start)) {
        std::wstring name = list.substr(start, nul - start);
        start = nul + 1;
        if (skipEmpty && name.empty()) continue;
        names.push_back(std::move(name));
        ++count;
    }
    if (count) names.emplace_back();
}
} // namespace

std::wstring CApiIni::ServicePath() const {
    if (m_file.empty()) return L"";
    DWORD n = GetFullPathNameW(m_file.c_str(), 0, nullptr, nullptr);
    if (n == 0) return m_file;
    std::wstring full(n, L'\0');
    full.resize(GetFullPathNameW(m_file.c_str(), n, full.data(), nullptr));
    return full;
}

// The service's NUL-separated list (key names of a section, or section names for none). It cuts a
// list that does not fit and answers two less than the buffer size; then a larger buffer is tried,
// so that no task of a long profile goes missing.
std::wstring CApiIni::List(const wchar_t* section) const {
    std::wstring path = ServicePath();
    if (path.empty()) return L"";
    for (DWORD size = kListChars;; size *= 2) {
        std::wstring buf(size, L'\0');
        DWORD n = GetPrivateProfileStringW(section, nullptr, L"", buf.data(), size, path.c_str());
        if (n + 2 < size || size >= kListLimit) {
            buf.resize(n);
            return buf;
        }
    }
}

std::wstring CApiIni::Value(const std::wstring& sSection, const std::wstring& sKey) const {
    std::wstring path = ServicePath();
    if (path.empty()) return L"";
    wchar_t buf[kValueChars] = {};
    DWORD n = GetPrivateProfileStringW(sSection.c_str(), sKey.c_str(), L"", buf, kValueChars, path.c_str());
    if (n == 0) return L"";
    return CutToStoredLength(std::wstring(buf, wcsnlen(buf, n)));
}

// A value is one line of the file: a line break written as it is would end the value there and
// turn the rest into keys or sections of their own (a pasted text could add tasks to a profile).
void CApiIni::SetValue(const std::wstring& sSection, const std::wstring& sKey,
                       const std::wstring& value) const {
    std::wstring path = ServicePath();
    if (path.empty()) return;
    std::wstring line = value;
    std::replace_if(
        line.begin(), line.end(), [](wchar_t c) { return c == L'\r' || c == L'\n'; }, L' ');
    WritePrivateProfileStringW(sSection.c_str(), sKey.c_str(), line.c_str(), path.c_str());
}

void CApiIni::DeleteKey(const std::wstring& sSection, const std::wstring& sKey) const {
    std::wstring path = ServicePath();
    if (!path.empty()) WritePrivateProfileStringW(sSection.c_str(), sKey.c_str(), nullptr, path.c_str());
}

void CApiIni::DeleteSection(const std::wstring& sSection) const {
    std::wstring path = ServicePath();
    if (!path.empty()) WritePrivateProfileStringW(sSection.c_str(), nullptr, nullptr, path.c_str());
}

void CApiIni::EnumerateSection(const std::wstring& sSection, std::vector<std::wstring>& sKey,
                               long& iCount) const {
    SplitList(List(sSection.c_str()), false, sKey, iCount);
}

void CApiIni::EnumerateAllSections(std::vector<std::wstring>& sSections, long& iCount) const {
    SplitList(List(nullptr), true, sSections, iCount);
}
