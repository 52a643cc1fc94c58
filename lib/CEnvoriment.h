#pragma once
// Facts about the running program and the computer, gathered once at start-up. The program's folder
// comes from the caller: inside this library the platform's idea of the running module is the DLL.
#include "LibApi.h"
#include <string>

enum eWindowsVersion : long {
    WV_UNKNOWN = 0,
    WV_WIN16 = 1,
    WV_WIN9X = 2,
    WV_WINNT = 3,
    WV_WIN2000 = 4,
    WV_WINXP = 5,
    WV_WIN2003 = 6,
};

// The family of a version record; every release after Windows Server 2003 is WV_UNKNOWN.
AXORVELLIB_API eWindowsVersion ClassifyWindowsVersion(unsigned long platformId, unsigned long major,
                                                      unsigned long minor);

class AXORVELLIB_API CEnvoriment {
public:
    const std::wstring& AppExePath() const { return m_appExePath; }
    const std::wstring& AppPath() const { return m_appPath; }
    // Stored as given: only Initialize adds the closing backslash.
    void SetAppPath(const std::wstring& value) { m_appPath = value; }
    eWindowsVersion WindowsVersion() const { return m_windowsVersion; }
    const std::wstring& ComputerName() const { return m_computerName; }
    const std::wstring& WindowsVersionStr() const { return m_windowsVersionStr; }
    // Asked afresh at every call.
    std::wstring UserName() const;

    void Initialize(const std::wstring& sAppPath);

private:
    void ReadWindowsVersion();

    std::wstring m_appPath;
    std::wstring m_appExePath;
    std::wstring m_computerName;
    eWindowsVersion m_windowsVersion = WV_UNKNOWN;
    std::wstring m_windowsVersionStr;
};
