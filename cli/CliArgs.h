#pragma once
// The runner's command line: task SRC DEST [options] | --help | --version.
#include "TTaskStruct.h"
#include "TaskRun.h"
#include <string>
#include <vector>

struct CliCommand {
    enum Kind { Help, Version, Task, Bad } kind = Bad;
    std::wstring error; // for Bad: what is wrong, in the program's language
    TTaskStruct task;
    RunOptions options;
};

CliCommand ParseArgs(const std::vector<std::wstring>& args); // without the program name
const wchar_t* UsageText();
const wchar_t* VersionText();
// Carries out a parsed command; answers the exit code.
int RunCommand(const CliCommand& command);
