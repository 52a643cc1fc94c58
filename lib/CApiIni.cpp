#include "CApiIni.h"
#include "Ansi.h"
#include <windows.h>

namespace {
constexpr DWORD kValueBuffer = 256;
constexpr DWORD kListBuffer = 8192;

// The NUL-separated key list of a section, as much of it as the service hands over.
std::string KeyList(const std::string& file, const std::string& section) {
    std::string buf(kListBuffer, '\0');
    DWORD n = GetPrivateProfileStringA(section.c_str(), nullptr, "", buf.data(), kListBuffer, file.c_str());
    buf.resize(n);
    return buf;
}

// Splits at NULs; a trailing name without its NUL (cut by the buffer) is dropped.
void SplitList(const std::string& list, bool skipEmpty, std::vector<std::wstring>& names, long& count) {
    names.clear();
    count = 0;
    if (list.empty()) return;
    size_t start = 0;
    for (size_t nul = list.find('\0'); nul != std::string::npos; nul = list.find('\0', start)) {
        std::string name = list.substr(start, nul - start);
        start = nul + 1;
        if (skipEmpty && name.empty()) continue;
        names.push_back(FromAnsi(name));
        ++count;
    }
    if (count) names.emplace_back();
}
} // namespace

std::wstring CApiIni::Value(const std::wstring& sSection, const std::wstring& sKey) const {
    char buf[kValueBuffer] = {};
    DWORD n = GetPrivateProfileStringA(ToAnsi(sSection).c_str(), ToAnsi(sKey).c_str(), "", buf, kValueBuffer,
                                       ToAnsi(m_file).c_str());
    if (n == 0) return L"";
    return FromAnsi(std::string(buf, strnlen(buf, n)));
}

void CApiIni::SetValue(const std::wstring& sSection, const std::wstring& sKey, const std::wstring& value) const {
    WritePrivateProfileStringA(ToAnsi(sSection).c_str(), ToAnsi(sKey).c_str(), ToAnsi(value).c_str(),
                               ToAnsi(m_file).c_str());
}

void CApiIni::DeleteKey(const std::wstring& sSection, const std::wstring& sKey) const {
    WritePrivateProfileStringA(ToAnsi(sSection).c_str(), ToAnsi(sKey).c_str(), nullptr, ToAnsi(m_file).c_str());
}

void CApiIni::DeleteSection(const std::wstring& sSection) const {
    WritePrivateProfileStringA(ToAnsi(sSection).c_str(), nullptr, nullptr, ToAnsi(m_file).c_str());
}

void CApiIni::EnumerateSection(const std::wstring& sSection, std::vector<std::wstring>& sKey, long& iCount) const {
    SplitList(KeyList(ToAnsi(m_file), ToAnsi(sSection)), false, sKey, iCount);
}

void CApiIni::EnumerateAllSections(std::vector<std::wstring>& sSections, long& iCount) const {
    SplitList(KeyList(ToAnsi(m_file), "0"), true, sSections, iCount);
}
