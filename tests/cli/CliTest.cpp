#include "CliArgs.h"
#include "TestSupport.h"
#include "Unique.h"
#include "Utf8.h"
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <set>
#include <thread>

namespace {
struct Result {
    DWORD code = 999;
    std::string out, err;
};

std::string Drain(HANDLE h) {
    std::string s;
    char buf[4096];
    DWORD got;
    while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got)
        s.append(buf, got);
    return s;
}

// Runs the runner with the arguments and collects its output and exit code.
Result RunCli(const std::wstring& args) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE outR, outW, errR, errW;
    CreatePipe(&outR, &outW, &sa, 0);
    CreatePipe(&errR, &errW, &sa, 0);
    UniqueHandle o(outR), ow(outW), e(errR), ew(errW);
    SetHandleInformation(outR, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errR, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si{sizeof si};
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = outW;
    si.hStdError = errW;
    std::wstring cmd = L"\"" + TestBinDir() + L"\\orvelsync-cli.exe\" " + args;
    PROCESS_INFORMATION pi{};
    Result r;
    if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &si,
                        &pi))
        return r;
    UniqueHandle process(pi.hProcess), thread(pi.hThread);
    ow.Reset();
    ew.Reset();
    std::thread errReader([&] { r.err = Drain(errR); });
    r.out = Drain(outR);
    errReader.join();
    WaitForSingleObject(pi.hProcess, 60000);
    GetExitCodeProcess(pi.hProcess, &r.code);
    return r;
}

std::wstring Q(const std::wstring& p) {
    return L"\"" + p + L"\"";
}
} // namespace

