#pragma once
// The engine's shared vocabulary, spelled as every caller and stored file knows it.

enum EnumTaskState : int {
    TSK_NORMAL = 0,
    TSK_VAR_FAILED = 1,
    TSK_SRC_INVALID = 2,
    TSK_DEST_INVALID = 3,
};

enum EnumUpdateMode : int {
    UPM_SRC = 0,
    UPM_DEST = 1,
    UPM_LASTEST = 2,
};

// Bit flags.
enum EnumConflictResult : int {
    CFR_SAME = 1,
    CFR_DIFF = 2,
    CFR_EQAUL_SIZE = 4,
    CFR_SMALL_SRC_SIZE = 8,
    CFR_SMALL_DEST_SIZE = 16,
    CFR_EQUAL_DATE = 32,
    CFR_LASTEST_SRC_DATE = 64,
    CFR_LASTEST_DEST_DATE = 128,
};
