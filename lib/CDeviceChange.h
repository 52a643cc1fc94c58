#pragma once
// Turns the system's volume arrival and removal broadcasts into two events. It has no window: the
// owner of a top-level window passes every message of that window to SubclassingProc.
#include "LibApi.h"
#include <functional>
#include <string>
#include <vector>
#include <windows.h>

class AXORVELLIB_API CDeviceChange {
public:
    // dwVolumeBits: bit 0 = drive A …; dwType: the flags word (1 media, 2 network), sign-extended.
    using VolumeHandler = std::function<void(long dwVolumeBits, long dwType)>;

    // Raised synchronously from SubclassingProc, on the window's thread.
    VolumeHandler VolumeArrived;
    VolumeHandler VolumeRemoved;

    // Always 0; the message goes on to the window's normal handling.
    LRESULT SubclassingProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) const;

    // One letter ("A" … "Z") per set bit of the low 26, in letter order, at 0 .. lCount - 1;
    // the array holds one more, empty, element at index lCount.
    static void GetDriveName(long lUnitMask, std::vector<std::wstring>& sDrivers, long& lCount);

    // A top-level window receives the broadcasts without registering; kept for callers that
    // announce their window. Always 0.
    long Initialize(HWND) const { return 0; }
};
