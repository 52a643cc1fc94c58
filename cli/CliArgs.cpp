#include "CliArgs.h"
#include "Console.h"
#include "FileSystem.h"

namespace {
CliCommand Bad(const std::wstring& why) {
    CliCommand c;
    c.error = why;
    return c;
}
} // namespace

const wchar_t* UsageText() {
    return L"用法:\n"
           L"  orvelsync-cli task SRC DEST [--options OPTS] [--mode 0|1|2] [--exclude PATTERNS]\n"
           L"                    [--global-exclude PATTERNS] [--rar PATH] [--reverse] [--json]\n"
           L"  orvelsync-cli --help | --version\n"
           L"退出码: 0 完成, 1 有待处理项或失败, 2 运行因错误中止, 3 参数或输入无效\n";
}

const wchar_t* VersionText() {
    return L"orvelsync-cli " ORVEL_VERSION L"\n";
}

CliCommand ParseArgs(const std::vector<std::wstring>& args) {
    if (args.empty()) return Bad(L"缺少命令");
    if (args.size() == 1 && (args[0] == L"--help" || args[0] == L"-h" || args[0] == L"/?"))
        return {CliCommand::Help};
    if (args.size() == 1 && args[0] == L"--version") return {CliCommand::Version};
    if (args[0] != L"task") return Bad(L"未知命令: " + args[0]);
    CliCommand c;
    c.kind = CliCommand::Task;
    c.task.Enabled = true;
    std::vector<std::wstring> positional;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::wstring& a = args[i];
        if (a == L"--reverse" || a == L"--json") {
            (a == L"--json" ? c.options.Json : c.options.Reverse) = true;
            continue;
        }
        if (a.rfind(L"--", 0) != 0) {
            positional.push_back(a);
            continue;
        }
        if (i + 1 >= args.size()) return Bad(L"选项缺少值: " + a);
        const std::wstring& v = args[++i];
        if (a == L"--options")
            c.task.Options = v;
        else if (a == L"--exclude")
            c.task.Exclude = v;
        else if (a == L"--global-exclude")
            c.options.ExcludePath = v;
        else if (a == L"--rar")
            c.options.RarPath = v;
        else if (a == L"--mode" && (v == L"0" || v == L"1" || v == L"2"))
            c.task.UpdateMode = EnumUpdateMode(v[0] - L'0');
        else if (a == L"--mode")
            return Bad(L"更新模式只能是 0、1 或 2: " + v);
        else
            return Bad(L"未知选项: " + a);
    }
    if (positional.size() != 2) return Bad(L"task 需要源路径和目标路径");
    c.task.Src = positional[0];
    c.task.Dest = positional[1];
    return c;
}

int RunCommand(const CliCommand& command) {
    switch (command.kind) {
    case CliCommand::Help:
        Write(Stream::Out, UsageText());
        return kExitDone;
    case CliCommand::Version:
        Write(Stream::Out, VersionText());
        return kExitDone;
    case CliCommand::Bad:
        Write(Stream::Err, command.error + L"\n" + UsageText());
        return kExitBadInput;
    case CliCommand::Task:
        break;
    }
    // A source that is not there would sync nothing: say so instead of reporting an empty run.
    const std::wstring& src = command.options.Reverse ? command.task.Dest : command.task.Src;
    if (GetPathAttributes(src) == 0) {
        Write(Stream::Err, L"源路径不存在: " + src + L"\n");
        return kExitBadInput;
    }
    CTaskVector tasks;
    tasks.Add(command.task);
    return RunTasksAndReport(tasks, command.options);
}
