#include "CDriver.h"
#include <windows.h>

namespace {
// The volume data of one root; a drive without readable media leaves the record's texts empty and
// its numbers 0. The system is told not to ask the user to insert a disc.
void ReadVolume(const std::wstring& root, TDriverStruct& d) {
    wchar_t label[MAX_PATH + 1] = {}, fs[MAX_PATH + 1] = {};
    DWORD serial = 0, maxLen = 0, flags = 0;
    DWORD oldMode = 0;
    SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &oldMode);
    BOOL ok =
        GetVolumeInformationW(root.c_str(), label, MAX_PATH + 1, &serial, &maxLen, &flags, fs, MAX_PATH + 1);
    SetThreadErrorMode(oldMode, nullptr);
    if (!ok) return;
    d.Label = label;
    d.FileSystem = fs;
    d.SerialNumber = int32_t(serial);
    d.MaximumComponentLength = int32_t(maxLen);
    d.FileSystemFlag = int32_t(flags);
}
} // namespace

void CDriver::GetDriverVector(CDriverVector& svct) const {
    wchar_t roots[256] = {};
    DWORD n = GetLogicalDriveStringsW(DWORD(std::size(roots)), roots);
    if (n >= std::size(roots)) n = 0;
    for (const wchar_t* p = roots; p < roots + n && *p; p += wcslen(p) + 1) {
        UINT type = GetDriveTypeW(p);
        if (type < DRIVE_REMOVABLE || type > DRIVE_RAMDISK) continue;
        TDriverStruct d;
        d.lType = EnumDriverType(type);
        d.Pathname = p;
        ReadVolume(p, d);
        svct.Add(d);
    }
}

std::wstring CDriver::Volume(const std::wstring& sDriver) const {
    TDriverStruct d;
    ReadVolume(sDriver, d);
    return d.Label;
}

int32_t CDriver::SerialNumber(const std::wstring& sDriver) const {
    TDriverStruct d;
    ReadVolume(sDriver, d);
    return d.SerialNumber;
}