TEST(OrvelSyncCli, ArgumentErrorsExitWith3) {
    TempDir dir;
    WriteFileBytes(dir / L"src\\a.txt", "a");
    std::wstring bad[] = {L"",
                          L"frobnicate",
                          L"task " + Q(dir / L"src"),
                          L"task " + Q(dir / L"src") + L" " + Q(dir / L"dest") + L" --mode 3",
                          L"task " + Q(dir / L"src") + L" " + Q(dir / L"dest") + L" --bogus",
                          L"task " + Q(dir / L"src") + L" " + Q(dir / L"dest") + L" --options",
                          L"task " + Q(dir / L"nowhere") + L" " + Q(dir / L"dest"),
                          L"task " + Q(dir / L"src") + L" " + Q(dir / L"nowhere") + L" --reverse"};
    for (const auto& args : bad) {
        Result r = RunCli(args);
        EXPECT_EQ(r.code, 3u) << args;
        EXPECT_TRUE(r.out.empty()) << args;
        EXPECT_FALSE(r.err.empty()) << args;
    }
    EXPECT_FALSE(GetFileAttributesW((dir / L"dest").c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(GetFileAttributesW((dir / L"nowhere").c_str()) != INVALID_FILE_ATTRIBUTES);
}

TEST(OrvelSyncCli, HelpAndVersion) {
    Result help = RunCli(L"--help");
    EXPECT_EQ(help.code, 0u);
    EXPECT_NE(FromUtf8(help.out).find(L"用法"), std::wstring::npos);
    Result version = RunCli(L"--version");
    EXPECT_EQ(version.code, 0u);
    EXPECT_EQ(version.out.rfind("orvelsync-cli ", 0), 0u);
}

TEST(OrvelSyncCli, ParsesTheTaskFields) {
    CliCommand c =
        ParseArgs({L"task", L"C:\\a", L"D:\\b", L"--options", L"-add-cupd", L"--mode", L"2", L"--exclude",
                   L"*.tmp", L"--global-exclude", L"*\\cache\\*", L"--rar", L"C:\\rar.exe", L"--reverse"});
    ASSERT_EQ(c.kind, CliCommand::Task);
    EXPECT_EQ(c.task.Src, L"C:\\a");
    EXPECT_EQ(c.task.Dest, L"D:\\b");
    EXPECT_TRUE(c.task.Enabled);
    EXPECT_EQ(c.task.Options, L"-add-cupd");
    EXPECT_EQ(c.task.UpdateMode, UPM_LASTEST);
    EXPECT_EQ(c.task.Exclude, L"*.tmp");
    EXPECT_EQ(c.options.ExcludePath, L"*\\cache\\*");
    EXPECT_EQ(c.options.RarPath, L"C:\\rar.exe");
    EXPECT_TRUE(c.options.Reverse);
    EXPECT_FALSE(c.options.Json);
    CliCommand d = ParseArgs({L"task", L"C:\\a", L"D:\\b"});
    EXPECT_EQ(d.task.Options, TTaskStruct().Options);
    EXPECT_EQ(d.task.UpdateMode, UPM_SRC);
}

TEST(OrvelSyncCli, JsonReportAndExitCodes) {
    TempDir dir;
    std::wstring src = dir / L"src", dest = dir / L"dest";
    WriteFileBytes(src + L"\\中文.txt", "zh");
    WriteFileBytes(src + L"\\한글.txt", "ko");
    WriteFileBytes(src + L"\\skip.tmp", "t");
    std::wstring task = L"task " + Q(src) + L" " + Q(dest) + L" --exclude *.tmp --json";

    Result first = RunCli(task);
    EXPECT_EQ(first.code, 0u) << first.err;
    auto j = nlohmann::json::parse(first.out);
    for (const char* key :
         {"TotalFileNum", "TotalDirNum", "SyncedFileNum", "SyncedDirNum", "AddedFileNum", "AddedDirNum"})
        EXPECT_TRUE(j.at(key).is_number_integer()) << key;
    EXPECT_EQ(j["TotalFileNum"], 3);
    EXPECT_EQ(j["AddedFileNum"], 2);
    ASSERT_EQ(j["AddedVector"].size(), 2u);
    std::set<std::string> added;
    for (const auto& row : j["AddedVector"])
        added.insert(row.at("Dest").get<std::string>());
    EXPECT_EQ(added, (std::set<std::string>{ToUtf8(dest + L"\\中文.txt"), ToUtf8(dest + L"\\한글.txt")}));
    EXPECT_EQ(j["ExcludedVector"][0]["Src"], ToUtf8(src + L"\\skip.tmp"));
    EXPECT_TRUE(j["ToDeleteVector"].is_array());
    EXPECT_TRUE(j["Error"].is_null());

    WriteFileBytes(dest + L"\\orphan.txt", "o"); // pending: listed for deletion
    Result second = RunCli(task);
    EXPECT_EQ(second.code, 1u);
    auto k = nlohmann::json::parse(second.out);
    EXPECT_EQ(k["ToDeleteVector"], nlohmann::json::array({ToUtf8(dest + L"\\orphan.txt")}));
    EXPECT_TRUE(k["AddedVector"].empty());

    Result rar = RunCli(L"task " + Q(src) + L" " + Q(dir / L"bk\\a.rar") + L" --rar " +
                        Q(dir / L"no-rar.exe") + L" --json");
    EXPECT_EQ(rar.code, 2u);
    auto e = nlohmann::json::parse(rar.out);
    EXPECT_EQ(e["Error"]["number"], 2946001);
    EXPECT_EQ(e["Error"]["description"], ToUtf8(L"RAR.EXE不存在"));
    EXPECT_TRUE(e["Error"]["source"].is_string());
}

TEST(OrvelSyncCli, TextReportAndFailures) {
    TempDir dir;
    std::wstring src = dir / L"src", dest = dir / L"dest";
    WriteFileBytes(src + L"\\新.txt", "n");
    WriteFileBytes(src + L"\\blocked.txt", "b");
    CreateDirectoryW(dest.c_str(), nullptr);
    CreateDirectoryW((dest + L"\\blocked.txt").c_str(), nullptr);
    Result r = RunCli(L"task " + Q(src) + L" " + Q(dest));
    EXPECT_EQ(r.code, 1u);
    std::wstring text = FromUtf8(r.out);
    EXPECT_NE(text.find(L"已添加  " + src + L"\\新.txt -> " + dest + L"\\新.txt"), std::wstring::npos)
        << text;
    EXPECT_NE(text.find(L"失败  " + src + L"\\blocked.txt"), std::wstring::npos) << text;
    EXPECT_TRUE(r.err.empty()); // no progress line into a pipe
}
