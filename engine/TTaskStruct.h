#pragma once
#include "COptionString.h"
#include "EngineEnums.h"
#include <cstdint>
#include <string>

// One sync task; the engine's result lists use records of this kind with only Src and Dest.
struct TTaskStruct {
    int32_t id = 0;
    std::wstring key;
    std::wstring Src;
    std::wstring Dest;
    bool Enabled = false;
    EnumTaskState State = TSK_NORMAL;
    EnumUpdateMode UpdateMode = UPM_SRC;
    std::wstring Options = COptionString::DefaultTaskOptions();
    std::wstring Exclude;

    void Copy(const TTaskStruct& o) {
        id = o.id;
        key = o.key;
        Src = o.Src;
        Dest = o.Dest;
        Enabled = o.Enabled;
        State = o.State;
        Options = o.Options;
        Exclude = o.Exclude;
        UpdateMode = o.UpdateMode;
    }
    bool operator==(const TTaskStruct&) const = default;
};
