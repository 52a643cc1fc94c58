#include "COrvelVar.h"
#include "CClock.h"
#include "CDriver.h"
#include "ModulePath.h"
#include "PathName.h"
#include "VbDate.h"
#include "VbNumber.h"
#include <cwctype>
#include <random>
#include <windows.h>

namespace {
std::wstring LoadedFromFolder() {
    HMODULE self = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&LoadedFromFolder), &self);
    std::wstring folder = GetFolderPart(ModuleFileName(self));
    if (folder.empty() || folder.back() != L'\\') folder += L'\\';
    return folder;
}

// Recorded when the library loads, so a later change of the current folder cannot move it.
const std::wstring gProgramFolder = LoadedFromFolder();

std::wstring VolumeDrive(const std::wstring& label) {
    // An empty label would pick whichever drive happens to carry none.
    if (label.empty()) return L"";
    CDriverVector drives;
    CDriver().GetDriverVector(drives);
    for (int32_t i = 0; i < drives.Count(); ++i)
        if (drives.Item(i)->Label == label) return StripTrailingBackslash(drives.Item(i)->Pathname);
    return L"";
}

// Exactly n digits (leading zeros kept), every value equally likely. The generator is reseeded from
// the time-of-day clock as well as its own state, so digits differ between runs and between two
// variables of one path.
std::wstring RandomDigits(const std::wstring& count) {
    double v = Val(count);
    int32_t n = v > 10 ? 10 : v <= 0 ? 0 : RoundToLong(v);
    if (n <= 0) return L"";
    static std::mt19937_64 gen;
    double clock = CClock::SecondsSinceMidnight();
    std::seed_seq seed{uint32_t(clock * 1000), uint32_t(gen()), uint32_t(gen() >> 32)};
    gen.seed(seed);
    uint64_t limit = 1;
    for (int32_t i = 0; i < n; ++i)
        limit *= 10;
    std::wstring digits = std::to_wstring(std::uniform_int_distribution<uint64_t>(0, limit - 1)(gen));
    return std::wstring(size_t(n) - digits.size(), L'0') + digits;
}

std::wstring Identity(BOOL(WINAPI* query)(LPWSTR, LPDWORD)) {
    wchar_t buf[256] = {};
    DWORD size = DWORD(std::size(buf));
    return query(buf, &size) ? std::wstring(buf) : L"";
}

std::wstring ValueOf(const std::wstring& token) {
    size_t colon = token.find(L':');
    std::wstring name = token.substr(0, colon);
    std::wstring param = colon == std::wstring::npos ? L"" : token.substr(colon + 1);
    for (wchar_t& c : name)
        c = wchar_t(std::towlower(c));
    if (name == L"vol") return VolumeDrive(param);
    if (name == L"curdrv") return gProgramFolder.substr(0, 2);
    if (name == L"curpath") return StripTrailingBackslash(GetFolderPart(gProgramFolder));
    if (name == L"date") return FormatDate(CClock::Now(), L"yyyyMMdd");
    if (name == L"time") return FormatDate(CClock::Now(), L"hhmmss");
    if (name == L"rnd") return RandomDigits(param);
    if (name == L"env" && param == L"user") return Identity(GetUserNameW);
    if (name == L"env" && param == L"computer") return Identity(GetComputerNameW);
    return L"";
}
} // namespace

const std::wstring& COrvelVar::ProgramFolder() {
    return gProgramFolder;
}

bool COrvelVar::Replace(std::wstring& S) const {
    bool resolved = true;
    size_t pos = 0;
    for (;;) {
        size_t open = S.find(L'<', pos);
        if (open == std::wstring::npos) break;
        size_t close = S.find(L'>', open + 1);
        if (close == std::wstring::npos) break;
        std::wstring value = ValueOf(S.substr(open + 1, close - open - 1));
        if (value.empty()) {
            resolved = false;
            pos = open + 1;
            continue;
        }
        S.replace(open, close - open + 1, value);
        pos = open + value.size();
    }
    return resolved;
}
