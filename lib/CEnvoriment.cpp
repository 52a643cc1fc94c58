#include "CEnvoriment.h"
#include "ModulePath.h"
#include <windows.h>

namespace {
std::wstring ExeBaseName() {
    std::wstring path = ModuleFileName();
    std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
    size_t dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

std::wstring Num(unsigned long v) {
    return std::to_wstring(v);
}

std::wstring ShortVersionStr(const OSVERSIONINFOW& v) {
    return Num(v.dwPlatformId) + L"." + Num(v.dwMajorVersion) + L"." + Num(v.dwMinorVersion) + L"." +
           Num(v.dwBuildNumber) + L"|" + v.szCSDVersion;
}

std::wstring LongVersionStr(const OSVERSIONINFOEXW& v) {
    return Num(v.dwPlatformId) + L"." + Num(v.dwMajorVersion) + L"." + Num(v.dwMinorVersion) + L"." +
           Num(v.dwBuildNumber) + L"|" + Num(v.wSuiteMask) + L"." + Num(v.wProductType) + L"|" +
           Num(v.wServicePackMajor) + L"." + Num(v.wServicePackMinor) + L"|" + v.szCSDVersion;
}
} // namespace

eWindowsVersion ClassifyWindowsVersion(unsigned long platformId, unsigned long major, unsigned long minor) {
    switch (platformId) {
    case VER_PLATFORM_WIN32s:
        return WV_WIN16;
    case VER_PLATFORM_WIN32_WINDOWS:
        return WV_WIN9X;
    case VER_PLATFORM_WIN32_NT:
        if (major < 5) return WV_WINNT;
        if (major > 5) return WV_UNKNOWN;
        switch (minor) {
        case 0:
            return WV_WIN2000;
        case 1:
            return WV_WINXP;
        case 2:
            return WV_WIN2003;
        default:
            return WV_UNKNOWN;
        }
    default:
        return WV_UNKNOWN;
    }
}

std::wstring CEnvoriment::UserName() const {
    wchar_t buf[256];
    DWORD n = DWORD(std::size(buf));
    if (!GetUserNameW(buf, &n) || n == 0) return L"";
    // The count includes the terminating NUL.
    return std::wstring(buf, n - 1);
}

void CEnvoriment::Initialize(const std::wstring& sAppPath) {
    m_appPath = sAppPath;
    if (m_appPath.empty() || m_appPath.back() != L'\\') m_appPath += L'\\';
    m_appExePath = m_appPath + ExeBaseName() + L".exe";

    wchar_t name[256];
    DWORD n = DWORD(std::size(name));
    m_computerName = GetComputerNameW(name, &n) ? std::wstring(name, n) : std::wstring();

    ReadWindowsVersion();
}

void CEnvoriment::ReadWindowsVersion() {
    m_windowsVersion = WV_UNKNOWN;
    m_windowsVersionStr.clear();
    OSVERSIONINFOW plain{};
    plain.dwOSVersionInfoSize = sizeof plain;
    if (!GetVersionExW(&plain)) return;
    m_windowsVersion = ClassifyWindowsVersion(plain.dwPlatformId, plain.dwMajorVersion, plain.dwMinorVersion);
    if (m_windowsVersion < WV_WIN2000) {
        m_windowsVersionStr = ShortVersionStr(plain);
        return;
    }
    OSVERSIONINFOEXW ext{};
    ext.dwOSVersionInfoSize = sizeof ext;
    if (GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&ext))) m_windowsVersionStr = LongVersionStr(ext);
}
