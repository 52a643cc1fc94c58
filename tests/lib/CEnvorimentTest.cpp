#include "CEnvoriment.h"
#include "TestSupport.h"
#include "TestWindows.h"
#include <gtest/gtest.h>
#include <windows.h>

namespace {
std::wstring Env(const wchar_t* name) {
    wchar_t buf[512];
    return std::wstring(buf, GetEnvironmentVariableW(name, buf, 512));
}
} // namespace

TEST(CEnvoriment, InitializeEndsTheFolderWithOneBackslash) {
    for (const wchar_t* folder : {L"C:\\Tools", L"C:\\Tools\\"}) {
        CEnvoriment env;
        env.Initialize(folder);
        EXPECT_EQ(env.AppPath(), L"C:\\Tools\\");
        EXPECT_EQ(env.AppExePath(), L"C:\\Tools\\test_lib.exe");
    }
    CEnvoriment env;
    env.SetAppPath(L"D:\\x");
    EXPECT_EQ(env.AppPath(), L"D:\\x");
}

TEST(CEnvoriment, NamesComeWithoutTerminators) {
    CEnvoriment env;
    EXPECT_EQ(env.ComputerName(), L"") << "filled by Initialize";
    env.Initialize(L"C:\\");
    // The process environment is an independent witness of both names.
    EXPECT_EQ(env.ComputerName(), Env(L"COMPUTERNAME"));
    EXPECT_EQ(env.UserName(), Env(L"USERNAME"));
    EXPECT_FALSE(env.ComputerName().empty());
    EXPECT_FALSE(env.UserName().empty());
    EXPECT_EQ(env.UserName().find(L'\0'), std::wstring::npos);
    EXPECT_EQ(env.ComputerName().find(L'\0'), std::wstring::npos);
}

TEST(CEnvoriment, VersionFamilies) {
    struct Case {
        unsigned long platform, major, minor;
        eWindowsVersion expected;
    } cases[] = {
        {0, 3, 10, WV_WIN16},   {1, 4, 10, WV_WIN9X},  {2, 4, 0, WV_WINNT},   {2, 5, 0, WV_WIN2000},
        {2, 5, 1, WV_WINXP},    {2, 5, 2, WV_WIN2003}, {2, 5, 3, WV_UNKNOWN}, {2, 6, 1, WV_UNKNOWN},
        {2, 10, 0, WV_UNKNOWN}, {3, 5, 1, WV_UNKNOWN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyWindowsVersion(c.platform, c.major, c.minor), c.expected)
            << c.platform << "." << c.major << "." << c.minor;
}

TEST(CEnvoriment, ThisSystemIsNewerThanTheKnownFamiliesAndGetsTheShortVersionText) {
    CEnvoriment env;
    env.Initialize(L"C:\\");
    OSVERSIONINFOW v{sizeof v};
    ASSERT_TRUE(GetVersionExW(&v));
    ASSERT_GE(v.dwMajorVersion, 6u) << "the bench reports a current Windows";
    EXPECT_EQ(env.WindowsVersion(), WV_UNKNOWN);
    std::wstring expected = L"2." + std::to_wstring(v.dwMajorVersion) + L"." +
                            std::to_wstring(v.dwMinorVersion) + L"." + std::to_wstring(v.dwBuildNumber) +
                            L"|" + v.szCSDVersion;
    EXPECT_EQ(env.WindowsVersionStr(), expected);
}

TEST(CEnvoriment, OlderSystemsGetTheLongVersionText) {
    // Wine reports the Windows version configured for a program's file name; a copy of the helper
    // under a name of its own gets Windows XP x64 (5.2, the Server 2003 kernel).
    TempDir dir;
    const std::wstring name = UniqueName(L"orvel_xp64") + L".exe";
    ASSERT_TRUE(CopyFileW(HelperProcess::HelperExe().c_str(), (dir / name).c_str(), FALSE));
    ASSERT_TRUE(
        CopyFileW((TestBinDir() + L"\\AxOrvelLib.dll").c_str(), (dir / L"AxOrvelLib.dll").c_str(), FALSE));
    const std::wstring key = L"Software\\Wine\\AppDefaults\\" + name;
    const wchar_t version[] = L"winxp64";
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"Version", REG_SZ, version, sizeof version),
              0);
    ScopeExit cleanup([&] { RegDeleteTreeW(HKEY_CURRENT_USER, key.c_str()); });

    HelperProcess env({L"env", dir / L"env.txt"}, dir / name);
    ASSERT_EQ(env.Wait(), 0u);
    EXPECT_EQ(ReadFileBytes(dir / L"env.txt"), "6\n2.5.2.3790|256.1|2.0|Service Pack 2");
}
