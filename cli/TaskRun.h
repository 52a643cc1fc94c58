#pragma once
// Runs a list of tasks the way the sync run window does (count the work, then synchronise) and
// reports the outcome on the console; answers the runner's exit code.
#include "CTaskVector.h"
#include <string>

enum RunExitCode {
    kExitDone = 0,       // completed, nothing pending, no failure
    kExitPending = 1,    // completed with conflicts, items to add or delete, or failures
    kExitEndedEarly = 2, // the run ended early with an error
    kExitBadInput = 3,   // bad arguments or unusable input
};

struct RunOptions {
    bool Reverse = false;
    bool Json = false;
    std::wstring RarPath;     // empty: the engine's own default
    std::wstring ExcludePath; // the global exclusion patterns
};

int RunTasksAndReport(CTaskVector& tasks, const RunOptions& options);
