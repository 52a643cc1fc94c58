#pragma once
#include <cstdint>
#include <string>

// One command of a parsed command line.
struct TCmdStruct {
    int32_t Index = 0;
    std::wstring cmd;
    std::wstring param;

    void Copy(const TCmdStruct& o) {
        Index = o.Index;
        cmd = o.cmd;
        param = o.param;
    }
    bool operator==(const TCmdStruct&) const = default;
};
