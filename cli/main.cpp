#include "CliArgs.h"
#include <windows.h>
#include <shellapi.h>

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> args;
    for (int i = 1; argv && i < argc; ++i)
        args.push_back(argv[i]);
    LocalFree(argv);
    return RunCommand(ParseArgs(args));
}
