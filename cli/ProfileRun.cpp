#include "ProfileRun.h"
#include "COptionString.h"
#include "COrvelVar.h"
#include "CSyncProfile.h"
#include "CaseFold.h"
#include "Console.h"
#include "FileSystem.h"

namespace {
// Why a task read from the profile will not run; empty for one that runs.
std::wstring WhyNotRun(const TTaskStruct& t) {
    if (t.Enabled) return L"";
    if (t.State == TSK_VAR_FAILED) return L"路径变量无法解析: " + t.Src + L" -> " + t.Dest;
    if (t.State & TSK_SRC_INVALID) return L"源路径不存在: " + t.Src;
    return L"已禁用";
}
} // namespace

std::wstring FindProfile(const std::wstring& profile) {
    if (FileExists(profile)) return profile;
    if (profile.empty() || profile.find_first_of(L"\\/:") != std::wstring::npos) return L"";
    std::wstring name = profile;
    if (name.size() < 4 || !EqualsNoCase(name.substr(name.size() - 4), L".ini")) name += L".ini";
    std::wstring path = COrvelVar::ProgramFolder() + L"profile\\" + name;
    return FileExists(path) ? path : L"";
}

int RunProfile(const std::wstring& profile, const RunOptions& options) {
    std::wstring path = FindProfile(profile);
    if (path.empty()) {
        Write(Stream::Err, L"配置文件不存在: " + profile + L"\n");
        return kExitBadInput;
    }
    CSyncProfile reader;
    reader.SetFile(path);
    std::shared_ptr<CTaskVector> tasks = reader.GetTaskVector();
    if (tasks->Count() == 0) Write(Stream::Err, L"配置文件中没有任务: " + path + L"\n");
    // Tasks the profile holds but that cannot run are said on the error stream, so that a
    // broken task is never mistaken for one that had nothing to do.
    bool broken = false;
    for (int32_t i = 0; i < tasks->Count(); ++i) {
        const TTaskStruct& t = *tasks->Item(i);
        std::wstring why = WhyNotRun(t);
        if (why.empty()) continue;
        broken = broken || t.State != TSK_NORMAL;
        Write(Stream::Err, L"任务 " + t.key + L" 未运行: " + why + L"\n");
    }
    int code = RunTasksAndReport(*tasks, options);
    return code == kExitDone && broken ? kExitPending : code;
}
