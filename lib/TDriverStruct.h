#pragma once
#include <cstdint>
#include <string>

// The system's drive-type codes, and one for anything else.
enum EnumDriverType : int {
    DT_REMOVABLE = 2,
    DT_FIXED = 3,
    DT_REMOTE = 4,
    DT_CDROM = 5,
    DT_RAMDISK = 6,
    DT_UNKNOWN = 7,
};

// One drive present on the computer, with its volume data.
struct TDriverStruct {
    EnumDriverType lType = DT_UNKNOWN;
    std::wstring Label;
    std::wstring Pathname; // the root, e.g. E:\ .
    std::wstring FileSystem;
    int32_t SerialNumber = 0;
    int32_t MaximumComponentLength = 0;
    int32_t FileSystemFlag = 0;

    void Copy(const TDriverStruct& o) {
        lType = o.lType;
        Label = o.Label;
        Pathname = o.Pathname;
        FileSystem = o.FileSystem;
        SerialNumber = o.SerialNumber;
        MaximumComponentLength = o.MaximumComponentLength;
        FileSystemFlag = o.FileSystemFlag;
    }
    bool operator==(const TDriverStruct&) const = default;
};
