#pragma once
// The run command: the tasks of one profile file, read and checked as the program reads them, then
// run and reported like a single task.
#include "TaskRun.h"
#include <string>

// A path to a profile file, or a profile name looked up as profile\NAME.ini beside the program;
// empty when neither names a file.
std::wstring FindProfile(const std::wstring& profile);
int RunProfile(const std::wstring& profile, const RunOptions& options);
