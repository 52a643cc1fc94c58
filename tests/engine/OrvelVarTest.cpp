#include "CClock.h"
#include "COrvelVar.h"
#include "MountedDrive.h"
#include "Unique.h"
#include "TestSupport.h"
#include "VbDate.h"
#include <gtest/gtest.h>
#include <regex>
#include <windows.h>

namespace {
struct Case {
    std::wstring in, out;
    bool resolved;
};

void ExpectAll(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        std::wstring s = c.in;
        EXPECT_EQ(COrvelVar().Replace(s), c.resolved) << c.in;
        EXPECT_EQ(s, c.out) << c.in;
    }
}

std::wstring EngineFolder() {
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(GetModuleHandleW(L"AxOrvelSync.dll"), path, MAX_PATH);
    std::wstring p(path, n);
    return p.substr(0, p.find_last_of(L'\\'));
}
} // namespace

TEST(COrvelVar, ClockProgramFolderAndUnresolvedTokens) {
    CClock::SetFixed(DateSerial({2024, 1, 31, 15, 4, 5}));
    ScopeExit unfix([] { CClock::ClearFixed(); });
    std::wstring folder = EngineFolder();
    ASSERT_EQ(COrvelVar::ProgramFolder(), folder + L"\\");
    ExpectAll({
        {L"<Date>\\<Time>", L"20240131\\150405", true},
        {L"<DATE>", L"20240131", true},
        {L"<date><time>", L"20240131150405", true},
        {L"<curdrv>\\backup", folder.substr(0, 2) + L"\\backup", true},
        {L"<CurPath>\\profile", folder + L"\\profile", true},
        {L"C:\\plain\\path", L"C:\\plain\\path", true},
        {L"C:\\a<b", L"C:\\a<b", true},
        {L"C:\\a>b<", L"C:\\a>b<", true},
        {L"<foo>\\x", L"<foo>\\x", false},
        {L"<>", L"<>", false},
        {L"<date:x>", L"20240131", true},
        // After a failure the scan goes on right after its "<", after a value right after the value.
        {L"<date><foo><time>", L"20240131<foo>150405", false},
        {L"<<date>>", L"<20240131>", false},
        {L"<env:USER>", L"<env:USER>", false},
        {L"<env:>", L"<env:>", false},
        {L"<env>", L"<env>", false},
    });
}

TEST(COrvelVar, IdentityOfUserAndComputer) {
    wchar_t user[256], computer[256];
    DWORD u = 256, c = 256;
    ASSERT_TRUE(GetUserNameW(user, &u) && GetComputerNameW(computer, &c));
    ExpectAll({{L"D:\\<env:user>", L"D:\\" + std::wstring(user), true},
               {L"<ENV:computer>-<Env:user>", std::wstring(computer) + L"-" + user, true},
               {L"<env:Computer>", L"<env:Computer>", false}});
}

TEST(COrvelVar, VolumeLabelsMatchExactly) {
    TempDir dir;
    MountedDrive work(L'J', dir.Path(), DRIVE_REMOVABLE, L"WORK");
    ASSERT_TRUE(work.Mapped());
    ExpectAll({{L"<vol:WORK>\\docs", L"J:\\docs", true},
               {L"<VOL:WORK>", L"J:", true},
               {L"<vol:work>\\docs", L"<vol:work>\\docs", false},
               {L"<vol:WORK >", L"<vol:WORK >", false},
               {L"<vol:NOSUCHLABEL>", L"<vol:NOSUCHLABEL>", false},
               {L"<vol:>", L"<vol:>", false}});
}

TEST(COrvelVar, RandomDigits) {
    struct {
        const wchar_t* in;
        int digits; // 0: unresolved
    } cases[] = {{L"<rnd:3>", 3},    {L"<rnd:1>", 1},   {L"<rnd:12>", 10},  {L"<rnd:2.6>", 3},
                 {L"<rnd:1e9>", 10}, {L"<rnd:0>", 0},   {L"<rnd:-2>", 0},   {L"<rnd:x>", 0},
                 {L"<rnd>", 0},      {L"<rnd:0.4>", 0}, {L"<rnd:-1e20>", 0}};
    for (const auto& c : cases) {
        // Many draws: a count must hold for every value, including those that would round up.
        for (int draw = 0; draw < 200; ++draw) {
            std::wstring s = c.in;
            bool ok = COrvelVar().Replace(s);
            ASSERT_EQ(ok, c.digits > 0) << c.in;
            if (!ok)
                ASSERT_EQ(s, c.in);
            else
                ASSERT_TRUE(std::regex_match(s, std::wregex(L"[0-9]{" + std::to_wstring(c.digits) + L"}")))
                    << c.in << " -> " << s;
        }
    }
    std::wstring two = L"<rnd:10>-<rnd:10>";
    ASSERT_TRUE(COrvelVar().Replace(two));
    EXPECT_NE(two.substr(0, 10), two.substr(11)) << "two variables of one path differ";
}
