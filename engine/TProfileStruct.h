#pragma once
#include <cstdint>
#include <string>

// A profile's name and automatic-run settings.
struct TProfileStruct {
    std::wstring Name;
    bool OnTimer = false;
    int32_t Interval = 0;
    bool OnDevice = false;
    std::wstring VolumeName;
    bool ComputerLimit = false;
    std::wstring ComputerName;
    int32_t LimitTimes = 0;
    int32_t LimitCount = 0;
    bool Enabled = false;
    std::wstring Options = L"-nsub";

    void Copy(const TProfileStruct& o) {
        Name = o.Name;
        OnTimer = o.OnTimer;
        Interval = o.Interval;
        OnDevice = o.OnDevice;
        VolumeName = o.VolumeName;
        ComputerLimit = o.ComputerLimit;
        ComputerName = o.ComputerName;
        Enabled = o.Enabled;
        Options = o.Options;
        LimitTimes = o.LimitTimes;
        LimitCount = o.LimitCount;
    }
    bool operator==(const TProfileStruct&) const = default;
};
